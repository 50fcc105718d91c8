// Seeing through a window: its opacity stepped down or up from the shortcut
// and the list, what each changed window was like before, and that state
// given back at 100% and when the program ends. Used by frmMain.
#pragma once

#include <cstdint>
#include <map>

#include "platform/window_system.h"

namespace hovrel {

// One step, and the least opacity, so that no window can vanish.
inline constexpr int kOpacityStep = 10;
inline constexpr int kLeastOpacity = 20;

// The alpha for that many per cent, rounded.
constexpr std::uint8_t AlphaOfPercent(int percent) { return static_cast<std::uint8_t>((255 * percent + 50) / 100); }

class SeeThrough {
 public:
  explicit SeeThrough(WindowSystem& ws) : ws_(ws) {}
  SeeThrough(const SeeThrough&) = delete;
  SeeThrough& operator=(const SeeThrough&) = delete;

  // One step less opaque (steps -1) or more (+1), between the least and
  // 100%; at 100% the window gets back the state it had before the first
  // change. Beeps and changes nothing on a window that cannot be seen
  // through or refuses; true when the window changed.
  bool Step(Hwnd hwnd, int steps);
  // Every window changed, and still open, gets back the state it had.
  void RestoreAll();

 private:
  // As the window was before its first change.
  struct Before {
    std::uint32_t exStyle;
    std::uint32_t colorKey = 0;
    std::uint8_t alpha = 255;
    std::uint32_t flags = 0;
  };

  bool Accepts(Hwnd hwnd);
  Before Read(Hwnd hwnd);
  bool Apply(Hwnd hwnd, const Before& before, int percent);
  void Restore(Hwnd hwnd, const Before& before);

  WindowSystem& ws_;
  std::map<Hwnd, Before> changed_;
};

}  // namespace hovrel
