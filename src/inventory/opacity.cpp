// The opacity commands and their restore; see opacity.h.
#include "inventory/opacity.h"

#include <algorithm>

#include "forms/row_opacity.h"
#include "inventory/shell_windows.h"

namespace hovrel {
namespace {

std::uint32_t ExStyle(WindowSystem& ws, Hwnd hwnd) {
  return static_cast<std::uint32_t>(ws.GetWindowLongW(hwnd, GWL_EXSTYLE));
}

}  // namespace

bool SeeThrough::Accepts(Hwnd hwnd) {
  if (hwnd == 0 || IsDesktopOrTaskbar(ws_, hwnd)) return false;
  // The window system lets no window with a device context of its own or
  // of its class be layered.
  if ((ws_.ClassLongPtr(hwnd, GCL_STYLE) & (CS_OWNDC | CS_CLASSDC)) != 0) return false;
  // Layered without attributes, it draws itself with UpdateLayeredWindow,
  // which attributes set from outside would break.
  std::uint32_t colorKey = 0, flags = 0;
  std::uint8_t alpha = 0;
  if ((ExStyle(ws_, hwnd) & WS_EX_LAYERED) != 0 && !ws_.GetLayeredWindowAttributes(hwnd, &colorKey, &alpha, &flags))
    return false;
  // Its style is changed by messages it must answer: a hung window would
  // hang the program with it.
  return !ws_.IsHungAppWindow(hwnd);
}

SeeThrough::Before SeeThrough::Read(Hwnd hwnd) {
  Before before{ExStyle(ws_, hwnd)};
  if ((before.exStyle & WS_EX_LAYERED) != 0)
    ws_.GetLayeredWindowAttributes(hwnd, &before.colorKey, &before.alpha, &before.flags);
  return before;
}

bool SeeThrough::Step(Hwnd hwnd, int steps) {
  if (!Accepts(hwnd)) {
    ws_.MessageBeep(MB_OK);
    return false;
  }
  const int now = WindowOpacity(ws_, hwnd, ExStyle(ws_, hwnd));
  const int wanted = std::clamp(now + steps * kOpacityStep, kLeastOpacity, 100);
  if (wanted == now) return false;
  const auto [entry, first] = changed_.try_emplace(hwnd, Read(hwnd));
  if (wanted < 100 && Apply(hwnd, entry->second, wanted)) return true;
  // Back at 100%, or refused at the first change: the window as it was.
  if (wanted == 100 || first) {
    Restore(hwnd, entry->second);
    changed_.erase(entry);
  }
  if (wanted == 100) return true;
  ws_.MessageBeep(MB_OK);
  return false;
}

bool SeeThrough::Apply(Hwnd hwnd, const Before& before, int percent) {
  // A program with more rights refuses the style; the attributes are then
  // refused too, as they are on any window that is not layered.
  const std::uint32_t exStyle = ExStyle(ws_, hwnd);
  if ((exStyle & WS_EX_LAYERED) == 0)
    ws_.SetWindowLongW(hwnd, GWL_EXSTYLE, static_cast<std::int32_t>(exStyle | WS_EX_LAYERED));
  // A colour key of its own stays.
  return ws_.SetLayeredWindowAttributes(hwnd, before.colorKey, AlphaOfPercent(percent),
                                        (before.flags & LWA_COLORKEY) | LWA_ALPHA);
}

void SeeThrough::Restore(Hwnd hwnd, const Before& before) {
  if (!ws_.IsWindow(hwnd)) return;
  if ((before.exStyle & WS_EX_LAYERED) != 0) {
    ws_.SetLayeredWindowAttributes(hwnd, before.colorKey, before.alpha, before.flags);
  } else if (ws_.IsHungAppWindow(hwnd)) {
    // Hung since: made opaque without waiting for it, though still layered.
    ws_.SetLayeredWindowAttributes(hwnd, 0, 255, LWA_ALPHA);
  } else {
    // Only the layered bit goes back: the window may have changed others since.
    ws_.SetWindowLongW(hwnd, GWL_EXSTYLE, static_cast<std::int32_t>(ExStyle(ws_, hwnd) & ~WS_EX_LAYERED));
  }
}

void SeeThrough::RestoreAll() {
  for (const auto& [hwnd, before] : changed_) Restore(hwnd, before);
  changed_.clear();
}

}  // namespace hovrel
