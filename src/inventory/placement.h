// Top, Reset and Switch: move the window behind the selected row between the
// topmost and the ordinary band, or to the front of its band. The list is
// left as it is.
#pragma once

#include "forms/list_box.h"
#include "platform/window_system.h"

namespace hovrel {

enum class Placement { Top, Reset, Switch };

// With no row selected this only beeps.
void PlaceSelectedWindow(WindowSystem& ws, const ListBox& lstApp, Placement placement);

}  // namespace hovrel
