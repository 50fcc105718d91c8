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

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
  hovrel::Win32WindowSystem windowSystem;
  hovrel::Win32Shell shell;
  hovrel::Win32ProgramFiles files;
  hovrel::Win32Forms forms;
  hovrel::Win32Form form(hovrel::kMainForm);
  hovrel::frmMain main(windowSystem, shell, files, forms, form);
  // As the program was started: a shortcut may say to run it minimised.
  form.Load(main, show);
  return form.RunMessageLoop();
}
