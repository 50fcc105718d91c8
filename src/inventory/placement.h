// Top, Reset and Switch: move the window behind the selected row between the
// topmost and the ordinary band, or to the front of its band. The list is
// left as it is. And the shortcut that moves any window between the bands.
#pragma once

#include "forms/list_box.h"
#include "platform/window_system.h"

namespace hovrel {

enum class Placement { Top, Reset, Switch };

// With no row selected this only beeps.
void PlaceSelectedWindow(WindowSystem& ws, const ListBox& lstApp, Placement placement);

// Moves the window into the topmost band, or out of it if it is there
// already, without activating it. No window, the desktop and the taskbar are
// left alone; true when the window was moved.
bool ToggleTopmost(WindowSystem& ws, Hwnd hwnd);

}  // namespace hovrel
