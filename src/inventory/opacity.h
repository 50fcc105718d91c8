// Seeing through a window: its opacity stepped down or up, what each changed
// window was like before, and that state given back at 100% and when the
// program ends. A change of a window's style waits for the window, so a
// SeeThrough lives on a lane of its own (OpacityWork), and only that lane
// calls it. WindowOpacity reads without waiting and may be called anywhere.
#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include "inventory/notes.h"
#include "platform/window_system.h"

namespace hovrel {

// One step, and the least opacity, so that no window can vanish.
inline constexpr int kOpacityStep = 10;
inline constexpr int kLeastOpacity = 20;
// How long a window's thread may take to answer before its style is changed.
// One that does not is busy or hung: a change would wait for it, for ever.
inline constexpr unsigned kProbeMs = 300;

// The alpha for that many per cent, rounded.
constexpr std::uint8_t AlphaOfPercent(int percent) { return static_cast<std::uint8_t>((255 * percent + 50) / 100); }

// The window's opacity in per cent, rounded: 100 unless it is layered with an
// alpha that it or the program set. `exStyle` is its extended style. Reads
// the layered attributes, which sends the window no message.
int WindowOpacity(WindowSystem& ws, Hwnd window, std::uint32_t exStyle);

// What a step did: the opacity now (Outcome::Opacity), or why the window
// was left as it was; `refused` when the user is told so by a beep.
struct Stepped {
  Outcome outcome;
  bool refused;
};

class SeeThrough {
 public:
  explicit SeeThrough(WindowSystem& ws) : ws_(ws) {}
  SeeThrough(const SeeThrough&) = delete;
  SeeThrough& operator=(const SeeThrough&) = delete;

  // `steps` steps less opaque (negative) or more, between the least and
  // 100%; at 100% the window gets back the state it had before the first
  // change. Refuses, changing nothing, a window that cannot be seen through,
  // is out of reach, does not answer or refuses the change, and a step down
  // that would raise it.
  Stepped Step(Hwnd hwnd, int steps);
  // Every window changed, and still the same window, gets back the state it
  // had: first each its alpha, which waits for no window, then those that
  // answer lose the layered style they did not have. One that does not
  // answer stays layered, opaque.
  void RestoreAll();

 private:
  // As the window was before its first change, and whose it was: a handle
  // is given to a new window once its window has gone.
  struct Before {
    std::uint32_t exStyle;
    std::uint32_t thread;
    std::uint32_t process = 0;
    std::uint32_t colorKey = 0;
    std::uint8_t alpha = 255;
    std::uint32_t flags = 0;
  };

  // Why the window cannot be stepped; none when it can.
  std::optional<Outcome> Refusal(Hwnd hwnd);
  bool Answers(Hwnd hwnd);
  Before Read(Hwnd hwnd);
  bool SameWindow(Hwnd hwnd, const Before& before);
  bool Apply(Hwnd hwnd, const Before& before, int percent);
  void GiveBackAlpha(Hwnd hwnd, const Before& before);
  void GiveBackStyle(Hwnd hwnd, const Before& before);

  WindowSystem& ws_;
  std::map<Hwnd, Before> changed_;
};

}  // namespace hovrel
