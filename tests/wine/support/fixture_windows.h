// What the end-to-end tests own: windows of each kind, on this thread or on
// one of their own that hangs or asks its user, and the programs they start.
#pragma once

#include "platform/window_system.h"

// After our headers: see window_system.h.
#include <windows.h>

#include "platform/win32_handle.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace hovrel::fixture {

using namespace std::chrono_literals;

// A title no other window holds: a token of this process and run, then the words.
std::wstring UniqueTitle(std::wstring_view words);
std::wstring WideTitle(HWND hwnd);
// Polls `done` until it holds or the deadline passes, reading this thread's
// messages meanwhile so that its own windows stay responsive.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds deadline = 10s);
bool IsTopmost(HWND hwnd);
// The screen's pixels in `rect` (0x00RRGGBB), row by row, read in one copy.
std::vector<std::uint32_t> ScreenPixels(const RECT& rect);
// True when `upper` comes before `lower` in the z-order.
bool IsAbove(HWND upper, HWND lower);

// Aside: in the screen's corner, clear of the program's centred window, so
// that neither its coming nor its going makes the program paint.
enum class Kind { Framed, Minimised, Aside };
// Asks: asks its user in a message box, where OK closes the window. Later:
// closes a moment after the request, from a timer.
enum class CloseAnswer { Closes, Refuses, Asks, Later };

// A top-level window of this thread; close requests are counted.
class FixtureWindow {
 public:
  explicit FixtureWindow(std::wstring_view title, Kind kind = Kind::Framed, CloseAnswer answer = CloseAnswer::Closes);
  ~FixtureWindow() { if (hwnd_) ::DestroyWindow(hwnd_); }
  FixtureWindow(const FixtureWindow&) = delete;
  FixtureWindow& operator=(const FixtureWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  Hwnd handle() const { return FromHwnd(hwnd_); }
  bool Exists() const { return hwnd_ != nullptr; }
  int CloseRequests() const { return closeRequests_; }
  // The message box the window shows while asking its user, null if none.
  HWND Question() const;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  CloseAnswer answer_;
  std::atomic<int> closeRequests_{0};
  std::atomic<HWND> hwnd_{nullptr};  // cleared when the window is destroyed, by whoever destroys it
};

// A fixture window on a thread of its own, so that it can read no message for
// `sleeps` ms from the start (INFINITE: hang) or ask its user while the test
// goes on. Such windows open below this thread's, which has the activation.
class BusyWindow {
 public:
  BusyWindow(std::wstring_view title, CloseAnswer answer, DWORD sleeps = 0, Kind kind = Kind::Framed);
  ~BusyWindow();
  BusyWindow(const BusyWindow&) = delete;
  BusyWindow& operator=(const BusyWindow&) = delete;

  FixtureWindow& window() { return *window_; }

 private:
  std::atomic<FixtureWindow*> window_{nullptr};
  std::atomic<DWORD> threadId_{0};
  HANDLE stop_ = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread thread_;
};

// A taskbar of the test's own in front of the shell's: Shell_NotifyIcon hands
// each request to the first window of this class as WM_COPYDATA, which notes
// it and takes it. What the shell's own does when a window goes, it does not.
class StandInTaskbar {
 public:
  StandInTaskbar();
  ~StandInTaskbar() { ::DestroyWindow(hwnd_); }

  // The requests for the icons of `owner` so far, in order: A add, M modify, D delete.
  static std::string Requests(HWND owner);
  // The width in pixels of the icon `owner` handed over last, 0 if none.
  static int IconWidth(HWND owner);

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  struct Request { HWND owner; ULONG_PTR message; int iconWidth; };
  static inline std::vector<Request> requests_;
};

}  // namespace hovrel::fixture
