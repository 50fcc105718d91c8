// The simulated desktop; see simulated_desktop.h.
#include "sim/simulated_desktop.h"

#include <algorithm>
#include <cstring>

namespace hovrel::sim {

Hwnd SimulatedDesktop::Add(WindowOptions options) {
  const Hwnd hwnd = nextHandle_;
  nextHandle_ += 2;
  const bool topmost = options.topmost;
  auto place = topmost ? order_.insert(order_.begin(), hwnd) : order_.insert(TopOfOrdinaryBand(), hwnd);
  windows_[hwnd] = Window{std::move(options), place, {}, {}};
  return hwnd;
}

Hwnd SimulatedDesktop::Add(std::string title, std::uint32_t style) {
  return Add(WindowOptions{std::move(title), style});
}

void SimulatedDesktop::Remove(Hwnd hwnd) {
  Window* window = Find(hwnd);
  if (!window) return;
  order_.erase(window->place);
  windows_.erase(hwnd);
}

void SimulatedDesktop::Retitle(Hwnd hwnd, std::string title) {
  if (Window* window = Find(hwnd)) window->options.title = std::move(title);
}

void SimulatedDesktop::SetStyle(Hwnd hwnd, std::uint32_t style) {
  if (Window* window = Find(hwnd)) window->options.style = style;
}

void SimulatedDesktop::AfterNextLengthQuery(Hwnd hwnd, std::function<void()> change) {
  if (Window* window = Find(hwnd)) window->afterLengthQuery = std::move(change);
}

void SimulatedDesktop::OnClose(Hwnd hwnd, std::function<void()> closing) {
  if (Window* window = Find(hwnd)) window->onClose = std::move(closing);
}

bool SimulatedDesktop::IsTopmost(Hwnd hwnd) const {
  const Window* window = Find(hwnd);
  return window && window->options.topmost;
}

bool SimulatedDesktop::IsMinimised(Hwnd hwnd) const {
  const Window* window = Find(hwnd);
  return window && (window->options.style & WS_MINIMIZE) != 0;
}

bool SimulatedDesktop::IsVisible(Hwnd hwnd) const {
  const Window* window = Find(hwnd);
  return window && (window->options.style & WS_VISIBLE) != 0;
}

std::string SimulatedDesktop::Title(Hwnd hwnd) const {
  const Window* window = Find(hwnd);
  return window ? window->options.title : std::string();
}

int SimulatedDesktop::CloseRequests(Hwnd hwnd) const {
  auto found = closeRecords_.find(hwnd);
  return found == closeRecords_.end() ? 0 : found->second.requests;
}

int SimulatedDesktop::QuestionsAsked(Hwnd hwnd) const {
  auto found = closeRecords_.find(hwnd);
  return found == closeRecords_.end() ? 0 : found->second.questions;
}

Hwnd SimulatedDesktop::GetWindow(Hwnd hwnd, unsigned cmd) {
  const Hwnd found = Step(hwnd, cmd);
  AfterRead("GetWindow", hwnd);
  return found;
}

std::int32_t SimulatedDesktop::GetWindowLongA(Hwnd hwnd, int index) {
  const Window* window = Find(hwnd);
  const auto style =
      window && index == GWL_STYLE ? static_cast<std::int32_t>(window->options.style) : 0;
  AfterRead("GetWindowLongA", hwnd);
  return style;
}

int SimulatedDesktop::GetWindowTextLengthA(Hwnd hwnd) {
  Window* window = Find(hwnd);
  if (!window) {
    AfterRead("GetWindowTextLengthA", hwnd);
    return 0;
  }
  const int length = static_cast<int>(window->options.title.size());
  if (auto change = std::move(window->afterLengthQuery)) {
    window->afterLengthQuery = nullptr;
    change();
  }
  AfterRead("GetWindowTextLengthA", hwnd);
  return length;
}

int SimulatedDesktop::GetWindowTextA(Hwnd hwnd, char* buffer, int capacity) {
  const int copied = CopyTitle(hwnd, buffer, capacity);
  AfterRead("GetWindowTextA", hwnd);
  return copied;
}

void SimulatedDesktop::SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int, int, int, int,
                                    unsigned flags) {
  calls.push_back({"SetWindowPos", hwnd, insertAfter, flags, 0});
  Window* window = Find(hwnd);
  if (!window) return;
  if (insertAfter == HWND_TOPMOST) {
    window->options.topmost = true;
    Raise(hwnd);
  } else if (insertAfter == HWND_NOTOPMOST) {
    // Has no effect on a window that is already in the ordinary band.
    if (window->options.topmost) {
      window->options.topmost = false;
      Raise(hwnd);
    }
  } else if (insertAfter == HWND_TOP) {
    Raise(hwnd);
  }
  if (flags & SWP_SHOWWINDOW) window->options.style |= WS_VISIBLE;
  constexpr unsigned kNoActivate = 0x10;
  if (!(flags & kNoActivate)) foreground = hwnd;
}

void SimulatedDesktop::ShowWindow(Hwnd hwnd, int cmdShow) {
  calls.push_back({"ShowWindow", hwnd, 0, 0, cmdShow});
  Window* window = Find(hwnd);
  if (!window || cmdShow != SW_RESTORE) return;
  window->options.style = (window->options.style & ~WS_MINIMIZE) | WS_VISIBLE;
  foreground = hwnd;
}

void SimulatedDesktop::SetForegroundWindow(Hwnd hwnd) {
  calls.push_back({"SetForegroundWindow", hwnd, 0, 0, 0});
  if (Find(hwnd)) foreground = hwnd;
}

void SimulatedDesktop::EnumWindows(WindowEnumProc proc, std::intptr_t lParam) {
  // Like the real one: the list of windows is taken first, so windows that
  // close during the enumeration are passed over.
  const std::vector<Hwnd> snapshot = ZOrder();
  for (Hwnd hwnd : snapshot)
    if (Exists(hwnd) && proc(hwnd, lParam) == 0) break;
}

bool SimulatedDesktop::SendMessageTimeoutA(Hwnd hwnd, unsigned msg, std::uintptr_t, std::intptr_t,
                                           unsigned flags, unsigned) {
  calls.push_back({"SendMessageTimeoutA", hwnd, 0, flags, static_cast<int>(msg)});
  Window* window = Find(hwnd);
  if (!window || msg != WM_CLOSE) return false;
  CloseRecord& record = closeRecords_[hwnd];
  ++record.requests;
  switch (window->options.closeAnswer) {
    case CloseAnswer::Hangs:
      if (!(flags & SMTO_ABORTIFHUNG)) froze = true;
      return false;
    case CloseAnswer::Refuses:
      return true;
    case CloseAnswer::AsksAndIsToldNo:
      ++record.questions;
      return true;
    case CloseAnswer::AsksAndIsToldYes:
      ++record.questions;
      break;
    case CloseAnswer::Closes:
      break;
  }
  auto closing = std::move(window->onClose);
  Remove(hwnd);
  if (closing) closing();
  return true;
}

void SimulatedDesktop::MessageBeep(unsigned) { ++beeps; }

Hwnd SimulatedDesktop::Step(Hwnd hwnd, unsigned cmd) const {
  const Window* window = Find(hwnd);
  if (!window) return 0;
  if (cmd == GW_HWNDFIRST) return order_.front();
  if (cmd == GW_HWNDNEXT) {
    auto next = std::next(window->place);
    return next == order_.end() ? 0 : *next;
  }
  return 0;
}

int SimulatedDesktop::CopyTitle(Hwnd hwnd, char* buffer, int capacity) const {
  if (capacity <= 0) return 0;
  buffer[0] = '\0';
  const Window* window = Find(hwnd);
  if (!window) return 0;
  const auto& title = window->options.title;
  const auto copied = std::min(title.size(), static_cast<std::size_t>(capacity - 1));
  std::memcpy(buffer, title.data(), copied);
  buffer[copied] = '\0';
  return static_cast<int>(copied);
}

void SimulatedDesktop::AfterRead(std::string_view op, Hwnd hwnd) {
  if (afterEachRead) afterEachRead(op, hwnd);
}

SimulatedDesktop::Window* SimulatedDesktop::Find(Hwnd hwnd) {
  auto found = windows_.find(hwnd);
  return found == windows_.end() ? nullptr : &found->second;
}

const SimulatedDesktop::Window* SimulatedDesktop::Find(Hwnd hwnd) const {
  auto found = windows_.find(hwnd);
  return found == windows_.end() ? nullptr : &found->second;
}

void SimulatedDesktop::Raise(Hwnd hwnd) {
  Window* window = Find(hwnd);
  order_.erase(window->place);
  window->place = window->options.topmost ? order_.insert(order_.begin(), hwnd)
                                          : order_.insert(TopOfOrdinaryBand(), hwnd);
}

std::list<Hwnd>::iterator SimulatedDesktop::TopOfOrdinaryBand() {
  return std::find_if(order_.begin(), order_.end(),
                      [this](Hwnd hwnd) { return !windows_.at(hwnd).options.topmost; });
}

}  // namespace hovrel::sim
