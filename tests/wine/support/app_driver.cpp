// Starting and driving hovrel.exe; see app_driver.h.
#include "support/app_driver.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace hovrel::app {

using fixture::WaitUntil;

std::wstring Beside(const std::wstring& name) {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.erase(folder.find_last_of(L"\\/") + 1) + name;
}

namespace {

// Starts the program file `name` from beside the tests in `job`.
PROCESS_INFORMATION StartBeside(const std::wstring& name, HANDLE job, WORD show) {
  std::wstring commandLine = L"\"" + Beside(name) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = show;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                        &startup, &process))
    throw std::runtime_error("a program beside the tests could not be started");
  ::AssignProcessToJobObject(job, process.hProcess);
  ::ResumeThread(process.hThread);
  return process;
}

}  // namespace

const wchar_t* WithoutUtf8CodePage() {
  static const wchar_t* const copy = [] {
    const std::wstring original = Beside(L"hovrel.exe"), legacy = Beside(L"hovrel-legacy.exe");
    HMODULE module = ::LoadLibraryExW(original.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    std::string manifest(static_cast<const char*>(::LockResource(::LoadResource(module, found))), ::SizeofResource(module, found));
    ::FreeLibrary(module);
    const std::size_t start = manifest.find("<activeCodePage"), end = manifest.find("</activeCodePage>");
    if (start == std::string::npos || end == std::string::npos) throw std::runtime_error("no code page in the manifest");
    manifest.erase(start, end + std::strlen("</activeCodePage>") - start);
    ::CopyFileW(original.c_str(), legacy.c_str(), FALSE);
    HANDLE update = ::BeginUpdateResourceW(legacy.c_str(), FALSE);
    // Of the language windres gives every resource; another would be added beside it.
    ::UpdateResourceW(update, MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(1), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                      manifest.data(), static_cast<DWORD>(manifest.size()));
    if (!::EndUpdateResourceW(update, FALSE)) throw std::runtime_error("the copy's manifest could not be written");
    return L"hovrel-legacy.exe";
  }();
  return copy;
}

RunningApp::RunningApp(const wchar_t* program, WORD show)
    : job_(::CreateJobObjectW(nullptr, nullptr)), process_(StartBeside(program, job_, show)) {
  if (!WaitUntil([&] { return (window_ = FindOwn(nullptr, L"Quarrow Hovrel", false)) != nullptr && Rows() > 0; }, std::chrono::seconds(30)))
    window_ = nullptr;
  // Its first paint fills the list anew, dropping a row a test picked before
  // it: that paint is made now, once the window is shown.
  if (window_ != nullptr && show == SW_SHOWNORMAL && WaitUntil([&] { return ::IsWindowVisible(window_) != FALSE; }))
    ::RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW);
}

RunningApp::~RunningApp() {
  ::TerminateProcess(process_.hProcess, 1);
  ::TerminateJobObject(job_, 1);
  ::WaitForSingleObject(process_.hProcess, 10'000);
  ::CloseHandle(process_.hThread);
  ::CloseHandle(process_.hProcess);
  ::CloseHandle(job_);
}

bool RunningApp::HideBehindIcon() const {
  if (!WaitUntil([&] { return fixture::StandInTaskbar::Requests(window_) == "A"; })) return false;
  Post(WM_SYSCOMMAND, SC_MINIMIZE);
  return WaitUntil([&] { return !::IsWindowVisible(window_); });
}

int RunningApp::ProgramsStarted() const {
  JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
  ::QueryInformationJobObject(job_, JobObjectBasicAccountingInformation, &accounting, sizeof accounting, nullptr);
  return static_cast<int>(accounting.TotalProcesses) - 1;
}

HWND RunningApp::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return ::GetGUIThreadInfo(process_.dwThreadId, &info) ? info.hwndFocus : nullptr;
}

// Only the wide-character message reads another process's rows intact.
std::wstring RunningApp::Text(int row) const {
  const auto item = static_cast<WPARAM>(row);
  std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(ListMessage(LB_GETTEXTLEN, item), 0)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(std::max<LRESULT>(ListMessage(LB_GETTEXT, item, reinterpret_cast<LPARAM>(text.data())), 0)));
  return text;
}

int RunningApp::RowOf(HWND hwnd) const {
  for (int row = 0, rows = Rows(); row < rows; ++row)
    if (WindowOf(row) == hwnd) return row;
  return -1;
}

bool RunningApp::RowFollows(HWND window, const std::function<void()>& refresh) const {
  const std::wstring renamed = fixture::UniqueTitle(L"renamed");
  ::SetWindowTextW(window, renamed.c_str());
  refresh ? refresh() : Menu(CommandId::mnuRefresh);
  return WaitUntil([&] { return Text(RowOf(window)) == renamed; });
}

void RunningApp::PressKey(HWND target, WPARAM virtualKey) const {
  ::PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
  ::PostMessageW(target, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001u));
}

void RunningApp::PressAltKey(HWND target, WPARAM letter) const {
  constexpr LPARAM kAltDown = 1 << 29;
  ::PostMessageW(target, WM_SYSKEYDOWN, letter, kAltDown | 1);
  ::PostMessageW(target, WM_SYSKEYUP, letter, static_cast<LPARAM>(0xE0000001u));
}

void RunningApp::ClickRow(int row, int clicks) const {
  // Handled before the clicks: the list scrolls a row it shows only in part into view.
  ListMessage(LB_SETTOPINDEX, static_cast<WPARAM>(row));
  const auto height = static_cast<int>(ListMessage(LB_GETITEMHEIGHT));
  const LPARAM point = MAKELPARAM(8, (row - static_cast<int>(ListMessage(LB_GETTOPINDEX))) * height + height / 2);
  for (int click = 0; click < clicks; ++click)
    for (const UINT message : {click == 0 ? UINT{WM_LBUTTONDOWN} : UINT{WM_LBUTTONDBLCLK}, UINT{WM_LBUTTONUP}})
      ::PostMessageW(Control(CommandId::lstApp), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, point);
}

HWND RunningApp::FindOwn(const wchar_t* className, const wchar_t* title, bool visible) const {
  for (HWND hwnd = nullptr; (hwnd = ::FindWindowExW(nullptr, hwnd, className, title)) != nullptr;)
    if (DWORD id = 0; ::GetWindowThreadProcessId(hwnd, &id) && id == process_.dwProcessId && (!visible || ::IsWindowVisible(hwnd)))
      return hwnd;
  return nullptr;
}

void RunningApp::CloseMenu() const {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(window_, WM_CANCELMODE, 0, 0, SMTO_NORMAL, 5000, &result);
  WaitUntil([&] { return OpenMenu() == nullptr; });
}

DWORD RunningApp::ExitCode(std::chrono::milliseconds deadline) const {
  WaitUntil([&] { return ::WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; }, deadline);
  DWORD exitCode = STILL_ACTIVE;
  ::GetExitCodeProcess(process_.hProcess, &exitCode);
  return exitCode;
}

}  // namespace hovrel::app
