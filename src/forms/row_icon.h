// Which icon a row of a list of windows (kWindowRows) shows for its window:
// asked of the window as the row is drawn, so the rules here keep a slow or
// hung window from holding up the list. Used by the list's drawing.
#pragma once

#include <cstdint>

#include "platform/window_system.h"

namespace hovrel {

// How long a window may take to hand over its icon while its row is drawn.
inline constexpr unsigned kIconAnswerMs = 100;

// The window's icon for a cell `size` pixels square, else its class's; 0 if
// neither. Above 16 pixels the big icons are asked first, so that the row
// scales one down rather than a small one up. A hung window is not waited
// for at all and a slow one only once: after a request that found no answer
// in time, the window is asked nothing more. The icon belongs to the window
// or its class.
std::uint32_t RowIcon(WindowSystem& ws, Hwnd window, int size);

}  // namespace hovrel
