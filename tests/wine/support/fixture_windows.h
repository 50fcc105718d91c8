// Windows that the end-to-end tests own: windows of each kind on this thread,
// windows in helper processes that answer a close request as told, and a host
// window with a real sorted list box for the window list. Each is released by
// its destructor, also when a test fails half-way.
#pragma once

#include "platform/list_box_win32.h"
#include "platform/window_system.h"

// After our headers: see window_system.h.
#include <windows.h>

#include "platform/win32_handle.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace hovrel::fixture {

using namespace std::chrono_literals;

// Titles that no other window on the desktop can hold: a token of this
// process and run, then the given words.
std::wstring UniqueTitle(std::wstring_view words);

std::string ToUtf8(std::wstring_view text);
std::wstring WideTitle(HWND hwnd);

// Polls `done` until it holds or the deadline passes, reading this thread's
// messages meanwhile so that its own windows stay responsive.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds deadline = 10s);

bool IsTopmost(HWND hwnd);
// True when `upper` comes before `lower` in the z-order.
bool IsAbove(HWND upper, HWND lower);
// Puts the window last in the z-order, so that enumerations reach it last.
void SendToBottom(HWND hwnd);

enum class Kind { Framed, Popup, Hidden, Minimised };
enum class CloseAnswer { Closes, Refuses };

// A top-level window of this thread; close requests are counted.
class FixtureWindow {
 public:
  explicit FixtureWindow(std::wstring_view title, Kind kind = Kind::Framed,
                         CloseAnswer answer = CloseAnswer::Closes);
  ~FixtureWindow();
  FixtureWindow(const FixtureWindow&) = delete;
  FixtureWindow& operator=(const FixtureWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  Hwnd handle() const { return FromHwnd(hwnd_); }
  bool Exists() const { return hwnd_ != nullptr; }
  int CloseRequests() const { return closeRequests_; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  CloseAnswer answer_;
  std::atomic<int> closeRequests_{0};
  // Cleared when the window is destroyed, by whoever destroys it.
  HWND hwnd_ = nullptr;
};

// A window with a sorted list box, standing in for the main window.
class HostWindow {
 public:
  HostWindow();

  Hwnd handle() const { return frame_.handle(); }
  Win32ListBox& List() { return list_; }
  const Win32ListBox& List() const { return list_; }

  // The row whose item data is this handle, -1 if none.
  int RowOf(Hwnd hwnd) const;
  // A row's text as the list box holds it, read with the wide message.
  std::wstring WideText(int row) const;
  void Select(int row);

 private:
  FixtureWindow frame_;
  Win32ListBox list_;
};

enum class HelperAnswer { Hangs, Asks, Refuses };

// A window of its own in a helper process (fixture_window.exe beside the
// test program). The process is ended by the destructor if still running.
class HelperWindow {
 public:
  HelperWindow(HelperAnswer answer, std::wstring_view title);
  ~HelperWindow();
  HelperWindow(const HelperWindow&) = delete;
  HelperWindow& operator=(const HelperWindow&) = delete;

  // Null when the window did not come up.
  HWND hwnd() const { return hwnd_; }
  bool Exists() const { return hwnd_ != nullptr && ::IsWindow(hwnd_); }
  // The message box the window shows while asking its user, null if none.
  HWND Question() const;
  // Ends the helper process now, whatever it is doing.
  void End() const;

 private:
  PROCESS_INFORMATION process_{};
  HWND hwnd_ = nullptr;
};

}  // namespace hovrel::fixture
