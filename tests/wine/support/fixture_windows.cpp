// The test-owned windows and helper processes of fixture_windows.h.
#include "support/fixture_windows.h"

#include <stdexcept>

namespace hovrel::fixture {
namespace {

constexpr wchar_t kFixtureClass[] = L"HovrelTestFixture";
// Indexed by HelperAnswer: the mode word fixture_window.exe reads.
constexpr const wchar_t* kModeWords[] = {L"hang", L"ask", L"refuse"};

}  // namespace

std::wstring UniqueTitle(std::wstring_view words) {
  static int counter = 0;
  return L"Fixture " + std::to_wstring(::GetCurrentProcessId()) + L"." +
         std::to_wstring(++counter) + L" " + std::wstring(words);
}

std::string ToUtf8(std::wstring_view text) {
  const int wide = static_cast<int>(text.size());
  std::string out(static_cast<std::size_t>(::WideCharToMultiByte(
                      CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr)), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, out.data(), static_cast<int>(out.size()),
                        nullptr, nullptr);
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
    for (MSG msg; ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
  return true;
}

bool IsTopmost(HWND hwnd) { return (::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

FixtureWindow::FixtureWindow(std::wstring_view title, Kind kind, CloseAnswer answer)
    : answer_(answer) {
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &FixtureWindow::Proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kFixtureClass;
    return ::RegisterClassW(&wc) != 0;
  }();
  if (!registered) throw std::runtime_error("the fixture window class could not be registered");
  static int cascade = 0;
  const int offset = 40 + 20 * (++cascade % 16);
  const DWORD style = kind == Kind::Popup ? WS_POPUP | WS_VISIBLE
                      : kind == Kind::Framed ? WS_OVERLAPPEDWINDOW | WS_VISIBLE
                                             : WS_OVERLAPPEDWINDOW;
  ::CreateWindowExW(0, kFixtureClass, std::wstring(title).c_str(), style, offset, offset, 320, 160,
                    nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw std::runtime_error("a fixture window could not be created");
  if (kind == Kind::Minimised) ::ShowWindow(hwnd_, SW_SHOWMINNOACTIVE);
}

LRESULT CALLBACK FixtureWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* self =
        static_cast<FixtureWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<FixtureWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && msg == WM_CLOSE && ++self->closeRequests_ && self->answer_ == CloseAnswer::Refuses)
    return 0;
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
          300, 120, frame_.hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr))) {
  if (list_.Handle() == 0) throw std::runtime_error("the host's list box could not be created");
}

int HostWindow::RowOf(Hwnd hwnd) const {
  for (int row = 0; row < list_.ListCount(); ++row)
    if (list_.ItemData(row) == hwnd) return row;
  return -1;
}

std::wstring HostWindow::WideText(int row) const {
  const HWND list = ToHwnd(list_.Handle());
  const auto length = ::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row),
                                                      reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

void HostWindow::Select(int row) {
  ::SendMessageW(ToHwnd(list_.Handle()), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

HelperWindow::HelperWindow(HelperAnswer answer, std::wstring_view title) {
  std::wstring program(MAX_PATH, L'\0');
  program.resize(::GetModuleFileNameW(nullptr, program.data(), MAX_PATH));
  program = program.substr(0, program.find_last_of(L"\\/") + 1) + L"fixture_window.exe";
  std::wstring commandLine = L"\"" + program + L"\" " +
                             kModeWords[static_cast<int>(answer)] + L" " + std::wstring(title);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_))
    throw std::runtime_error("the helper program could not be started");
  // The window exists, titled, a moment before CreateWindowEx shows it; a new
  // Wine process needs a second or two to get there on a loaded machine.
  const std::wstring wanted(title);
  WaitUntil([&] {
    hwnd_ = ::FindWindowW(nullptr, wanted.c_str());
    return hwnd_ != nullptr && ::IsWindowVisible(hwnd_);
  }, 30s);
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
  ::WaitForSingleObject(process_.hProcess, 10'000);
}

HWND HelperWindow::Question() const {
  // A message box is a top-level window of the dialog class, owned by the window.
  for (HWND box = nullptr; hwnd_ && (box = ::FindWindowExW(nullptr, box, L"#32770", nullptr));)
    if (::GetWindow(box, GW_OWNER) == hwnd_) return box;
  return nullptr;
}

}  // namespace hovrel::fixture
