// Decoding the notification icon's callback; see tray_notification.h.
#include "tray/tray_notification.h"

#include <cmath>
#include <limits>

#include "platform/shell.h"
#include "tray/tray_icon_data.h"

namespace hovrel {

bool IsTrayNotification(std::uintptr_t wParam, std::intptr_t lParam, bool atPointer) {
  return !atPointer && wParam == kTrayIconId && lParam >= static_cast<std::intptr_t>(WM_MOUSEMOVE) &&
         lParam <= static_cast<std::intptr_t>(WM_MOUSEHWHEEL);
}

std::int32_t DecodeTrayMessage(float x, int scaleMode, float twipsPerPixelX) {
  double value = x;
  if (scaleMode != kScalePixels) {
    if (twipsPerPixelX == 0) return 0;
    value = x / twipsPerPixelX;
  }
  // nearbyint rounds in the default mode: to nearest, a half to even.
  const double rounded = std::nearbyint(value);
  constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
  if (!(rounded >= kLowest && rounded <= kHighest)) return 0;
  return static_cast<std::int32_t>(rounded);
}

TrayAction TrayActionFor(std::int32_t message) {
  switch (message) {
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
      return TrayAction::Restore;
    case WM_RBUTTONUP:
      return TrayAction::Popup;
    default:
      return TrayAction::None;
  }
}

}  // namespace hovrel
