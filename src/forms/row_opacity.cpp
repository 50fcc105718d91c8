// The opacity a row of windows shows; see row_opacity.h.
#include "forms/row_opacity.h"

namespace hovrel {

int WindowOpacity(WindowSystem& ws, Hwnd window, std::uint32_t exStyle) {
  std::uint32_t colorKey = 0, flags = 0;
  std::uint8_t alpha = 255;
  // A layered window that draws itself with UpdateLayeredWindow has no
  // attributes to read, and is shown as it draws itself.
  if ((exStyle & WS_EX_LAYERED) == 0 || !ws.GetLayeredWindowAttributes(window, &colorKey, &alpha, &flags) ||
      (flags & LWA_ALPHA) == 0)
    return 100;
  return (alpha * 100 + 127) / 255;
}

std::string OpacityFigure(int percent) { return percent < 100 ? std::to_string(percent) + "%" : std::string(); }

}  // namespace hovrel
