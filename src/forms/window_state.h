// A form's WindowState values: the window builder reports and sets them,
// frmMain and the notification icon's minimise rule read them.
#pragma once

namespace hovrel {

inline constexpr int kWindowNormal = 0;
inline constexpr int kWindowMinimised = 1;
inline constexpr int kWindowMaximised = 2;

}  // namespace hovrel
