// What a row of the window list shows of its window beside the title: its
// icon, a pin while it is in the topmost band, its opacity while it is seen
// through. Read as the row is drawn, so the rules here keep a slow or hung
// window from holding up the list. Used by frmMain, which the list asks.
#pragma once

#include <cstdint>
#include <string>

#include "forms/row_look.h"
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

// What the opacity beside the pin reads: "60%" below 100, nothing at 100.
std::string OpacityFigure(int percent);

// The row's look: its icon at `iconPixels`, its band, and its opacity read
// from its layered attributes, which sends the window no message.
RowLook LookOfWindow(WindowSystem& ws, Hwnd window, int iconPixels);

}  // namespace hovrel
