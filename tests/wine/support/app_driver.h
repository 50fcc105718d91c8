// Drives the real hovrel.exe from outside, as a user would: starts it, finds
// its window, reads its list with the wide-character messages, selects rows,
// presses buttons, keys and menu items, and ends the process when done.
#pragma once

#include "support/fixture_windows.h"
#include "ui/command_id.h"

#include <chrono>
#include <functional>
#include <string>

namespace hovrel::app {

// The file `name` beside the tests, where hovrel.exe lies.
std::wstring Beside(const std::wstring& name);

// hovrel.exe copied beside itself once, its manifest without the request for
// UTF-8 as the 8-bit code page: the program as the Windows that ignore that
// request run it (before Windows 10 1903), with a legacy code page.
const wchar_t* WithoutUtf8CodePage();

class RunningApp {
 public:
  // Starts the program (by default hovrel.exe beside the tests) as a user
  // does, or as a shortcut with the show command `show` does; started() once
  // its window, shown or hidden, has at least one row.
  explicit RunningApp(const wchar_t* program = L"hovrel.exe", WORD show = SW_SHOWNORMAL);
  // Ends the program, and whatever it started.
  ~RunningApp();
  RunningApp(const RunningApp&) = delete;
  RunningApp& operator=(const RunningApp&) = delete;

  bool started() const { return window_ != nullptr; }
  HWND window() const { return window_; }
  DWORD processId() const { return process_.dwProcessId; }
  HWND Control(CommandId id) const { return ::GetDlgItem(window_, static_cast<int>(id)); }
  HWND Focus() const;  // null if none

  int Rows() const { return static_cast<int>(ListMessage(LB_GETCOUNT)); }
  std::wstring Text(int row) const;
  int RowOf(HWND hwnd) const;  // -1 if none
  HWND WindowOf(int row) const { return ToHwnd(static_cast<Hwnd>(ListMessage(LB_GETITEMDATA, static_cast<WPARAM>(row)))); }
  int Selected() const { return static_cast<int>(ListMessage(LB_GETCURSEL)); }
  void Select(int row) const { ListMessage(LB_SETCURSEL, static_cast<WPARAM>(row)); }
  int TopRow() const { return static_cast<int>(ListMessage(LB_GETTOPINDEX)); }
  void ScrollTo(int row) const { ListMessage(LB_SETTOPINDEX, static_cast<WPARAM>(row)); }
  // Renames `window`, then runs `refresh` (by default the Refresh menu item):
  // true once its row shows the new title, so that the program has handled
  // whatever was posted to it before.
  bool RowFollows(HWND window, const std::function<void()>& refresh = {}) const;

  // Posted, not sent: the program's handlers may in turn send messages to
  // this test's windows, which the test then answers while it waits.
  void Post(UINT message, WPARAM wParam, LPARAM lParam = 0) const { ::PostMessageW(window_, message, wParam, lParam); }
  void Click(CommandId button) const { ::PostMessageW(Control(button), BM_CLICK, 0, 0); }
  void Menu(CommandId item) const { Post(WM_COMMAND, static_cast<WPARAM>(item)); }
  void PressKey(HWND target, WPARAM virtualKey) const;
  // Alt held with a letter key, as the keyboard sends it: the program's loop
  // makes it an access key of the menu bar or of a control.
  void PressAltKey(HWND target, WPARAM letter) const;
  // A click (or, clicks 2, a double-click) with the mouse on the row, through the list box itself.
  void ClickRow(int row, int clicks) const;
  // A visible (or any) top-level window of the program by class and title (null: any).
  HWND FindOwn(const wchar_t* className, const wchar_t* title, bool visible = true) const;
  HWND OpenMenu() const { return FindOwn(L"#32768", nullptr); }
  // Closes the open menu and waits until it has gone.
  void CloseMenu() const;

  // Minimised once its icon is added, the window hides behind it, as a user
  // keeps it: true once it is hidden.
  bool HideBehindIcon() const;

  // The programs the program has started (through the shell, say), ended or not.
  int ProgramsStarted() const;
  // The process's exit code, STILL_ACTIVE if it runs past the deadline.
  DWORD ExitCode(std::chrono::milliseconds deadline) const;

 private:
  LRESULT ListMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageW(Control(CommandId::lstApp), message, wParam, lParam);
  }

  // The program and every program it starts run in this job.
  HANDLE job_;
  PROCESS_INFORMATION process_;
  HWND window_ = nullptr;
};

}  // namespace hovrel::app
