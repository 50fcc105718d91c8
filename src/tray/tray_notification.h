// Decoding the notification icon's callback. The shell reports a mouse action
// on the icon as a WM_MOUSEMOVE to the main window carrying that action's
// message number; frmMain's Form_MouseMove turns it into what to do.
#pragma once

#include <cstdint>

namespace hovrel {

enum class TrayAction { None, Restore, Popup };

// The form's ScaleMode when its coordinates are pixels.
inline constexpr int kScalePixels = 3;

// True when a WM_MOUSEMOVE came from the icon: its wParam is the icon's
// number and its lParam a bare mouse-message number. A real pointer move
// carries the key flags in wParam and the position in lParam, and happened
// where the pointer was (atPointer): a drag with the left button along the
// top row would otherwise pass for the icon's message.
bool IsTrayNotification(std::uintptr_t wParam, std::intptr_t lParam, bool atPointer);

// Turns the mouse-move event's X (in the form's scale unit) back into the
// message number: rounded half to even, 0 when it is no 32-bit number.
std::int32_t DecodeTrayMessage(float x, int scaleMode, float twipsPerPixelX);

// 514 and 515 restore the main window, 517 opens the icon menu.
TrayAction TrayActionFor(std::int32_t message);

}  // namespace hovrel
