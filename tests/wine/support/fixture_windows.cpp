// The windows and programs of fixture_windows.h.
#include "support/fixture_windows.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace hovrel::fixture {

std::wstring UniqueTitle(std::wstring_view words) {
  static int counter = 0;
  return L"Fixture " + std::to_wstring(::GetCurrentProcessId()) + L"." + std::to_wstring(++counter) + L" " +
         std::wstring(words);
}

std::wstring WideTitle(HWND hwnd) {
  std::wstring title(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
  title.resize(static_cast<std::size_t>(::GetWindowTextW(hwnd, title.data(), static_cast<int>(title.size()))));
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

std::vector<std::uint32_t> ScreenPixels(const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height));
  HDC screen = ::GetDC(nullptr), memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  ::SelectObject(memory, previous);
  ::GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return pixels;
}

bool IsAbove(HWND upper, HWND lower) {
  for (HWND next = ::GetWindow(upper, GW_HWNDNEXT); next; next = ::GetWindow(next, GW_HWNDNEXT))
    if (next == lower) return true;
  return false;
}

FixtureWindow::FixtureWindow(std::wstring_view title, Kind kind, CloseAnswer answer) : answer_(answer) {
  static const wchar_t* const className = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &FixtureWindow::Proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"HovrelTestFixture";
    return ::RegisterClassW(&wc) ? wc.lpszClassName : nullptr;
  }();
  static std::atomic<int> cascade{0};
  const int offset = kind == Kind::Aside ? 0 : 40 + 20 * (++cascade % 16);
  const DWORD style = kind == Kind::Minimised ? WS_OVERLAPPEDWINDOW : WS_OVERLAPPEDWINDOW | WS_VISIBLE;
  ::CreateWindowExW(0, className, std::wstring(title).c_str(), style, offset, offset, 320, 160, nullptr, nullptr,
                    ::GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw std::runtime_error("a fixture window could not be created");
  if (kind == Kind::Minimised) ::ShowWindow(hwnd_, SW_SHOWMINNOACTIVE);
}

LRESULT CALLBACK FixtureWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<FixtureWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<FixtureWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && msg == WM_CLOSE) {
    ++self->closeRequests_;
    const CloseAnswer answer = self->answer_;
    if (answer == CloseAnswer::Later) ::SetTimer(hwnd, 1, 200, nullptr);
    if (answer == CloseAnswer::Refuses || answer == CloseAnswer::Later ||
        (answer == CloseAnswer::Asks &&
         ::MessageBoxW(hwnd, L"Save the changes first?", L"Fixture", MB_OKCANCEL | MB_ICONQUESTION) != IDOK))
      return 0;
  }
  if (msg == WM_TIMER) return ::DestroyWindow(hwnd);
  if (self && msg == WM_NCDESTROY) {
    self->hwnd_ = nullptr;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  }
  return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND FixtureWindow::Question() const {
  // A message box is a top-level window of the dialog class, owned by the window.
  for (HWND box = nullptr; hwnd_ && (box = ::FindWindowExW(nullptr, box, L"#32770", nullptr));)
    if (::GetWindow(box, GW_OWNER) == hwnd_) return box;
  return nullptr;
}

BusyWindow::BusyWindow(std::wstring_view title, CloseAnswer answer, DWORD sleeps, Kind kind) {
  thread_ = std::thread([this, answer, sleeps, kind, wanted = std::wstring(title)] {
    FixtureWindow window(wanted, kind, answer);
    threadId_ = ::GetCurrentThreadId();
    window_ = &window;
    ::WaitForSingleObject(stop_, sleeps);
    for (MSG msg; sleeps != INFINITE && ::GetMessageW(&msg, nullptr, 0, 0) > 0;) ::DispatchMessageW(&msg);
  });
  while (window_ == nullptr) std::this_thread::yield();
}

BusyWindow::~BusyWindow() {
  ::SetEvent(stop_);
  ::PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  thread_.join();
  ::CloseHandle(stop_);
}

StandInTaskbar::StandInTaskbar() {
  // Made after the shell's, which Wine makes as its desktop starts, so that it comes first.
  WaitUntil([] { return ::FindWindowW(L"Shell_TrayWnd", nullptr) != nullptr; });
  static const WNDCLASSW wc{0, &Proc, 0, 0, ::GetModuleHandleW(nullptr), nullptr, nullptr, nullptr, nullptr, L"Shell_TrayWnd"};
  static const ATOM atom = ::RegisterClassW(&wc);
  hwnd_ = atom ? ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                   nullptr, ::GetModuleHandleW(nullptr), nullptr)
               : nullptr;
}

std::string StandInTaskbar::Requests(HWND owner) {
  std::string requests;
  for (const Request& request : requests_)
    if (request.owner == owner) requests += "AMD?"[std::min<ULONG_PTR>(request.message, 3)];
  return requests;
}

int StandInTaskbar::IconWidth(HWND owner) {
  const auto last = std::find_if(requests_.rbegin(), requests_.rend(), [&](const Request& r) { return r.owner == owner && r.iconWidth; });
  return last == requests_.rend() ? 0 : last->iconWidth;
}

LRESULT CALLBACK StandInTaskbar::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_COPYDATA) return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  // Wine's shell32 sends the icon's bitmap after the record: its width is
  // the 32-bit number at byte 944.
  constexpr DWORD kIconWidthOffset = 944;
  const auto& data = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  int width = 0;
  if (data.cbData > kIconWidthOffset + sizeof width)
    std::memcpy(&width, static_cast<const char*>(data.lpData) + kIconWidthOffset, sizeof width);
  requests_.push_back({reinterpret_cast<HWND>(wParam), data.dwData, width});
  return TRUE;
}

}  // namespace hovrel::fixture
