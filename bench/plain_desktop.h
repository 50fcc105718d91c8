// Seeded random windows for the rebuild benchmark: titles of varied length
// and script, framed, frameless and hidden styles in the proportions of a busy
// desktop. The same seed gives the same desktop again.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "sim/simulated_desktop.h"

namespace hovrel::bench {

// Adds `count` windows with one to eight words in ASCII, Cyrillic or CJK
// (UTF-8).
inline void AddPlainWindows(sim::SimulatedDesktop& desktop, std::uint32_t seed, int count) {
  static constexpr std::string_view kWords[] = {
      "Untitled", "Notepad", "report.txt", "Inbox", "Microsoft Word", "README",
      "Отчёт",    "Редактор", "Почта",     "ёжик",  "報告書",         "エディタ", "文档", "메모장"};
  std::mt19937 engine(seed);
  const auto below = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(engine); };
  for (int i = 0; i < count; ++i) {
    std::string title(kWords[below(std::size(kWords))]);
    for (std::size_t more = below(8); more > 0; --more)
      (title += below(2) == 0 ? " - " : " ") += kWords[below(std::size(kWords))];
    const std::size_t draw = below(10);
    const std::uint32_t style = draw < 5 ? sim::kFramedStyle : draw < 7 ? sim::kPopupStyle : 0;
    desktop.Add(title, style);
  }
}

}  // namespace hovrel::bench
