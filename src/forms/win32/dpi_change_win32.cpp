// A form moved to a monitor of another resolution (the manifest declares the
// program aware of each monitor's): every control laid out again from its
// twips, its font made anew at the new size, rows measured again, and the
// window put where the window system suggests.
#include <utility>

#include "forms/win32/form_window_win32.h"

namespace hovrel {

void FormWindow::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
  dpi_ = {LOWORD(wParam), HIWORD(wParam)};
  // A control draws with the font it was given until it has another, so the
  // old fonts live on until every control has its new one.
  const auto oldFonts = std::exchange(fonts_, {});
  for (const ControlSpec& control : form_.controls) LayOut(control);
  const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
  ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::LayOut(const ControlSpec& control) {
  HWND hwnd = ::GetDlgItem(hwnd_, static_cast<int>(control.name));
  if (hwnd == nullptr) return;
  // An image keeps the icon it was made with, which the form may have handed
  // out (Picture()); the control scales it to its new size.
  const PixelRect rect = ControlRect(form_.controls, control, dpi_);
  ::SetWindowPos(hwnd, nullptr, rect.left, rect.top, rect.width, rect.height, SWP_NOZORDER | SWP_NOACTIVATE);
  ::SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control)), TRUE);
  // An owner-drawn list keeps the row height it measured at its creation,
  // whatever font it is given later.
  if (control.options & kWindowRows)
    ::SendMessageA(hwnd, LB_SETITEMHEIGHT, 0, WindowRowHeight(control));
}

}  // namespace hovrel
