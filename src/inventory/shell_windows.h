// The windows that belong to the shell or to the input methods rather than to
// any task: no command of the program moves them, asks them to close or
// changes how they look. Used by the placement commands and End Task.
#pragma once

#include "platform/window_system.h"

namespace hovrel {

// The desktop window, the shell's desktop, its taskbars, and the layer that
// holds the desktop's icons.
bool IsDesktopOrTaskbar(WindowSystem& ws, Hwnd hwnd);

// The hidden helper windows the input methods keep for each program that
// types ("Default IME", "MSCTFIME UI"); destroyed, typing breaks there.
bool IsInputMethodWindow(WindowSystem& ws, Hwnd hwnd);

}  // namespace hovrel
