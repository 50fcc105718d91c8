// The note over another window: placed at the top middle of that window
// inside its monitor's work area, drawn in the system's tooltip colours with
// its message font, hidden (or faded) by a timer of its own.
// First: it brings <windows.h> after the program's own names.
#include "forms/win32/form_window_win32.h"

#include <shellscalingapi.h>

#include <algorithm>

#include "forms/win32/note_win32.h"
#include "platform/system_function_win32.h"

namespace hovrel {
namespace {

constexpr wchar_t kNoteClass[] = L"QuarrowHovrelNote";
// Layered and transparent together let every click through to what lies
// below; no-activate keeps the focus where the user has it.
constexpr DWORD kNoteExStyle = WS_EX_NOACTIVATE | WS_EX_TRANSPARENT | WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;

// Pixels at 96 dpi.
constexpr int kMargin = 12;  // below the top edge of the window it lies over
constexpr int kPaddingX = 12;
constexpr int kPaddingY = 6;

constexpr UINT_PTR kHideTimer = 1;
constexpr UINT_PTR kFadeTimer = 2;
constexpr UINT kShownMs = 1500;
constexpr UINT kFadeStepMs = 25;
constexpr int kFadeAlphaStep = 255 / (200 / kFadeStepMs);  // out in about 200 ms

int Scaled(int pixels, int dpi) { return ::MulDiv(pixels, dpi, 96); }

// A rectangle of `size` centred on `target`'s top edge, `margin` below it,
// moved inside `work` (and shrunk to it if larger).
RECT NoteRect(const RECT& target, SIZE size, int margin, const RECT& work) {
  const LONG width = std::min(size.cx, work.right - work.left);
  const LONG height = std::min(size.cy, work.bottom - work.top);
  const LONG left = std::clamp((target.left + target.right - width) / 2, work.left, work.right - width);
  const LONG top = std::clamp(target.top + margin, work.top, work.bottom - height);
  return {left, top, left + width, top + height};
}

// The monitor's own resolution, in which this program (aware of each
// monitor's) draws there. Not GetDpiForWindow of the window below: for a
// program unaware of resolutions that answers 96 on any monitor.
int MonitorDpi(HMONITOR monitor) {
  static const auto getDpiForMonitor =
      SystemFunction<decltype(&::GetDpiForMonitor)>(L"shcore.dll", "GetDpiForMonitor");
  UINT x = 0, y = 0;
  if (getDpiForMonitor != nullptr && SUCCEEDED(getDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &x, &y)) && y > 0)
    return static_cast<int>(y);
  return SystemDpi().y;
}

bool ClientAreaAnimates() {
  BOOL animates = FALSE;
  return ::SystemParametersInfoW(SPI_GETCLIENTAREAANIMATION, 0, &animates, 0) && animates;
}

}  // namespace

Note::Note() {
  static const ATOM noteClass = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kNoteClass;
    return ::RegisterClassExW(&windowClass);
  }();
  (void)noteClass;
  // Owned by no window: it lies over other programs' windows, and an owned
  // window would be hidden with its owner.
  window_ = OwnedWindow(::CreateWindowExW(kNoteExStyle, kNoteClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                          ::GetModuleHandleW(nullptr), this));
}

LRESULT CALLBACK Note::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE)
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  auto* note = reinterpret_cast<Note*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (note == nullptr) return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  return note->Dispatch(hwnd, msg, wParam, lParam);
}

LRESULT Note::Dispatch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_CLOSE:
      // Its title is the note's text, which End Task may match: the note
      // goes by itself, and is kept for the next.
      return 0;
    default:
      return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

void Note::Show(HWND over, const std::wstring& text) {
  // For a minimised window, the monitor it would be restored on.
  const HMONITOR monitor = ::MonitorFromWindow(over, MONITOR_DEFAULTTONEAREST);
  MONITORINFO screen{};
  screen.cbSize = sizeof screen;
  ::GetMonitorInfoW(monitor, &screen);
  // A minimised window lies far off every screen: the note takes the top
  // of the work area instead.
  RECT target{};
  if (::IsIconic(over) || !::GetWindowRect(over, &target)) target = screen.rcWork;
  const int dpi = MonitorDpi(monitor);
  text_ = text;
  TakeFont(dpi);
  const RECT place = NoteRect(target, Measure(dpi), Scaled(kMargin, dpi), screen.rcWork);
  ::KillTimer(window_.get(), kFadeTimer);
  SetAlpha(255);
  // Screen readers read the alert's window by its name.
  ::SetWindowTextW(window_.get(), text_.c_str());
  ::SetWindowPos(window_.get(), HWND_TOPMOST, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  // A note of the same size in the same place would not be drawn anew.
  ::InvalidateRect(window_.get(), nullptr, FALSE);
  ::NotifyWinEvent(EVENT_SYSTEM_ALERT, window_.get(), OBJID_CLIENT, CHILDID_SELF);
  ::SetTimer(window_.get(), kHideTimer, kShownMs, nullptr);
}

void Note::TakeFont(int dpi) {
  if (font_ && dpi == fontDpi_) return;
  static const auto forDpi =
      SystemFunction<decltype(&::SystemParametersInfoForDpi)>(L"user32.dll", "SystemParametersInfoForDpi");
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (forDpi == nullptr || !forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi))) {
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    // Given at the resolution the user signed in with.
    metrics.lfMessageFont.lfHeight = ::MulDiv(metrics.lfMessageFont.lfHeight, dpi, SystemDpi().y);
  }
  font_ = OwnedFont(::CreateFontIndirectW(&metrics.lfMessageFont));
  fontDpi_ = dpi;
}

SIZE Note::Measure(int dpi) const {
  const ScreenDc screen;
  const SavedDc saved(screen.get());
  ::SelectObject(screen.get(), font_.get());
  RECT text{};
  ::DrawTextW(screen.get(), text_.c_str(), static_cast<int>(text_.size()), &text,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  return {text.right + 2 * Scaled(kPaddingX, dpi), text.bottom + 2 * Scaled(kPaddingY, dpi)};
}

void Note::OnPaint() {
  const PaintScope paint(window_.get());
  const SavedDc saved(paint.dc());
  RECT client{};
  ::GetClientRect(window_.get(), &client);
  // The tooltip colours, which high-contrast themes set readable; system
  // colour brushes are never deleted.
  ::FillRect(paint.dc(), &client, ::GetSysColorBrush(COLOR_INFOBK));
  ::FrameRect(paint.dc(), &client, ::GetSysColorBrush(COLOR_WINDOWFRAME));
  ::SelectObject(paint.dc(), font_.get());
  ::SetTextColor(paint.dc(), ::GetSysColor(COLOR_INFOTEXT));
  ::SetBkMode(paint.dc(), TRANSPARENT);
  ::DrawTextW(paint.dc(), text_.c_str(), static_cast<int>(text_.size()), &client,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void Note::OnTimer(WPARAM id) {
  if (id == kHideTimer) StartHiding();
  if (id == kFadeTimer) FadeStep();
}

void Note::StartHiding() {
  ::KillTimer(window_.get(), kHideTimer);
  if (ClientAreaAnimates())
    ::SetTimer(window_.get(), kFadeTimer, kFadeStepMs, nullptr);
  else
    ::ShowWindow(window_.get(), SW_HIDE);
}

void Note::FadeStep() {
  SetAlpha(alpha_ - kFadeAlphaStep);
  if (alpha_ > 0) return;
  ::KillTimer(window_.get(), kFadeTimer);
  ::ShowWindow(window_.get(), SW_HIDE);
}

void Note::SetAlpha(int alpha) {
  alpha_ = std::max(alpha, 0);
  ::SetLayeredWindowAttributes(window_.get(), 0, static_cast<BYTE>(alpha_), LWA_ALPHA);
}

}  // namespace hovrel
