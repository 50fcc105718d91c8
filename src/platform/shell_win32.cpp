// shell32 and kernel32 behind the Shell interface. ShellExecuteW's answer is
// ignored here on purpose: the Help menu reports nothing, and the shell
// shows its own messages. shell32 comes with shlwapi and shcore, and the
// first screen needs none of them: it is loaded at its first use, for the
// icon once the window is shown, or for a link.
#include "platform/shell_win32.h"

// After our headers: see shell.h.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include "platform/system_function_win32.h"
#include "platform/wide_text_win32.h"
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

// A text argument as a W function takes it; a null one stays null.
class WideArgument {
 public:
  explicit WideArgument(const char* text) : null_(text == nullptr), text_(null_ ? std::wstring() : Widen(text)) {}
  const wchar_t* get() const { return null_ ? nullptr : text_.c_str(); }

 private:
  bool null_;
  std::wstring text_;
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
  static const auto notifyIcon =
      SystemFunction<BOOL(WINAPI*)(DWORD, NOTIFYICONDATAA*)>(L"shell32.dll", "Shell_NotifyIconA");
  if (notifyIcon == nullptr) return false;
  // The record is laid out byte for byte as the shell reads it; its cbSize
  // field tells the shell how much of the structure there is.
  auto* data = reinterpret_cast<NOTIFYICONDATAA*>(const_cast<std::uint8_t*>(record.data()));
  return notifyIcon(message, data) != FALSE;
}

void Win32Shell::ShellExecuteW(Hwnd owner, const char* verb, const char* file,
                               const char* parameters, const char* directory, int showCommand) {
  static const auto shellExecute =
      SystemFunction<HINSTANCE(WINAPI*)(HWND, const wchar_t*, const wchar_t*, const wchar_t*, const wchar_t*, INT)>(
          L"shell32.dll", "ShellExecuteW");
  if (shellExecute == nullptr) return;
  InitialiseComOnce();
  shellExecute(ToHwnd(owner), WideArgument(verb).get(), WideArgument(file).get(), WideArgument(parameters).get(),
               WideArgument(directory).get(), showCommand);
}

bool Win32Shell::StartProgram(const std::string& application, const std::string& commandLine,
                              int showCommand) {
  // CreateProcessW may write into the command line, so it gets its own copy.
  std::wstring line = Widen(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showCommand);
  PROCESS_INFORMATION started{};
  if (::CreateProcessW(Widen(application).c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &started) == FALSE) {
    return false;
  }
  // Nothing of the started program is kept: both handles go at once.
  const KernelHandle process(started.hProcess);
  const KernelHandle thread(started.hThread);
  return true;
}

}  // namespace hovrel
