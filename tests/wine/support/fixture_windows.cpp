// The test-owned windows and helper processes of fixture_windows.h.
#include "support/fixture_windows.h"

#include <stdexcept>
#include <string>

namespace hovrel::fixture {
namespace {

constexpr wchar_t kFixtureClass[] = L"HovrelTestFixture";
constexpr wchar_t kHelperProgram[] = L"fixture_window.exe";
constexpr wchar_t kQuestionClass[] = L"#32770";  // the class of dialog boxes
constexpr int kListId = 101;
// How long a helper's window may take to come up; a new Wine process needs a
// second or two on a loaded machine.
constexpr auto kHelperStartDeadline = 30s;
constexpr DWORD kHelperEndWaitMs = 10'000;

void RegisterFixtureClass(WNDPROC proc) {
  static const bool registered = [proc] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kFixtureClass;
    return ::RegisterClassExW(&wc) != 0;
  }();
  if (!registered) throw std::runtime_error("the fixture window class could not be registered");
}

DWORD StyleOf(Kind kind) {
  switch (kind) {
    case Kind::Popup:
      return WS_POPUP | WS_VISIBLE;
    case Kind::Hidden:
    case Kind::Minimised:
      return WS_OVERLAPPEDWINDOW;
    case Kind::Framed:
      break;
  }
  return WS_OVERLAPPEDWINDOW | WS_VISIBLE;
}

std::wstring ProgramDirectory() {
  std::wstring path(MAX_PATH, L'\0');
  const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), MAX_PATH);
  path.resize(length);
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

const wchar_t* ModeWord(HelperAnswer answer) {
  switch (answer) {
    case HelperAnswer::Hangs:
      return L"hang";
    case HelperAnswer::Asks:
      return L"ask";
    case HelperAnswer::Refuses:
      break;
  }
  return L"refuse";
}

struct OwnedSearch {
  HWND owner;
  HWND found;
};

BOOL CALLBACK FindOwnedQuestion(HWND hwnd, LPARAM lParam) {
  auto& search = *reinterpret_cast<OwnedSearch*>(lParam);
  wchar_t className[16] = {};
  ::GetClassNameW(hwnd, className, 16);
  if (::GetWindow(hwnd, GW_OWNER) != search.owner || std::wstring_view(className) != kQuestionClass)
    return TRUE;
  search.found = hwnd;
  return FALSE;
}

}  // namespace

std::wstring UniqueTitle(std::wstring_view words) {
  static int counter = 0;
  return L"Fixture " + std::to_wstring(::GetCurrentProcessId()) + L"." +
         std::to_wstring(++counter) + L" " + std::wstring(words);
}

std::string ToUtf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int wide = static_cast<int>(text.size());
  const int bytes =
      ::WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(bytes), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, out.data(), bytes, nullptr, nullptr);
  return out;
}

std::wstring WideTitle(HWND hwnd) {
  std::wstring title(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
  title.resize(static_cast<std::size_t>(
      ::GetWindowTextW(hwnd, title.data(), static_cast<int>(title.size()))));
  return title;
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds deadline) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
  return true;
}

bool IsTopmost(HWND hwnd) { return (::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

bool IsAbove(HWND upper, HWND lower) {
  for (HWND next = ::GetWindow(upper, GW_HWNDNEXT); next; next = ::GetWindow(next, GW_HWNDNEXT))
    if (next == lower) return true;
  return false;
}

void SendToBottom(HWND hwnd) {
  ::SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

FixtureWindow::FixtureWindow(std::wstring_view title, Kind kind, CloseAnswer answer)
    : answer_(answer) {
  RegisterFixtureClass(&FixtureWindow::Proc);
  static int cascade = 0;
  const int offset = 20 * (++cascade % 16);
  const std::wstring text(title);
  ::CreateWindowExW(0, kFixtureClass, text.c_str(), StyleOf(kind), 40 + offset, 40 + offset, 320,
                    160, nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw std::runtime_error("a fixture window could not be created");
  if (kind == Kind::Minimised) ::ShowWindow(hwnd_, SW_SHOWMINNOACTIVE);
}

FixtureWindow::~FixtureWindow() {
  if (hwnd_) ::DestroyWindow(hwnd_);
}

LRESULT CALLBACK FixtureWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* self =
        static_cast<FixtureWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<FixtureWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && msg == WM_CLOSE) {
    ++self->closeRequests_;
    if (self->answer_ == CloseAnswer::Refuses) return 0;
  }
  if (self && msg == WM_NCDESTROY) {
    self->hwnd_ = nullptr;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  }
  return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

HostWindow::HostWindow()
    : frame_(UniqueTitle(L"Host")),
      list_(FromHwnd(::CreateWindowExW(
          WS_EX_CLIENTEDGE, L"LISTBOX", L"",
          WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_SORT | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0,
          300, 120, frame_.hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)),
          ::GetModuleHandleW(nullptr), nullptr))) {
  if (list_.Handle() == 0) throw std::runtime_error("the host's list box could not be created");
}

int HostWindow::RowOf(Hwnd hwnd) const {
  for (int row = 0; row < list_.ListCount(); ++row)
    if (list_.ItemData(row) == hwnd) return row;
  return -1;
}

std::wstring HostWindow::WideText(int row) const {
  // Read wide: the 8-bit form of a list box message is converted through
  // the code page on the way out.
  const HWND list = ::GetDlgItem(frame_.hwnd(), kListId);
  const auto length = ::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied = ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row),
                                     reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
  return text;
}

void HostWindow::Select(int row) {
  ::SendMessageW(::GetDlgItem(frame_.hwnd(), kListId), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

HelperWindow::HelperWindow(HelperAnswer answer, std::wstring_view title) {
  const std::wstring program = ProgramDirectory() + kHelperProgram;
  std::wstring commandLine =
      L"\"" + program + L"\" " + ModeWord(answer) + L" " + std::wstring(title);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_))
    throw std::runtime_error("the helper program could not be started");
  // The window exists, titled, a moment before CreateWindowEx shows it.
  const std::wstring wanted(title);
  WaitUntil(
      [&] {
        hwnd_ = ::FindWindowW(nullptr, wanted.c_str());
        return hwnd_ != nullptr && ::IsWindowVisible(hwnd_);
      },
      kHelperStartDeadline);
  if (hwnd_ && !::IsWindowVisible(hwnd_)) hwnd_ = nullptr;
}

HelperWindow::~HelperWindow() {
  End();
  ::CloseHandle(process_.hThread);
  ::CloseHandle(process_.hProcess);
}

void HelperWindow::End() const {
  // The helper is this test's own: a hung or still-asking one is simply ended.
  if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
    ::TerminateProcess(process_.hProcess, 1);
  ::WaitForSingleObject(process_.hProcess, kHelperEndWaitMs);
}

HWND HelperWindow::Question() const {
  OwnedSearch search{hwnd_, nullptr};
  if (hwnd_) ::EnumWindows(&FindOwnedQuestion, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace hovrel::fixture
