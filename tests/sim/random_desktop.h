// Seeded random windows for the hardening tests and the benchmarks: titles
// of varied length and script (and, for the tests, hostile ones), framed,
// frameless and hidden styles. The same seed gives the same desktop again.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "sim/simulated_desktop.h"

namespace hovrel::sim {

class RandomWindows {
 public:
  explicit RandomWindows(std::uint32_t seed) : engine_(seed) {}

  // Words in ASCII, Cyrillic or CJK (UTF-8), one to eight of them: what
  // real desktops show.
  std::string PlainTitle();
  // Plain titles mixed with empty, blanks-only, control characters,
  // repeats of earlier titles and, rarely, 64 K characters.
  std::string HostileTitle();
  // Framed, frameless popup, hidden, minimised, bare border, or any bits.
  std::uint32_t Style();
  // Framed, frameless or hidden, in the proportions of a busy desktop.
  std::uint32_t PlainStyle();

  bool Chance(int percent) { return Below(100) < static_cast<std::size_t>(percent); }
  // A number in [0, n); n must be above 0.
  std::size_t Below(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(engine_);
  }

 private:
  std::mt19937 engine_;
  std::vector<std::string> given_;
};

// Adds `count` windows with plain titles and styles (some topmost).
void AddPlainWindows(SimulatedDesktop& desktop, RandomWindows& random, int count);

}  // namespace hovrel::sim
