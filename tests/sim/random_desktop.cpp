// The seeded window generator; see random_desktop.h.
#include "sim/random_desktop.h"

#include <array>
#include <string_view>

namespace hovrel::sim {
namespace {

constexpr std::array<std::string_view, 8> kAsciiWords = {
    "Untitled", "Notepad", "report.txt", "Inbox", "Microsoft Word", "Calculator", "README", "build"};
constexpr std::array<std::string_view, 6> kCyrillicWords = {
    "Отчёт", "Редактор", "Почта", "Документ", "ёжик", "Письмо"};
constexpr std::array<std::string_view, 6> kCjkWords = {
    "報告書", "エディタ", "文档", "메모장", "設定", "受信トレイ"};
constexpr std::string_view kControls = "\t\r\n\x01\x07\x1b\x1f\x7f";

constexpr std::size_t kHugeTitle = std::size_t{64} * 1024;

template <std::size_t N>
std::string_view Pick(RandomWindows& random, const std::array<std::string_view, N>& words) {
  return words[random.Below(N)];
}

}  // namespace

std::string RandomWindows::PlainTitle() {
  std::string title;
  const std::size_t words = 1 + Below(8);
  for (std::size_t i = 0; i < words; ++i) {
    if (i > 0) title += Chance(50) ? " - " : " ";
    switch (Below(3)) {
      case 0: title += Pick(*this, kAsciiWords); break;
      case 1: title += Pick(*this, kCyrillicWords); break;
      default: title += Pick(*this, kCjkWords); break;
    }
  }
  return title;
}

std::string RandomWindows::HostileTitle() {
  std::string title;
  switch (Below(8)) {
    case 0: break;
    case 1: title = given_.empty() ? PlainTitle() : given_[Below(given_.size())]; break;
    case 2: title.assign(1 + Below(5), ' '); break;
    case 3:
      title = PlainTitle();
      title.insert(Below(title.size() + 1), 1, kControls[Below(kControls.size())]);
      break;
    case 4: title = Chance(3) ? std::string(kHugeTitle, 'W') : PlainTitle(); break;
    default: title = PlainTitle(); break;
  }
  given_.push_back(title);
  return title;
}

std::uint32_t RandomWindows::Style() {
  constexpr std::array<std::uint32_t, 6> kStyles = {
      kFramedStyle, kPopupStyle, kFramedStyle & ~WS_VISIBLE, kFramedStyle | WS_MINIMIZE,
      WS_VISIBLE | WS_BORDER, 0};
  if (Chance(15)) return static_cast<std::uint32_t>(engine_());
  return kStyles[Below(kStyles.size())];
}

std::uint32_t RandomWindows::PlainStyle() {
  const std::size_t draw = Below(10);
  if (draw < 5) return kFramedStyle;
  if (draw < 7) return kPopupStyle;
  return 0;  // hidden, as the many helper windows of a desktop are
}

void AddPlainWindows(SimulatedDesktop& desktop, RandomWindows& random, int count) {
  for (int i = 0; i < count; ++i)
    desktop.Add(WindowOptions{random.PlainTitle(), random.PlainStyle(), random.Chance(2)});
}

}  // namespace hovrel::sim
