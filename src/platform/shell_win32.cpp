// shell32 and kernel32 behind the Shell interface. ShellExecuteW's answer is
// ignored here on purpose: the Help menu reports nothing, and the shell
// shows its own messages. shell32 comes with shlwapi and shcore, and the
// first screen needs none of them: it is loaded at its first use, for the
// icon once the window is shown, or for a link. What an elevated program
// starts for its user is handed to the desktop's Explorer through COM.
#include "platform/shell_win32.h"

// After our headers: see shell.h.
#include <windows.h>
#include <exdisp.h>
#include <objbase.h>
#include <servprov.h>
#include <shellapi.h>
#include <shldisp.h>
#include <shlobj.h>

#include "platform/integrity_win32.h"
#include "platform/owned_win32.h"
#include "platform/system_function_win32.h"
#include "platform/wide_text_win32.h"
#include "platform/win32_handle.h"

namespace hovrel {
namespace {

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
// apartment is never left; it ends with its thread.
void InitialiseComOnce() {
  [[maybe_unused]] thread_local const bool initialised = [] {
    const auto coInitializeEx = SystemFunction<HRESULT(WINAPI*)(void*, DWORD)>(L"ole32.dll", "CoInitializeEx");
    return coInitializeEx != nullptr &&
           SUCCEEDED(coInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
  }();
}

// Written out here: mingw-w64 keeps them in libuuid's one object that holds
// every GUID of the headers.
constexpr CLSID kShellWindowsClass = {0x9ba05972, 0xf6a8, 0x11cf, {0xa4, 0x42, 0x00, 0xa0, 0xc9, 0x0a, 0x8f, 0x39}};
constexpr GUID kTopLevelBrowserService = {0x4c96be40, 0x915c, 0x11cf, {0x99, 0xd3, 0x00, 0xaa, 0x00, 0x4a, 0xe8, 0x37}};

// A string as automation passes it, freed when it goes; oleaut32 is loaded
// only for the desktop's shell.
class AutomationString {
 public:
  explicit AutomationString(const std::wstring& text) {
    static const auto allocate = SystemFunction<decltype(&::SysAllocString)>(L"oleaut32.dll", "SysAllocString");
    if (allocate != nullptr) text_ = allocate(text.c_str());
  }
  ~AutomationString() {
    static const auto release = SystemFunction<decltype(&::SysFreeString)>(L"oleaut32.dll", "SysFreeString");
    if (text_ != nullptr && release != nullptr) release(text_);
  }
  AutomationString(const AutomationString&) = delete;
  AutomationString& operator=(const AutomationString&) = delete;
  BSTR get() const { return text_; }
  // Lent to the callee, which copies what it keeps: never cleared as a VARIANT.
  VARIANT AsVariant() const {
    VARIANT variant{};
    variant.vt = VT_BSTR;
    variant.bstrVal = text_;
    return variant;
  }

 private:
  BSTR text_ = nullptr;
};

VARIANT NumberVariant(LONG number) {
  VARIANT variant{};
  variant.vt = VT_I4;
  variant.lVal = number;
  return variant;
}

// The browser of the desktop's window, which Explorer runs: null when no
// shell runs the desktop (Explorer ended, or another shell).
ComPointer<IShellBrowser> DesktopBrowser() {
  static const auto coCreateInstance =
      SystemFunction<decltype(&::CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
  ComPointer<IShellWindows> windows;
  if (coCreateInstance == nullptr || FAILED(coCreateInstance(kShellWindowsClass, nullptr, CLSCTX_LOCAL_SERVER,
                                                             __uuidof(IShellWindows), windows.OutVoid())))
    return {};
  VARIANT desktop = NumberVariant(CSIDL_DESKTOP);
  VARIANT noRoot{};
  LONG hwnd = 0;
  ComPointer<IDispatch> found;
  ComPointer<IServiceProvider> services;
  ComPointer<IShellBrowser> browser;
  // S_FALSE, with no window, when the desktop has none.
  if (windows->FindWindowSW(&desktop, &noRoot, SWC_DESKTOP, &hwnd, SWFO_NEEDDISPATCH, found.Out()) != S_OK ||
      !found.QueryInto(services) ||
      FAILED(services->QueryService(kTopLevelBrowserService, __uuidof(IShellBrowser), browser.OutVoid())))
    return {};
  return browser;
}

// The shell's automation object behind the desktop's folder view: what it
// starts runs in Explorer's process, with Explorer's rights.
ComPointer<IShellDispatch2> DesktopShellDispatch() {
  const ComPointer<IShellBrowser> browser = DesktopBrowser();
  ComPointer<IShellView> view;
  ComPointer<IDispatch> background;
  ComPointer<IShellFolderViewDual> folderView;
  ComPointer<IDispatch> application;
  ComPointer<IShellDispatch2> shell;
  if (!browser || FAILED(browser->QueryActiveShellView(view.Out())) ||
      FAILED(view->GetItemObject(SVGIO_BACKGROUND, __uuidof(IDispatch), background.OutVoid())) ||
      !background.QueryInto(folderView) || FAILED(folderView->get_Application(application.Out())) ||
      !application.QueryInto(shell))
    return {};
  return shell;
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
  const OwnedHandle process(started.hProcess);
  const OwnedHandle thread(started.hThread);
  return true;
}

// Run as administrator while the user's desktop is not, what the program
// starts would have more rights than the user's own programs. With UAC off
// (and under Wine) the desktop runs as high as the program: nothing to hand
// over then. A desktop whose level cannot be read is taken to be lower. Wine
// has no shell window: its desktop window belongs to its desktop's process.
bool Win32Shell::Elevated() {
  const std::uint32_t own = OwnIntegrityLevel();
  DWORD desktopProcess = 0;
  const HWND shell = ::GetShellWindow();
  ::GetWindowThreadProcessId(shell != nullptr ? shell : ::GetDesktopWindow(), &desktopProcess);
  const std::uint32_t desktop = desktopProcess == 0 ? 0 : IntegrityLevel(desktopProcess);
  return own >= SECURITY_MANDATORY_HIGH_RID && (desktop == 0 || desktop < own);
}

bool Win32Shell::ShellExecuteFromDesktop(const char* file, const char* parameters) {
  InitialiseComOnce();
  const ComPointer<IShellDispatch2> shell = DesktopShellDispatch();
  const AutomationString path(Widen(file));
  const AutomationString arguments(parameters == nullptr ? std::wstring() : Widen(parameters));
  const AutomationString folder(L"");
  const AutomationString verb(L"open");
  if (!shell || path.get() == nullptr || arguments.get() == nullptr || folder.get() == nullptr ||
      verb.get() == nullptr)
    return false;
  return SUCCEEDED(shell->ShellExecute(path.get(), arguments.AsVariant(), folder.AsVariant(), verb.AsVariant(),
                                       NumberVariant(SW_SHOWNORMAL)));
}

}  // namespace hovrel
