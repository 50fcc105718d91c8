// The window list: takes the top-level windows in z-order and fills the main
// window's sorted list with their titles, each row carrying its window handle.
// frmMain calls these for its load, repaint, Refresh and filter toggle, and
// asks whether the list is still current when the user comes back to it.
#pragma once

#include <cstdint>

#include "forms/list_box.h"
#include "platform/window_system.h"

namespace hovrel {

// Visible and framed: what the filter lets through.
inline constexpr std::uint32_t kAppFilterMask = WS_VISIBLE | WS_BORDER;  // 0x10800000

// True when hwCurr passes the filter: with it on, visible, framed and not
// cloaked; with it off every window does. (A rebuild also lists, with the
// filter on, a hung window hidden behind the ghost Windows shows for it.)
bool TaskWindow(WindowSystem& ws, Hwnd hwCurr, bool showOnlyApps, std::uint32_t appFilterMask);

// Empties lstApp and fills it anew, leaving no row selected. The window
// `self` (the main window) is never listed, and neither is an untitled one.
void RebuildWindowList(WindowSystem& ws, ListBox& lstApp, Hwnd self, bool showOnlyApps,
                       std::uint32_t appFilterMask);

// True when lstApp shows exactly the windows, each with its title, that a
// rebuild would list now; the list is only read.
bool WindowListIsCurrent(WindowSystem& ws, const ListBox& lstApp, Hwnd self, bool showOnlyApps,
                         std::uint32_t appFilterMask);

}  // namespace hovrel
