// The look of a window's row; see window_look.h.
#include "inventory/window_look.h"

#include <span>

#include "inventory/opacity.h"

namespace hovrel {
namespace {

// The window system's names, kept here: a header declaring them would
// clash with <windows.h> in the Win32 files that include it.
constexpr unsigned WM_GETICON = 0x7F;
constexpr int ICON_SMALL = 0;
constexpr int ICON_BIG = 1;
constexpr int ICON_SMALL2 = 2;
constexpr int GCLP_HICON = -14;
constexpr int GCLP_HICONSM = -34;
constexpr int kSmallIconPixels = 16;

// Where an icon may come from: asked of the window (WM_GETICON of a kind),
// or read from its class (a GCLP_ index).
struct IconSource {
  bool asked;
  int which;
};

constexpr IconSource kSmallFirst[] = {
    {true, ICON_SMALL2}, {true, ICON_SMALL}, {false, GCLP_HICONSM}, {false, GCLP_HICON}};
constexpr IconSource kBigFirst[] = {
    {true, ICON_BIG}, {false, GCLP_HICON}, {true, ICON_SMALL2}, {true, ICON_SMALL}, {false, GCLP_HICONSM}};

}  // namespace

std::uint32_t RowIcon(WindowSystem& ws, Hwnd window, int size) {
  bool answers = true;
  const std::span<const IconSource> sources = size > kSmallIconPixels ? std::span<const IconSource>(kBigFirst) : kSmallFirst;
  for (const IconSource& source : sources) {
    std::uintptr_t icon = 0;
    if (!source.asked)
      icon = ws.ClassLongPtr(window, source.which);
    else if (answers)
      answers = ws.SendMessageTimeoutW(window, WM_GETICON, static_cast<std::uintptr_t>(source.which), 0,
                                       SMTO_ABORTIFHUNG, kIconAnswerMs, &icon);
    if (icon != 0) return static_cast<std::uint32_t>(icon);
  }
  return 0;
}

std::string OpacityFigure(int percent) { return percent < 100 ? std::to_string(percent) + "%" : std::string(); }

RowLook LookOfWindow(WindowSystem& ws, Hwnd window, int iconPixels) {
  const auto exStyle = static_cast<std::uint32_t>(ws.GetWindowLongW(window, GWL_EXSTYLE));
  return {RowIcon(ws, window, iconPixels), (exStyle & WS_EX_TOPMOST) != 0,
          OpacityFigure(WindowOpacity(ws, window, exStyle))};
}

}  // namespace hovrel
