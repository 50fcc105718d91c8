// Top, Reset and Switch: move the window behind the selected row between the
// topmost and the ordinary band, or to the front of its band. The list is
// left as it is. And the shortcut that moves any window between the bands.
#pragma once

#include "forms/list_box.h"
#include "platform/window_system.h"

namespace hovrel {

enum class Placement { Top, Reset, Switch };

// With no row selected this only beeps. Never waits for the window's thread.
void PlaceSelectedWindow(WindowSystem& ws, const ListBox& lstApp, Placement placement);

// The window of hwnd's program that takes the user's keys when it is
// switched to: the dialog it waits on, the main window its hidden root
// window owns, or hwnd itself.
Hwnd UsableWindow(WindowSystem& ws, Hwnd hwnd);

// The window is in the topmost band.
bool IsTopmost(WindowSystem& ws, Hwnd hwnd);

// Moves the window into the topmost band, or out of it, without activating
// it or waiting for its thread.
void PlaceInBand(WindowSystem& ws, Hwnd hwnd, bool topmost);

}  // namespace hovrel
