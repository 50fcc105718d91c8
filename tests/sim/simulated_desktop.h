// A simulated desktop behind WindowSystem: top-level windows in the order
// they opened, with title, style, icons, owner and thread, restored and shown
// as the window system would, noting where and how each was last placed, and
// answering messages (close requests, icon requests) as each test says.
#pragma once

#include <functional>
#include <list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/window_system.h"

namespace hovrel::sim {

// How a window answers messages. Refuses: says no to a close request, or asks
// its user, who says no. Busy: reads no message for now, but not for long
// enough yet to be called hung. Hangs: pumps no messages.
enum class CloseAnswer { Closes, Refuses, Busy, Hangs };

inline constexpr std::uint32_t kFramedStyle = WS_VISIBLE | WS_BORDER | 0x00C00000;  // WS_CAPTION
inline constexpr std::uint32_t kPopupStyle = WS_VISIBLE | 0x80000000;             // WS_POPUP

inline constexpr Hwnd kNotPlaced = 1;
// The thread of the program's own windows; every other window has one of its own.
inline constexpr std::uint32_t kProgramThread = 7;
// Layered attributes: colour key, alpha and flags.
using Layered = std::optional<std::tuple<std::uint32_t, std::uint8_t, std::uint32_t>>;

struct WindowOptions {
  std::string title;
  std::uint32_t style = kFramedStyle;
  CloseAnswer closeAnswer = CloseAnswer::Closes;
  // What the last SetWindowPos put it after: HWND_TOPMOST, HWND_TOP or HWND_NOTOPMOST.
  Hwnd placedAfter = kNotPlaced;
  std::string className = "Sim";
  bool cloaked = false;
  // Its icons: WM_GETICON's by kind (0 small, 1 big, 2 small2) and its
  // class's by GCLP_ index (negative).
  std::map<std::intptr_t, std::uint32_t> icons = {};
  Hwnd owner = 0;
  bool enabled = true;
  Hwnd lastActivePopup = 0;  // 0: the window itself
  std::uint32_t thread = 0;  // 0: a thread of its own, in a process of its own
  // Seen through: the extended style but WS_EX_TOPMOST, the class's style, the layered attributes
  // (none: not set, or drawn with UpdateLayeredWindow); a program with more rights refuses changes.
  std::uint32_t exStyle = 0;
  std::uint32_t classStyle = 0;
  Layered layered = {};
  bool refuses = false;
  // Its process's integrity level; 0: it cannot be read.
  std::uint32_t integrity = SECURITY_MANDATORY_MEDIUM_RID;
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
  // A new window given a handle that an earlier one had.
  Hwnd AddAs(Hwnd hwnd, WindowOptions options) {
    const Hwnd next = std::exchange(nextHandle_, hwnd);
    Add(std::move(options));
    nextHandle_ = next;
    return hwnd;
  }
  void Remove(Hwnd hwnd) {
    if (const Window* window = Find(hwnd)) {
      order_.erase(window->place);
      windows_.erase(hwnd);
    }
  }

  // The other windows' threads read their messages: the changes posted to
  // them are made, in turn.
  void RunWindowThreads() {
    runningWindowThreads_ = true;
    for (auto& change : std::exchange(posted_, {})) change();
    runningWindowThreads_ = false;
    // The answers of the windows that read their messages now reach the program.
    for (auto& call : std::exchange(callbacks_, {}))
      if (Answers(call.first)) call.second(); else callbacks_.push_back(std::move(call));
  }

  bool Exists(Hwnd hwnd) const { return windows_.count(hwnd) != 0; }
  // As the window is now; an untitled, styled, ordinary window once it has gone.
  const WindowOptions& Options(Hwnd hwnd) const {
    static const WindowOptions gone;
    const auto found = windows_.find(hwnd);
    return found == windows_.end() ? gone : found->second.options;
  }
  // Changed as the test says; none for a window that has gone.
  WindowOptions& Change(Hwnd hwnd) {
    static WindowOptions gone;
    Window* window = Find(hwnd);
    return window ? window->options : gone = WindowOptions{};
  }
  const std::string& Title(Hwnd hwnd) const { return Options(hwnd).title; }
  std::vector<Hwnd> ZOrder() const { return {order_.begin(), order_.end()}; }
  // Also for windows that have closed since.
  int Sent(Hwnd hwnd, unsigned msg) const { return sent_.count({hwnd, msg}) ? sent_.at({hwnd, msg}) : 0; }
  int CloseRequests(Hwnd hwnd) const { return Sent(hwnd, WM_CLOSE); }

  int beeps = 0;
  std::uint32_t ownIntegrity = SECURITY_MANDATORY_MEDIUM_RID;
  // How often each process's integrity level was read.
  std::map<std::uint32_t, int> integrityReads;
  // The window in front; a test may put one there without activating it.
  Hwnd foreground = 0;
  // The last window the program activated.
  Hwnd activated = 0;
  // Every window SetWindowPos was given, also those that are none.
  std::vector<Hwnd> placed;
  // The shell's desktop, if one is added; the desktop window itself is none of the top-level windows.
  Hwnd shellWindow = 0;
  static constexpr Hwnd kDesktopWindow = 0x10008;  // below every handle Add gives
  // The program waited on another program: a message sent to a hung window
  // without abort-if-hung, another thread's window placed, restored or
  // restyled from the program's own thread in a form that waits for it, or a
  // busy or hung window restyled from any thread.
  bool froze = false;
  // The windows marked to be drawn anew, and those asked to close, in turn.
  std::vector<Hwnd> redrawn, asked;
  // The calls come from the program's thread, not from its background work.
  bool programThread = true;
  // The last process let take the foreground, and the close requests made
  // to a window whose process had not been let.
  std::uint32_t allowedForeground = 0;
  int closeRequestsWithoutForeground = 0;
  // Runs after each read a rebuild makes, given the call's name and window:
  // lets a test change the desktop between any two reads.
  std::function<void(std::string_view op, Hwnd hwnd)> afterEachRead;

  // WindowSystem
  std::int32_t GetWindowLongW(Hwnd hwnd, int index) override {
    const WindowOptions& options = Options(hwnd);
    std::uint32_t value = 0;
    if (Exists(hwnd) && index == GWL_STYLE) value = options.style;
    if (Exists(hwnd) && index == GWL_EXSTYLE) value = (options.placedAfter == HWND_TOPMOST ? WS_EX_TOPMOST : 0) | options.exStyle;
    return AfterRead("GetWindowLongW", hwnd, static_cast<std::int32_t>(value));
  }
  int GetWindowTextLengthW(Hwnd hwnd) override {
    return AfterRead("GetWindowTextLengthW", hwnd, Units(Title(hwnd)));
  }
  int GetWindowTextW(Hwnd hwnd, std::string& title, int capacity) override {
    return AfterRead("GetWindowTextW", hwnd, Copy(Title(hwnd), title, capacity));
  }
  int GetClassNameW(Hwnd hwnd, std::string& name, int capacity) override {
    return Copy(Options(hwnd).className, name, capacity);
  }
  void SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int, int, int, int, unsigned flags) override {
    placed.push_back(hwnd);
    if (!Exists(hwnd)) return;
    if (!(flags & SWP_ASYNCWINDOWPOS)) Wait(hwnd);
    if (Posted(hwnd, flags & SWP_ASYNCWINDOWPOS, [=, this] { SetWindowPos(hwnd, insertAfter, 0, 0, 0, 0, flags); })) return;
    Window* window = Find(hwnd);
    window->options.placedAfter = insertAfter;
    if (flags & SWP_SHOWWINDOW) window->options.style |= WS_VISIBLE;
    if (!(flags & SWP_NOACTIVATE)) Activate(hwnd);
  }
  void ShowWindow(Hwnd hwnd, int cmdShow) override {
    Wait(hwnd);
    Restore(hwnd, cmdShow);
  }
  void ShowWindowAsync(Hwnd hwnd, int cmdShow) override {
    if (!Posted(hwnd, true, [=, this] { Restore(hwnd, cmdShow); })) Restore(hwnd, cmdShow);
  }
  void Restore(Hwnd hwnd, int cmdShow) {
    Window* window = Find(hwnd);
    if (!window || cmdShow != SW_RESTORE) return;
    window->options.style = (window->options.style & ~WS_MINIMIZE) | WS_VISIBLE;
    Activate(hwnd);
  }
  void SetForegroundWindow(Hwnd hwnd) override {
    if (Exists(hwnd)) Activate(hwnd);
  }
  Hwnd GetForegroundWindow() override { return foreground; }
  Hwnd GetLastActivePopup(Hwnd hwnd) override {
    const Hwnd popup = Options(hwnd).lastActivePopup;
    return Exists(popup) ? popup : hwnd;
  }
  Hwnd GetWindow(Hwnd hwnd, unsigned) override { return Options(hwnd).owner; }
  bool IsWindowVisible(Hwnd hwnd) override { return Options(hwnd).style & WS_VISIBLE; }
  bool IsWindowEnabled(Hwnd hwnd) override { return Exists(hwnd) && Options(hwnd).enabled; }
  std::uint32_t GetWindowThreadProcessId(Hwnd hwnd, std::uint32_t* processId) override {
    const std::uint32_t thread = ThreadOf(hwnd);
    if (processId) *processId = thread;
    return thread;
  }
  void AllowSetForegroundWindow(std::uint32_t processId) override { allowedForeground = processId; }
  Hwnd GetDesktopWindow() override { return kDesktopWindow; }
  Hwnd GetShellWindow() override { return shellWindow; }
  bool IsHungAppWindow(Hwnd hwnd) override { return Exists(hwnd) && Options(hwnd).closeAnswer == CloseAnswer::Hangs; }
  bool IsCloaked(Hwnd hwnd) override { return Options(hwnd).cloaked; }
  void EnumWindows(WindowEnumProc proc, std::intptr_t lParam) override {
    // Like the real one: the list is taken first, windows that close meanwhile are passed over.
    for (Hwnd hwnd : ZOrder())
      if (Exists(hwnd) && proc(hwnd, lParam) == 0) break;
  }
  bool SendMessageTimeoutW(Hwnd hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t, unsigned flags, unsigned,
                           std::uintptr_t* result) override {
    Window* window = Find(hwnd);
    if (!window) return false;
    ++sent_[{hwnd, msg}];
    const CloseAnswer answer = window->options.closeAnswer;
    // A busy window keeps the sender waiting until the time runs out.
    if ((answer == CloseAnswer::Hangs && !(flags & SMTO_ABORTIFHUNG)) || (answer == CloseAnswer::Busy && programThread))
      froze = true;
    if (answer == CloseAnswer::Hangs || answer == CloseAnswer::Busy) return false;
    if (result) *result = msg == kGetIcon ? window->options.icons[static_cast<std::intptr_t>(wParam)] : 0;
    if (msg == WM_CLOSE) asked.push_back(hwnd);
    if (msg == WM_CLOSE && allowedForeground != ThreadOf(hwnd)) ++closeRequestsWithoutForeground;
    if (msg == WM_CLOSE && answer == CloseAnswer::Closes) Remove(hwnd);
    return true;
  }
  bool SendMessageCallbackW(Hwnd hwnd, unsigned msg, std::uintptr_t wParam,
                            std::function<void(std::uintptr_t)> answer) override {
    if (!Exists(hwnd)) return false;
    std::function<void()> call = [=, this] {
      ++sent_[{hwnd, msg}];
      answer(msg == kGetIcon ? Change(hwnd).icons[static_cast<std::intptr_t>(wParam)] : 0);
    };
    if (ThreadOf(hwnd) == kProgramThread) call(); else callbacks_.emplace_back(hwnd, std::move(call));
    return true;
  }
  std::uintptr_t ClassLongPtr(Hwnd hwnd, int index) override {
    if (index == GCL_STYLE) return Options(hwnd).classStyle;
    const auto& icons = Options(hwnd).icons;
    return icons.count(index) ? icons.at(index) : 0;
  }
  void MessageBeep(unsigned) override { ++beeps; }
  // As the window system does, taking the layered style away drops the attributes.
  std::int32_t SetWindowLongW(Hwnd hwnd, int index, std::int32_t value) override {
    Window* window = Find(hwnd);
    if (!window || index != GWL_EXSTYLE || window->options.refuses) return 0;
    Wait(hwnd);
    const auto before = std::exchange(window->options.exStyle, static_cast<std::uint32_t>(value) & ~WS_EX_TOPMOST);
    if (!(window->options.exStyle & WS_EX_LAYERED)) window->options.layered.reset();
    return static_cast<std::int32_t>(before);
  }
  bool GetLayeredWindowAttributes(Hwnd hwnd, std::uint32_t* colorKey, std::uint8_t* alpha, std::uint32_t* flags) override {
    if (!Options(hwnd).layered) return false;
    std::tie(*colorKey, *alpha, *flags) = *Options(hwnd).layered;
    return true;
  }
  bool SetLayeredWindowAttributes(Hwnd hwnd, std::uint32_t colorKey, std::uint8_t alpha, std::uint32_t flags) override {
    Window* window = Find(hwnd);
    if (!window || window->options.refuses || !(window->options.exStyle & WS_EX_LAYERED)) return false;
    window->options.layered = std::tuple(colorKey, alpha, flags);
    return true;
  }
  bool IsWindow(Hwnd hwnd) override { return Exists(hwnd); }
  std::uint32_t ProcessIntegrity(std::uint32_t processId) override {
    ++integrityReads[processId];
    for (const auto& [hwnd, window] : windows_)
      if (ThreadOf(hwnd) == processId) return window.options.integrity;
    return 0;
  }
  std::uint32_t OwnIntegrity() override { return ownIntegrity; }
  void RedrawWindow(Hwnd hwnd, unsigned flags) override {
    if (Exists(hwnd) && flags == kRedrawUnlayered) redrawn.push_back(hwnd);
  }

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
  std::uint32_t ThreadOf(Hwnd hwnd) const {
    if (!Exists(hwnd)) return 0;
    return Options(hwnd).thread ? Options(hwnd).thread : hwnd;
  }
  // A change posted to another thread's window waits until its thread runs.
  bool Posted(Hwnd hwnd, bool posted, std::function<void()> change) {
    if (!posted || runningWindowThreads_ || ThreadOf(hwnd) == kProgramThread) return false;
    posted_.push_back(std::move(change));
    return true;
  }
  bool Answers(Hwnd hwnd) const {
    const CloseAnswer answer = Options(hwnd).closeAnswer;
    return Exists(hwnd) && answer != CloseAnswer::Busy && answer != CloseAnswer::Hangs;
  }
  // A placement, restore or restyle that waits for the window's thread.
  void Wait(Hwnd hwnd) {
    if (!Exists(hwnd) || ThreadOf(hwnd) == kProgramThread) return;
    const CloseAnswer answer = Options(hwnd).closeAnswer;
    froze = froze || programThread || answer == CloseAnswer::Busy || answer == CloseAnswer::Hangs;
  }
  // A text as the window system counts it, in UTF-16 units: two for a
  // character beyond the basic plane.
  static int Units(const std::string& text) {
    int units = 0;
    for (const unsigned char c : text) units += ((c & 0xC0) != 0x80) + (c >= 0xF0);
    return units;
  }
  // As the window system copies a name out: at most capacity - 1 units,
  // never half a character.
  static int Copy(const std::string& text, std::string& out, int capacity) {
    int units = Units(text);
    std::size_t end = text.size();
    for (; units > capacity - 1; units -= static_cast<unsigned char>(text[end]) >= 0xF0 ? 2 : 1)
      while ((static_cast<unsigned char>(text[--end]) & 0xC0) == 0x80) {}
    out.assign(text, 0, end);
    return units;
  }
  static constexpr unsigned kGetIcon = 0x7F;  // WM_GETICON

  std::list<Hwnd> order_;  // front = top of the z-order
  std::unordered_map<Hwnd, Window> windows_;
  std::map<std::pair<Hwnd, unsigned>, int> sent_;  // by window and message
  std::vector<std::function<void()>> posted_;
  // Messages sent with a callback, by window, answered as its thread runs.
  std::vector<std::pair<Hwnd, std::function<void()>>> callbacks_;
  bool runningWindowThreads_ = false;
  Hwnd nextHandle_ = 0x10010;
};

}  // namespace hovrel::sim
