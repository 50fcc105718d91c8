// shell32 and kernel32 behind the Shell interface. ShellExecuteA's answer and
// a failed program start are ignored here on purpose: the Help menu reports
// nothing, and the shell or Notepad show their own messages. shell32 comes
// with shlwapi and shcore, and the first screen needs none of them: it is
// loaded once the window is shown, for the icon or a link.
#include "platform/shell_win32.h"

#include <vector>

// After our headers: see shell.h.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include "platform/system_function_win32.h"
#include "platform/win32_handle.h"

namespace hovrel {
namespace {

// Closes a kernel handle when it goes out of scope.
class KernelHandle {
 public:
  explicit KernelHandle(HANDLE handle) : handle_(handle) {}
  ~KernelHandle() {
    if (handle_ != nullptr) ::CloseHandle(handle_);
  }
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;

 private:
  HANDLE handle_;
};

// The shell may hand a target to a handler that it starts through COM, which
// must then be initialised on the calling thread. That is done at the first
// target rather than at start: the first screen needs none of ole32. The
// apartment is never left; it ends with the process.
void InitialiseComOnce() {
  [[maybe_unused]] static const bool initialised = [] {
    const auto coInitializeEx = SystemFunction<HRESULT(WINAPI*)(void*, DWORD)>(L"ole32.dll", "CoInitializeEx");
    return coInitializeEx != nullptr &&
           SUCCEEDED(coInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
  }();
}

}  // namespace

bool Win32Shell::Shell_NotifyIconA(unsigned message, const TrayRecord& record) {
  // Held only for the request: the icon is added, changed or deleted at
  // start, for a new taskbar and at the end, and between those the program
  // does better without shell32's working set. Once a link has loaded it
  // for good, this only counts it up and down.
  const SystemLibrary shell32(L"shell32.dll");
  const auto notifyIcon = shell32.Find<BOOL(WINAPI*)(DWORD, NOTIFYICONDATAA*)>("Shell_NotifyIconA");
  if (notifyIcon == nullptr) return false;
  // The record is laid out byte for byte as the shell reads it; its cbSize
  // field tells the shell how much of the structure there is.
  auto* data = reinterpret_cast<NOTIFYICONDATAA*>(const_cast<std::uint8_t*>(record.data()));
  return notifyIcon(message, data) != FALSE;
}

void Win32Shell::ShellExecuteA(Hwnd owner, const char* verb, const char* file,
                               const char* parameters, const char* directory, int showCommand) {
  // Kept for the program's life: the shell may leave a handler that it
  // started through COM running inside the program.
  static const auto shellExecute =
      SystemFunction<HINSTANCE(WINAPI*)(HWND, const char*, const char*, const char*, const char*, INT)>(
          L"shell32.dll", "ShellExecuteA");
  if (shellExecute == nullptr) return;
  InitialiseComOnce();
  shellExecute(ToHwnd(owner), verb, file, parameters, directory, showCommand);
}

void Win32Shell::StartProgram(const std::string& application, const std::string& commandLine,
                              int showCommand) {
  // CreateProcessA may write into the command line, so it gets its own copy.
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showCommand);
  PROCESS_INFORMATION started{};
  if (::CreateProcessA(application.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &started) == FALSE) {
    return;
  }
  // Nothing of the started program is kept: both handles go at once.
  const KernelHandle process(started.hProcess);
  const KernelHandle thread(started.hThread);
}

}  // namespace hovrel
