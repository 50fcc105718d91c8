// hovrel.exe: builds the main window, loads and shows it, and runs the
// message loop until the program ends. No command line; nothing is read or
// written.
#include "forms/win32/form_win32.h"
#include "platform/program_files_win32.h"
#include "platform/shell_win32.h"
#include "platform/window_system_win32.h"
#include "ui/frm_main.h"
#include "ui/frm_main_description.h"

// After our headers: see window_system.h.
#include <windows.h>
#include <objbase.h>

namespace {

// The shell may hand a link to a handler that it starts through COM, which
// must then be initialised on the calling thread. The usual end (Exit, the
// close box) ends the process at once, which releases the apartment too.
class ComApartment {
 public:
  ComApartment()
      : initialised_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ~ComApartment() {
    if (initialised_) ::CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialised_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const ComApartment com;
  hovrel::Win32WindowSystem windowSystem;
  hovrel::Win32Shell shell;
  hovrel::Win32ProgramFiles files;
  hovrel::Win32Forms forms;
  hovrel::Win32Form form(hovrel::kMainForm);
  hovrel::frmMain main(windowSystem, shell, files, forms, form);
  form.Load(main);
  return form.RunMessageLoop();
}
