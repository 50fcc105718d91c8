// A form at its monitor's resolution (the manifest declares the program aware
// of each monitor's): its frame, fonts and icons sized for it, and all of it
// made anew when the window moves to a monitor of another resolution. The
// functions that take a resolution are user32's only from Windows 10 1607
// on; found at run time, they fall back to the system's resolution.
#include <utility>

#include "forms/win32/form_window_win32.h"
#include "platform/system_function_win32.h"

namespace hovrel {
namespace {

// The resolution of the monitor the window is on, which with per-monitor
// awareness may differ from the system's.
Dpi WindowDpi(HWND hwnd) {
  static const auto getDpiForWindow = SystemFunction<UINT(WINAPI*)(HWND)>(L"user32.dll", "GetDpiForWindow");
  const int dpi = getDpiForWindow != nullptr ? static_cast<int>(getDpiForWindow(hwnd)) : 0;
  return dpi > 0 ? Dpi{dpi, dpi} : SystemDpi();
}

// GetSystemMetrics answers for the resolution the user signed in with.
int MetricForDpi(int index, int dpi) {
  static const auto getSystemMetricsForDpi =
      SystemFunction<int(WINAPI*)(int, UINT)>(L"user32.dll", "GetSystemMetricsForDpi");
  return getSystemMetricsForDpi != nullptr ? getSystemMetricsForDpi(index, static_cast<UINT>(dpi))
                                           : ::GetSystemMetrics(index);
}

}  // namespace

Dpi SystemDpi() {
  // Per-monitor awareness is declared in the manifest, so this is the
  // screen's real resolution, not a virtualised 96.
  HDC screen = ::GetDC(nullptr);
  const Dpi dpi{::GetDeviceCaps(screen, LOGPIXELSX), ::GetDeviceCaps(screen, LOGPIXELSY)};
  ::ReleaseDC(nullptr, screen);
  return dpi;
}

OwnedIcon LoadIconResource(int resource, int width, int height) {
  if (resource == 0) return {};
  // The image of that size from the icon, not another one stretched. A
  // missing resource gives no icon; the window then shows the default.
  return OwnedIcon(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource),
                                                   IMAGE_ICON, width, height, LR_DEFAULTCOLOR)));
}

void FormWindow::SizeForMonitor() {
  dpi_ = WindowDpi(hwnd_);
  const PixelSize frame = FrameSize(dpi_);
  ::SetWindowPos(hwnd_, nullptr, (::GetSystemMetrics(SM_CXSCREEN) - frame.width) / 2,
                 (::GetSystemMetrics(SM_CYSCREEN) - frame.height) / 2, frame.width, frame.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  FitClientArea();
  LoadIcons();
}

PixelSize FormWindow::FrameSize(Dpi dpi) const {
  const PixelSize client = ClientSize(form_, dpi);
  RECT frame{0, 0, client.width, client.height};
  static const auto adjustWindowRectExForDpi =
      SystemFunction<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>(L"user32.dll", "AdjustWindowRectExForDpi");
  const BOOL menuBar = ::GetMenu(hwnd_) != nullptr;
  if (adjustWindowRectExForDpi == nullptr ||
      !adjustWindowRectExForDpi(&frame, style_, menuBar, exStyle_, static_cast<UINT>(dpi.x)))
    ::AdjustWindowRectEx(&frame, style_, menuBar, exStyle_);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void FormWindow::FitClientArea() {
  // The frame was reckoned for the resolution; a system that draws it
  // otherwise (Wine draws every frame at the system's) leaves the client
  // area off by the difference, which is given back here.
  if (::IsIconic(hwnd_)) return;
  RECT client{}, window{};
  ::GetClientRect(hwnd_, &client);
  ::GetWindowRect(hwnd_, &window);
  const PixelSize wanted = ClientSize(form_, dpi_);
  if (client.right == wanted.width && client.bottom == wanted.height) return;
  ::SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left + wanted.width - client.right,
                 window.bottom - window.top + wanted.height - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::LoadIcons() {
  OwnedIcon big = LoadIconResource(form_.icon, MetricForDpi(SM_CXICON, dpi_.x), MetricForDpi(SM_CYICON, dpi_.y));
  OwnedIcon small =
      LoadIconResource(form_.icon, MetricForDpi(SM_CXSMICON, dpi_.x), MetricForDpi(SM_CYSMICON, dpi_.y));
  if (big) ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
  if (small) ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
  // The window shows an icon until it has another: the old ones go only now.
  bigIcon_ = std::move(big);
  smallIcon_ = std::move(small);
}

LRESULT FormWindow::OnGetDpiScaledSize(WPARAM wParam, LPARAM lParam) const {
  // Asked before a move to a monitor of another resolution. Unanswered, the
  // window system scales the whole window, frame and all, and the client
  // area misses the table's size by a few pixels.
  const int dpi = static_cast<int>(wParam);
  const PixelSize frame = FrameSize({dpi, dpi});
  *reinterpret_cast<SIZE*>(lParam) = {frame.width, frame.height};
  return TRUE;
}

void FormWindow::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
  dpi_ = {LOWORD(wParam), HIWORD(wParam)};
  // A control draws with the font and the icon it was given until it has
  // others, and the shell shows the icon it was handed: the old ones live on
  // until every control and the form's handlers have the new ones.
  const auto oldFonts = std::exchange(fonts_, {});
  const auto oldPictures = std::exchange(pictures_, {});
  for (const ControlSpec& control : form_.controls) LayOut(control);
  LoadIcons();
  const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
  ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  FitClientArea();
  if (events_ != nullptr) events_->Form_DpiChanged();
}

void FormWindow::LayOut(const ControlSpec& control) {
  HWND hwnd = ::GetDlgItem(hwnd_, static_cast<int>(control.name));
  if (hwnd == nullptr) return;
  const PixelRect rect = ControlRect(form_.controls, control, dpi_);
  ::SetWindowPos(hwnd, nullptr, rect.left, rect.top, rect.width, rect.height, SWP_NOZORDER | SWP_NOACTIVATE);
  ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control)), TRUE);
  // An owner-drawn list keeps the row height it measured at its creation,
  // whatever font it is given later.
  if (control.options & kWindowRows)
    ::SendMessageW(hwnd, LB_SETITEMHEIGHT, 0, WindowRowHeight(control));
  if (control.kind == ControlKind::Image) SetPicture(control, hwnd, rect);
}

void FormWindow::SetPicture(const ControlSpec& control, HWND image, const PixelRect& rect) {
  OwnedIcon picture = LoadIconResource(control.picture, rect.width, rect.height);
  if (!picture) return;
  ::SendMessageW(image, STM_SETICON, reinterpret_cast<WPARAM>(picture.get()), 0);
  pictures_[control.name] = std::move(picture);
}

}  // namespace hovrel
