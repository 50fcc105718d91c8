// End Task: asks every top-level window whose title contains a text to close.
// The routine works from the text alone, not from a window handle, so two
// windows with one title both go. Used by frmMain's "End Task", which runs it
// on a thread of its own: each window may take a minute to answer.
#pragma once

#include <cstdint>
#include <string>

#include "platform/window_system.h"

namespace hovrel {

namespace modEndApps {

// Titles are compared by at most their first kTitleBufferSize - 1 UTF-16
// units, and so is the text looked for.
inline constexpr int kTitleBufferSize = 256;

// The text the enumeration looks for; set by each EndAppsByTitle. One run at
// a time: the caller starts no other until the last has returned.
extern std::string TargetTitle;

// Asks each top-level window of any program whose title holds `text`
// (case counts) to close, and waits for each answer before the next window,
// except that a window which is not responding is skipped, and so are the
// shell's and the input methods' own windows and those out of reach. Each window's process may take
// the foreground first, to put its question (to save, say) in front. The
// windows of the process `ownProcess` (the program's own) are asked last:
// asked first, the program would end before the others were asked.
void EndAppsByTitle(WindowSystem& ws, const std::string& text, std::uint32_t ownProcess = 0);

// EnumWindows callback; lParam carries the run's state. Always goes on.
int EnumCloseProc(Hwnd hwnd, std::intptr_t lParam);

}  // namespace modEndApps

}  // namespace hovrel
