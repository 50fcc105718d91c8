// The simulated desktop; see simulated_desktop.h.
#include "sim/simulated_desktop.h"

#include <algorithm>
#include <cstring>

namespace hovrel::sim {

Hwnd SimulatedDesktop::Add(WindowOptions options) {
  const Hwnd hwnd = nextHandle_;
  nextHandle_ += 2;
  order_.push_front(hwnd);
  windows_[hwnd] = Window{std::move(options), order_.begin()};
  return hwnd;
}

void SimulatedDesktop::Remove(Hwnd hwnd) {
  if (const Window* window = Find(hwnd)) {
    order_.erase(window->place);
    windows_.erase(hwnd);
  }
}

int SimulatedDesktop::GetWindowTextA(Hwnd hwnd, char* buffer, int capacity) {
  return AfterRead("GetWindowTextA", hwnd, Copy(Title(hwnd), buffer, capacity));
}

int SimulatedDesktop::Copy(const std::string& text, char* buffer, int capacity) {
  if (capacity <= 0) return 0;
  const std::size_t copied = std::min(text.size(), static_cast<std::size_t>(capacity - 1));
  std::memcpy(buffer, text.data(), copied);
  buffer[copied] = '\0';
  return static_cast<int>(copied);
}

void SimulatedDesktop::SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int, int, int, int, unsigned flags) {
  placed.push_back(hwnd);
  Window* window = Find(hwnd);
  if (!window) return;
  window->options.placedAfter = insertAfter;
  if (flags & SWP_SHOWWINDOW) window->options.style |= WS_VISIBLE;
  if (!(flags & SWP_NOACTIVATE)) Activate(hwnd);
}

void SimulatedDesktop::ShowWindow(Hwnd hwnd, int cmdShow) {
  Window* window = Find(hwnd);
  if (!window || cmdShow != SW_RESTORE) return;
  window->options.style = (window->options.style & ~WS_MINIMIZE) | WS_VISIBLE;
  Activate(hwnd);
}

void SimulatedDesktop::EnumWindows(WindowEnumProc proc, std::intptr_t lParam) {
  // Like the real one: the list is taken first, windows that close meanwhile are passed over.
  for (Hwnd hwnd : ZOrder())
    if (Exists(hwnd) && proc(hwnd, lParam) == 0) break;
}

bool SimulatedDesktop::SendMessageTimeoutA(Hwnd hwnd, unsigned msg, std::uintptr_t, std::intptr_t, unsigned flags,
                                           unsigned) {
  const Window* window = Find(hwnd);
  if (!window || msg != WM_CLOSE) return false;
  ++closeRequests_[hwnd];
  const CloseAnswer answer = window->options.closeAnswer;
  if (answer == CloseAnswer::Hangs && !(flags & SMTO_ABORTIFHUNG)) froze = true;
  if (answer == CloseAnswer::Closes) Remove(hwnd);
  return answer != CloseAnswer::Hangs;
}

}  // namespace hovrel::sim
