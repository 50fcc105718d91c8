// Drives the real hovrel.exe from outside, as a user or a test tool would:
// starts it (it sits beside the test program), finds its window by caption,
// reads its list with the wide-character messages, selects rows, presses
// buttons, keys and menu items, and ends the process when done.
#pragma once

#include "platform/window_system.h"
#include "ui/command_id.h"

// After our headers: see window_system.h.
#include <windows.h>

#include <chrono>
#include <string>

namespace hovrel::app {

class RunningApp {
 public:
  // Starts hovrel.exe and waits until its window is shown with a list of
  // at least one row. Check started() before using the rest.
  RunningApp();
  // Ends the process if it still runs.
  ~RunningApp();
  RunningApp(const RunningApp&) = delete;
  RunningApp& operator=(const RunningApp&) = delete;

  bool started() const { return window_ != nullptr; }
  // From process creation to the window shown with its list filled.
  std::chrono::milliseconds startTime() const { return startTime_; }
  HWND window() const { return window_; }
  HWND Control(CommandId id) const { return ::GetDlgItem(window_, static_cast<int>(id)); }
  // The control that has the keyboard focus in the program, null if none.
  HWND Focus() const;

  int Rows() const;
  std::wstring Text(int row) const;
  Hwnd ItemData(int row) const;
  // The row that carries this window, -1 if none.
  int RowOf(HWND hwnd) const;
  int Selected() const;
  void Select(int row) const;

  // Posted, not sent: the program's handlers may in turn send messages to
  // this test's windows, which the test then answers while it waits.
  void Click(CommandId button) const;
  void Menu(CommandId item) const;
  void PressKey(HWND target, WPARAM virtualKey) const;
  void DoubleClickList() const;
  void PressCloseBox() const;

  // Waits for the process to end; true with its exit code when it did.
  bool WaitForExit(std::chrono::milliseconds deadline, DWORD& exitCode) const;

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
  std::chrono::milliseconds startTime_{0};
};

// Whether the program's notification icon (number 1 of `owner`) exists: the
// shell takes a change to an icon only while it does. Wine also clears the
// icons of a window that is gone, so after the end this shows only that
// none is left; that the program deletes its icon itself, first, the native
// tests check.
bool IconExists(HWND owner);

}  // namespace hovrel::app
