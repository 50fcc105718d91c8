// Seeded random windows for the hardening tests and the benchmarks: titles
// of varied length and script (and, for the tests, hostile ones), framed,
// frameless and hidden styles. The same seed gives the same desktop again.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "sim/simulated_desktop.h"

namespace hovrel::sim {

class RandomWindows {
 public:
  explicit RandomWindows(std::uint32_t seed) : engine_(seed) {}

  // One to eight words in ASCII, Cyrillic or CJK (UTF-8).
  std::string PlainTitle() {
    static constexpr std::string_view kWords[] = {
        "Untitled", "Notepad", "report.txt", "Inbox", "Microsoft Word", "README",
        "Отчёт",    "Редактор", "Почта",     "ёжик",  "報告書",         "エディタ", "文档", "메모장"};
    std::string title(Pick(kWords));
    for (std::size_t more = Below(8); more > 0; --more) (title += Chance(50) ? " - " : " ") += Pick(kWords);
    return title;
  }
  // Also empty, blanks-only, control characters, repeats, rarely 64 K characters.
  std::string HostileTitle() {
    static constexpr std::string_view kControls = "\t\r\n\x01\x07\x1b\x1f\x7f";
    std::string title = PlainTitle();
    switch (Below(8)) {
      case 0: title.clear(); break;
      case 1: if (!given_.empty()) title = given_[Below(given_.size())]; break;
      case 2: title.assign(1 + Below(5), ' '); break;
      case 3: title.insert(Below(title.size() + 1), 1, kControls[Below(kControls.size())]); break;
      case 4: if (Chance(3)) title.assign(std::size_t{64} * 1024, 'W'); break;
      default: break;
    }
    return given_.emplace_back(title);
  }
  // Framed, frameless popup, hidden, minimised, bare border, or any bits.
  std::uint32_t Style() {
    static constexpr std::uint32_t kStyles[] = {kFramedStyle, kPopupStyle, kFramedStyle & ~WS_VISIBLE,
                                                kFramedStyle | WS_MINIMIZE, WS_VISIBLE | WS_BORDER, 0};
    return Chance(15) ? static_cast<std::uint32_t>(engine_()) : Pick(kStyles);
  }
  // Framed, frameless or hidden, in the proportions of a busy desktop.
  std::uint32_t PlainStyle() {
    const std::size_t draw = Below(10);
    return draw < 5 ? kFramedStyle : draw < 7 ? kPopupStyle : 0;
  }

  bool Chance(int percent) { return Below(100) < static_cast<std::size_t>(percent); }
  // A number in [0, n); n must be above 0.
  std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(engine_); }

 private:
  template <typename T, std::size_t N>
  T Pick(const T (&items)[N]) { return items[Below(N)]; }

  std::mt19937 engine_;
  std::vector<std::string> given_;
};

// Adds `count` windows with plain titles and styles (some topmost).
inline void AddPlainWindows(SimulatedDesktop& desktop, RandomWindows& random, int count) {
  for (int i = 0; i < count; ++i)
    desktop.Add(WindowOptions{random.PlainTitle(), random.PlainStyle(), random.Chance(2)});
}

}  // namespace hovrel::sim
