// The window list under pressure: a desktop of ten thousand windows, and
// thousands of random desktops checked against what must be listed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "inventory/window_list.h"
#include "sim/fake_list_box.h"
#include "sim/random_desktop.h"
#include "sim/simulated_desktop.h"

namespace hovrel {
namespace {

using Rows = std::vector<std::pair<std::string, Hwnd>>;

// Checks each row against the desktop and the order of rows (the list box's
// collation: letter case does not count); returns the first fault found.
std::string FirstFault(const sim::SimulatedDesktop& desktop, const Rows& rows) {
  const auto caseBlindBefore = [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
  };
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].first != desktop.Title(rows[i].second))
      return "row " + std::to_string(i) + " shows another window's title";
    if (i > 0 && caseBlindBefore(rows[i].first, rows[i - 1].first))
      return "row " + std::to_string(i) + " is out of order";
  }
  return {};
}

TEST(WindowListHardening, TenThousandWindowsAreListedSortedWithTheirOwnHandles) {
  sim::SimulatedDesktop desktop;
  sim::FakeListBox list;
  const Hwnd self = desktop.Add("Quarrow Hovrel");
  sim::RandomWindows random(7);
  for (int i = 0; i < 10'000; ++i) desktop.Add(std::to_string(10'000 - i) + " " + random.PlainTitle());
  int reads = 0;
  desktop.afterEachRead = [&](std::string_view, Hwnd) { ++reads; };
  FindAllApps(desktop, list, self, true, kAppFilterMask);
  const Rows rows = list.Rows();
  ASSERT_EQ(rows.size(), 10'000u);
  EXPECT_EQ(FirstFault(desktop, rows), "");
  // One pass: the first step, four calls per window, and the check that
  // the last window really is the last.
  EXPECT_LE(reads, 4 * 10'001 + 2);
}

TEST(WindowListHardening, RandomDesktopsListExactlyTheTitledWindowsThatPass) {
  constexpr std::uint32_t kFirstSeed = 20'240'601;
  constexpr int kDesktops = 2'000;
  for (std::uint32_t seed = kFirstSeed; seed < kFirstSeed + kDesktops; ++seed) {
    sim::SimulatedDesktop desktop;
    sim::FakeListBox list;
    sim::RandomWindows random(seed);
    const std::size_t count = random.Below(30);
    const std::size_t selfAt = random.Below(count + 1);
    Hwnd self = 0;
    for (std::size_t i = 0; i <= count; ++i) {
      const Hwnd hwnd = desktop.Add(sim::WindowOptions{random.HostileTitle(), random.Style(), random.Chance(20)});
      if (i == selfAt) self = hwnd;
    }
    const bool filterOn = random.Chance(50);
    FindAllApps(desktop, list, self, filterOn, kAppFilterMask);

    Rows expected;
    for (Hwnd hwnd : desktop.ZOrder()) {
      const sim::WindowOptions window = desktop.Options(hwnd);
      const bool passes = !filterOn || (window.style & kAppFilterMask) == kAppFilterMask;
      if (passes && hwnd != self && !window.title.empty()) expected.emplace_back(window.title, hwnd);
    }
    Rows rows = list.Rows();
    ASSERT_EQ(FirstFault(desktop, rows), "") << "seed " << seed;
    std::sort(rows.begin(), rows.end());
    std::sort(expected.begin(), expected.end());
    ASSERT_TRUE(rows == expected) << "seed " << seed << ": " << rows.size() << " rows, "
                                  << expected.size() << " expected";
  }
}

}  // namespace
}  // namespace hovrel
