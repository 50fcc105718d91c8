// Starting and driving hovrel.exe; see app_driver.h.
#include "support/app_driver.h"

#include "support/fixture_windows.h"

#include <algorithm>

namespace hovrel::app {

DWORD ProcessOf(HWND hwnd) {
  DWORD id = 0;
  ::GetWindowThreadProcessId(hwnd, &id);
  return id;
}

std::wstring BesideTests(const std::wstring& name) {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring beside(path);
  beside.erase(beside.find_last_of(L"\\/") + 1);
  return beside + name;
}

RunningApp::RunningApp(const std::wstring& program) {
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  const auto begin = std::chrono::steady_clock::now();
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_))
    return;
  const bool shown = fixture::WaitUntil(
      [&] {
        window_ = nullptr;
        while ((window_ = ::FindWindowExW(nullptr, window_, nullptr, L"Quarrow Hovrel")) != nullptr)
          if (ProcessOf(window_) == process_.dwProcessId && ::IsWindowVisible(window_)) return Rows() > 0;
        return false;
      },
      std::chrono::seconds(30));
  if (!shown) window_ = nullptr;
  startTime_ = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - begin);
}

RunningApp::~RunningApp() {
  if (process_.hProcess == nullptr) return;
  if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    ::TerminateProcess(process_.hProcess, 1);
    ::WaitForSingleObject(process_.hProcess, 10'000);
  }
  ::CloseHandle(process_.hThread);
  ::CloseHandle(process_.hProcess);
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
  const LRESULT copied = ListMessage(LB_GETTEXT, item, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
  return text;
}

int RunningApp::RowOf(HWND hwnd) const {
  for (int row = 0, rows = Rows(); row < rows; ++row)
    if (static_cast<Hwnd>(ListMessage(LB_GETITEMDATA, static_cast<WPARAM>(row))) == FromHwnd(hwnd)) return row;
  return -1;
}

std::string RunningApp::Listing() const {
  std::string rows;
  for (int row = 0; row < Rows(); ++row) rows += "\n  " + fixture::ToUtf8(Text(row));
  return rows.empty() ? " (none)" : rows;
}

void RunningApp::PressKey(HWND target, WPARAM virtualKey) const {
  ::PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
  ::PostMessageW(target, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001u));
}

DWORD RunningApp::ExitCode(std::chrono::milliseconds deadline) const {
  fixture::WaitUntil([&] { return ::WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; }, deadline);
  DWORD exitCode = STILL_ACTIVE;
  ::GetExitCodeProcess(process_.hProcess, &exitCode);
  return exitCode;
}

bool NotifyIcon(HWND owner, DWORD message) {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = owner;
  data.uID = 1;
  return ::Shell_NotifyIconA(message, &data) != FALSE;
}

}  // namespace hovrel::app
