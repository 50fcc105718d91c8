// Starting and driving hovrel.exe; see app_driver.h.
#include "support/app_driver.h"

#include <shellapi.h>

#include "support/fixture_windows.h"

namespace hovrel::app {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr wchar_t kCaption[] = L"Quarrow Hovrel";
constexpr auto kStartDeadline = 30s;

std::wstring ProgramBesideTests() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring program(path);
  program.erase(program.find_last_of(L"\\/") + 1);
  return program + L"hovrel.exe";
}

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindProcessWindow(HWND hwnd, LPARAM lParam) {
  auto& search = *reinterpret_cast<WindowSearch*>(lParam);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(hwnd, &owner);
  if (owner != search.processId || !::IsWindowVisible(hwnd)) return TRUE;
  if (fixture::WideTitle(hwnd) != kCaption) return TRUE;
  search.found = hwnd;
  return FALSE;
}

}  // namespace

RunningApp::RunningApp() {
  std::wstring commandLine = L"\"" + ProgramBesideTests() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  const auto begin = Clock::now();
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_))
    return;
  HWND shown = nullptr;
  fixture::WaitUntil(
      [&] {
        WindowSearch search{process_.dwProcessId, nullptr};
        ::EnumWindows(&FindProcessWindow, reinterpret_cast<LPARAM>(&search));
        shown = search.found;
        if (shown == nullptr) return false;
        HWND list = ::GetDlgItem(shown, static_cast<int>(CommandId::lstApp));
        return ::SendMessageW(list, LB_GETCOUNT, 0, 0) > 0;
      },
      std::chrono::duration_cast<std::chrono::milliseconds>(kStartDeadline));
  startTime_ = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - begin);
  window_ = shown;
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
  if (!::GetGUIThreadInfo(process_.dwThreadId, &info)) return nullptr;
  return info.hwndFocus;
}

int RunningApp::Rows() const {
  return static_cast<int>(::SendMessageW(Control(CommandId::lstApp), LB_GETCOUNT, 0, 0));
}

// Only the wide-character message reads another process's rows intact.
std::wstring RunningApp::Text(int row) const {
  HWND list = Control(CommandId::lstApp);
  const auto length = ::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied =
      ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
  return text;
}

Hwnd RunningApp::ItemData(int row) const {
  return static_cast<Hwnd>(
      ::SendMessageW(Control(CommandId::lstApp), LB_GETITEMDATA, static_cast<WPARAM>(row), 0));
}

int RunningApp::RowOf(HWND hwnd) const {
  const int rows = Rows();
  for (int row = 0; row < rows; ++row)
    if (ItemData(row) == FromHwnd(hwnd)) return row;
  return -1;
}

int RunningApp::Selected() const {
  return static_cast<int>(::SendMessageW(Control(CommandId::lstApp), LB_GETCURSEL, 0, 0));
}

void RunningApp::Select(int row) const {
  ::SendMessageW(Control(CommandId::lstApp), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

void RunningApp::Click(CommandId button) const { ::PostMessageW(Control(button), BM_CLICK, 0, 0); }

void RunningApp::Menu(CommandId item) const {
  ::PostMessageW(window_, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(item), 0), 0);
}

void RunningApp::PressKey(HWND target, WPARAM virtualKey) const {
  ::PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
  ::PostMessageW(target, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001u));
}

// What the list sends its form on a double-click.
void RunningApp::DoubleClickList() const {
  ::PostMessageW(window_, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(CommandId::lstApp), LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(Control(CommandId::lstApp)));
}

void RunningApp::PressCloseBox() const { ::PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0); }

bool RunningApp::WaitForExit(std::chrono::milliseconds deadline, DWORD& exitCode) const {
  const bool ended = fixture::WaitUntil(
      [&] { return ::WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; }, deadline);
  if (ended) ::GetExitCodeProcess(process_.hProcess, &exitCode);
  return ended;
}

bool IconExists(HWND owner) {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = owner;
  data.uID = 1;
  return ::Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

}  // namespace hovrel::app
