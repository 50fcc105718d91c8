// A simulated desktop behind WindowSystem: top-level windows in the order
// they opened, with title and style, restored and shown as the window system
// would, noting where each was last placed, and answering close requests as
// each test says.
#pragma once

#include <algorithm>
#include <cstring>
#include <functional>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/window_system.h"

namespace hovrel::sim {

// Refuses: says no, or asks its user, who says no. Hangs: pumps no messages.
enum class CloseAnswer { Closes, Refuses, Hangs };

inline constexpr std::uint32_t kFramedStyle = WS_VISIBLE | WS_BORDER | 0x00C00000;  // WS_CAPTION
inline constexpr std::uint32_t kPopupStyle = WS_VISIBLE | 0x80000000;             // WS_POPUP

inline constexpr Hwnd kNotPlaced = 1;

struct WindowOptions {
  std::string title;
  std::uint32_t style = kFramedStyle;
  CloseAnswer closeAnswer = CloseAnswer::Closes;
  // What the last SetWindowPos put it after: HWND_TOPMOST, HWND_TOP or HWND_NOTOPMOST.
  Hwnd placedAfter = kNotPlaced;
  std::string className = "Sim";
};

class SimulatedDesktop final : public WindowSystem {
 public:
  // New windows open at the top, as they do on a real desktop.
  Hwnd Add(WindowOptions options) {
    const Hwnd hwnd = nextHandle_;
    nextHandle_ += 2;
    order_.push_front(hwnd);
    windows_[hwnd] = Window{std::move(options), order_.begin()};
    return hwnd;
  }
  Hwnd Add(std::string title, std::uint32_t style = kFramedStyle) { return Add(WindowOptions{std::move(title), style}); }
  void Remove(Hwnd hwnd) {
    if (const Window* window = Find(hwnd)) {
      order_.erase(window->place);
      windows_.erase(hwnd);
    }
  }
  void Retitle(Hwnd hwnd, std::string title) {
    if (Window* window = Find(hwnd)) window->options.title = std::move(title);
  }

  bool Exists(Hwnd hwnd) const { return windows_.count(hwnd) != 0; }
  // As the window is now; an untitled, styled, ordinary window once it has gone.
  WindowOptions Options(Hwnd hwnd) const {
    const auto found = windows_.find(hwnd);
    return found == windows_.end() ? WindowOptions{} : found->second.options;
  }
  std::string Title(Hwnd hwnd) const { return Options(hwnd).title; }
  std::vector<Hwnd> ZOrder() const { return {order_.begin(), order_.end()}; }
  // Also for windows that have closed since.
  int CloseRequests(Hwnd hwnd) const { return closeRequests_.count(hwnd) ? closeRequests_.at(hwnd) : 0; }

  int beeps = 0;
  // The window in front; a test may put one there without activating it.
  Hwnd foreground = 0;
  // The last window the program activated.
  Hwnd activated = 0;
  // Every window SetWindowPos was given, also those that are none.
  std::vector<Hwnd> placed;
  // The shell's desktop, if one is added; the desktop window itself is none of the top-level windows.
  Hwnd shellWindow = 0;
  static constexpr Hwnd kDesktopWindow = 0x10008;  // below every handle Add gives
  // A close request went to a hung window without abort-if-hung: the real
  // program would never have returned.
  bool froze = false;
  // Runs after each read a rebuild makes, given the call's name and window:
  // lets a test change the desktop between any two reads.
  std::function<void(std::string_view op, Hwnd hwnd)> afterEachRead;

  // WindowSystem
  std::int32_t GetWindowLongA(Hwnd hwnd, int index) override {
    const WindowOptions options = Options(hwnd);
    std::uint32_t value = 0;
    if (Exists(hwnd) && index == GWL_STYLE) value = options.style;
    if (Exists(hwnd) && index == GWL_EXSTYLE) value = options.placedAfter == HWND_TOPMOST ? WS_EX_TOPMOST : 0;
    return AfterRead("GetWindowLongA", hwnd, static_cast<std::int32_t>(value));
  }
  int GetWindowTextLengthA(Hwnd hwnd) override {
    return AfterRead("GetWindowTextLengthA", hwnd, static_cast<int>(Title(hwnd).size()));
  }
  int GetWindowTextA(Hwnd hwnd, char* buffer, int capacity) override {
    return AfterRead("GetWindowTextA", hwnd, Copy(Title(hwnd), buffer, capacity));
  }
  void SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int, int, int, int, unsigned flags) override {
    placed.push_back(hwnd);
    Window* window = Find(hwnd);
    if (!window) return;
    window->options.placedAfter = insertAfter;
    if (flags & SWP_SHOWWINDOW) window->options.style |= WS_VISIBLE;
    if (!(flags & SWP_NOACTIVATE)) Activate(hwnd);
  }
  void ShowWindow(Hwnd hwnd, int cmdShow) override {
    Window* window = Find(hwnd);
    if (!window || cmdShow != SW_RESTORE) return;
    window->options.style = (window->options.style & ~WS_MINIMIZE) | WS_VISIBLE;
    Activate(hwnd);
  }
  void SetForegroundWindow(Hwnd hwnd) override {
    if (Exists(hwnd)) Activate(hwnd);
  }
  Hwnd GetForegroundWindow() override { return foreground; }
  Hwnd GetDesktopWindow() override { return kDesktopWindow; }
  Hwnd GetShellWindow() override { return shellWindow; }
  int GetClassNameA(Hwnd hwnd, char* buffer, int capacity) override {
    return Copy(Exists(hwnd) ? Options(hwnd).className : std::string(), buffer, capacity);
  }
  void EnumWindows(WindowEnumProc proc, std::intptr_t lParam) override {
    // Like the real one: the list is taken first, windows that close meanwhile are passed over.
    for (Hwnd hwnd : ZOrder())
      if (Exists(hwnd) && proc(hwnd, lParam) == 0) break;
  }
  bool SendMessageTimeoutA(Hwnd hwnd, unsigned msg, std::uintptr_t, std::intptr_t, unsigned flags, unsigned) override {
    const Window* window = Find(hwnd);
    if (!window || msg != WM_CLOSE) return false;
    ++closeRequests_[hwnd];
    const CloseAnswer answer = window->options.closeAnswer;
    if (answer == CloseAnswer::Hangs && !(flags & SMTO_ABORTIFHUNG)) froze = true;
    if (answer == CloseAnswer::Closes) Remove(hwnd);
    return answer != CloseAnswer::Hangs;
  }
  void MessageBeep(unsigned) override { ++beeps; }

 private:
  struct Window { WindowOptions options; std::list<Hwnd>::iterator place; };

  Window* Find(Hwnd hwnd) {
    const auto found = windows_.find(hwnd);
    return found == windows_.end() ? nullptr : &found->second;
  }
  // Runs the hook once the value is read, and returns that value.
  template <typename T>
  T AfterRead(std::string_view op, Hwnd hwnd, T value) {
    if (afterEachRead) afterEachRead(op, hwnd);
    return value;
  }
  void Activate(Hwnd hwnd) { foreground = activated = hwnd; }
  // As the window system copies a name out: cut to capacity - 1 and ended by a zero.
  static int Copy(const std::string& text, char* buffer, int capacity) {
    if (capacity <= 0) return 0;
    const std::size_t copied = std::min(text.size(), static_cast<std::size_t>(capacity - 1));
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
    return static_cast<int>(copied);
  }

  std::list<Hwnd> order_;  // front = top of the z-order
  std::unordered_map<Hwnd, Window> windows_;
  std::unordered_map<Hwnd, int> closeRequests_;
  Hwnd nextHandle_ = 0x10010;
};

}  // namespace hovrel::sim
