// How see-through a window is, as a row of a list of windows (kWindowRows)
// shows it beside the pin: read from the window's layered attributes as the
// row is drawn, which sends the window no message. The opacity commands step
// from the same reading.
#pragma once

#include <cstdint>
#include <string>

#include "platform/window_system.h"

namespace hovrel {

// The window's opacity in per cent, rounded: 100 unless it is layered with an
// alpha that it or the program set. `exStyle` is its extended style, read
// already for the pin.
int WindowOpacity(WindowSystem& ws, Hwnd window, std::uint32_t exStyle);

// What the row shows beside the pin: "60%" below 100, nothing at 100.
std::string OpacityFigure(int percent);

}  // namespace hovrel
