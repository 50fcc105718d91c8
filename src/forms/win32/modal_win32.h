// Modality: while a form is shown modal, the program's other windows take
// no input. Used by the form window; only for forms/win32/ files, after
// <windows.h>.
#pragma once

#include <vector>

namespace hovrel {

// Keeps the program's other top-level windows disabled while it lives, as
// a modal window does with its owner, and enables them again when it goes.
class DisabledWindows {
 public:
  explicit DisabledWindows(HWND modal) : modal_(modal) {
    ::EnumThreadWindows(::GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(this));
    for (HWND hwnd : windows_) ::EnableWindow(hwnd, FALSE);
  }
  ~DisabledWindows() {
    for (HWND hwnd : windows_)
      if (::IsWindow(hwnd)) ::EnableWindow(hwnd, TRUE);
  }
  DisabledWindows(const DisabledWindows&) = delete;
  DisabledWindows& operator=(const DisabledWindows&) = delete;

 private:
  static BOOL CALLBACK Collect(HWND hwnd, LPARAM lParam) {
    auto* self = reinterpret_cast<DisabledWindows*>(lParam);
    if (hwnd != self->modal_ && ::IsWindowEnabled(hwnd)) self->windows_.push_back(hwnd);
    return TRUE;
  }

  HWND modal_;
  std::vector<HWND> windows_;
};

}  // namespace hovrel
