// Windows the program may not change: User Interface Privilege Isolation lets
// no program move, restyle or ask to close the windows of a process at a
// higher integrity level than its own (one run as administrator, say), and
// the calls then fail as if they had worked. Used by the commands, End Task,
// the opacity lane and the rows' shield.
#pragma once

#include "platform/window_system.h"

namespace hovrel {

// The level of a process is above the program's own: its windows are out of
// reach. A level that cannot be read (0) is not.
bool AboveOwnLevel(WindowSystem& ws, std::uint32_t level);

// The window's process runs above the program's level; read now.
bool OutOfReach(WindowSystem& ws, Hwnd hwnd);

}  // namespace hovrel
