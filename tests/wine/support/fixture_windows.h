// Windows that the end-to-end tests own: windows of each kind on this thread,
// windows in helper processes that answer a close request as told, and a host
// window with a real sorted list box. Each is released by its destructor.
#pragma once

#include "forms/win32/list_box_win32.h"
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

// A title no other window holds: a token of this process and run, then the words.
std::wstring UniqueTitle(std::wstring_view words);
std::string ToUtf8(std::wstring_view text);
std::wstring WideTitle(HWND hwnd);
// Polls `done` until it holds or the deadline passes, reading this thread's
// messages meanwhile so that its own windows stay responsive.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds deadline = 10s);
bool IsTopmost(HWND hwnd);

enum class Kind { Framed, Popup, Hidden, Minimised };
enum class CloseAnswer { Closes, Refuses };

// A top-level window of this thread; close requests are counted.
class FixtureWindow {
 public:
  explicit FixtureWindow(std::wstring_view title, Kind kind = Kind::Framed,
                         CloseAnswer answer = CloseAnswer::Closes);
  ~FixtureWindow() { if (hwnd_) ::DestroyWindow(hwnd_); }
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
  HWND hwnd_ = nullptr;  // cleared when the window is destroyed, by whoever destroys it
};

// A window with a sorted list box, standing in for the main window.
class HostWindow {
 public:
  HostWindow();
  Hwnd handle() const { return frame_.handle(); }
  Win32ListBox& List() { return list_; }
  const Win32ListBox& List() const { return list_; }
  int RowOf(Hwnd hwnd) const;
  // Read with the wide message: the 8-bit one goes through the code page.
  std::wstring WideText(int row) const;
  void Select(int row);

 private:
  FixtureWindow frame_;
  Win32ListBox list_;
};

enum class HelperAnswer { Hangs, Asks, Refuses };

// A window in a helper process (fixture_window.exe beside the test program),
// ended by the destructor if still running.
class HelperWindow {
 public:
  HelperWindow(HelperAnswer answer, std::wstring_view title);
  ~HelperWindow();
  HelperWindow(const HelperWindow&) = delete;
  HelperWindow& operator=(const HelperWindow&) = delete;

  HWND hwnd() const { return hwnd_; }  // null when the window did not come up
  bool Exists() const { return hwnd_ != nullptr && ::IsWindow(hwnd_); }
  // The message box the window shows while asking its user, null if none.
  HWND Question() const;
  void End() const;

 private:
  PROCESS_INFORMATION process_{};
  HWND hwnd_ = nullptr;
};

}  // namespace hovrel::fixture
