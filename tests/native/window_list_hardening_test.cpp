// The window list under pressure: a desktop of ten thousand windows,
// thousands of random desktops checked against what must be listed, hostile
// titles, and a window destroyed while the walk stands on it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "inventory/window_list.h"
#include "sim/fake_list_box.h"
#include "sim/random_desktop.h"
#include "sim/simulated_desktop.h"

namespace hovrel {
namespace {

using sim::kFramedStyle;
using Row = std::pair<std::string, Hwnd>;

std::vector<Row> RowsOf(const ListBox& list) {
  std::vector<Row> rows;
  for (int i = 0; i < list.ListCount(); ++i) rows.emplace_back(list.List(i), list.ItemData(i));
  return rows;
}

// The list box's collation: letter case does not count.
bool CaseBlindBefore(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

// Checks each row against the desktop and the order of rows; returns the
// first fault found, or an empty text.
std::string FirstFault(const sim::SimulatedDesktop& desktop, const std::vector<Row>& rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].first != desktop.Title(rows[i].second))
      return "row " + std::to_string(i) + " shows another window's title";
    if (i > 0 && CaseBlindBefore(rows[i].first, rows[i - 1].first))
      return "row " + std::to_string(i) + " is out of order";
  }
  return {};
}

class WindowListHardeningTest : public ::testing::Test {
 protected:
  sim::SimulatedDesktop desktop;
  sim::FakeListBox list;
};

TEST_F(WindowListHardeningTest, TenThousandWindowsAreListedSortedWithTheirOwnHandles) {
  const Hwnd self = desktop.Add("Quarrow Hovrel");
  sim::RandomWindows random(7);
  for (int i = 0; i < 10'000; ++i)
    desktop.Add(std::to_string(10'000 - i) + " " + random.PlainTitle(), kFramedStyle);
  int reads = 0;
  desktop.afterEachRead = [&](std::string_view, Hwnd) { ++reads; };
  FindAllApps(desktop, list, self, true, kAppFilterMask);
  const std::vector<Row> rows = RowsOf(list);
  ASSERT_EQ(rows.size(), 10'000u);
  EXPECT_EQ(FirstFault(desktop, rows), "");
  // One pass: the first step, four calls per window, and the check that
  // the last window really is the last.
  EXPECT_LE(reads, 4 * 10'001 + 2);
}

TEST_F(WindowListHardeningTest, RandomDesktopsListExactlyTheTitledWindowsThatPass) {
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
      const Hwnd hwnd = desktop.Add(
          sim::WindowOptions{random.HostileTitle(), random.Style(), random.Chance(20)});
      if (i == selfAt) self = hwnd;
    }
    const bool filterOn = random.Chance(50);
    FindAllApps(desktop, list, self, filterOn, kAppFilterMask);

    std::vector<Row> expected;
    for (Hwnd hwnd : desktop.Handles()) {
      const auto style = static_cast<std::uint32_t>(desktop.GetWindowLongA(hwnd, GWL_STYLE));
      const bool passes = !filterOn || (style & kAppFilterMask) == kAppFilterMask;
      if (passes && hwnd != self && !desktop.Title(hwnd).empty())
        expected.emplace_back(desktop.Title(hwnd), hwnd);
    }
    std::vector<Row> rows = RowsOf(list);
    const std::string fault = FirstFault(desktop, rows);
    std::sort(rows.begin(), rows.end());
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(fault, "") << "seed " << seed;
    ASSERT_TRUE(rows == expected) << "seed " << seed << ": " << rows.size() << " rows, "
                                  << expected.size() << " expected";
  }
}

struct TitleCase {
  const char* name;
  std::string title;
  // What the window is retitled to between the length and the text query;
  // the same title when it does not change.
  std::string titleWhenRead;
  bool listed;
  std::string row;
};

TEST_F(WindowListHardeningTest, TitlesAreListedAsReadAndCutToTheReportedLength) {
  const std::string huge(64 * 1024, 'x');
  const std::string control = "Build\t1\r\n\x01\x7f done";
  const TitleCase cases[] = {
      {"64 K characters", huge, huge, true, huge},
      {"control characters", control, control, true, control},
      {"blanks only", "   ", "   ", true, "   "},
      {"grows to 64 K", "abc", huge, true, "xxx"},
      {"shrinks", "Saving document", "Saved", true, "Saved"},
      {"grows after other scripts", "Отчёт", "Отчёт — Редактор", true, "Отчёт"},
      {"emptied", "Loading", "", false, ""},
  };
  const Hwnd self = desktop.Add("Quarrow Hovrel");
  for (const auto& c : cases) {
    const Hwnd hwnd = desktop.Add(c.title);
    desktop.AfterNextLengthQuery(hwnd, [&] { desktop.Retitle(hwnd, c.titleWhenRead); });
    FindAllApps(desktop, list, self, true, kAppFilterMask);
    const std::vector<Row> rows = RowsOf(list);
    if (c.listed) {
      ASSERT_EQ(rows.size(), 1u) << c.name;
      EXPECT_TRUE(rows[0].first == c.row) << c.name << ": row of " << rows[0].first.size() << " chars";
      EXPECT_EQ(rows[0].second, hwnd) << c.name;
    } else {
      EXPECT_TRUE(rows.empty()) << c.name;
    }
    desktop.Remove(hwnd);
  }
}

struct GoneCase {
  const char* name;
  // The call after which the window under the walk is destroyed.
  std::string_view after;
  std::vector<std::string> rows;
};

TEST_F(WindowListHardeningTest, WindowDestroyedUnderTheWalkDoesNotCutTheListShort) {
  const GoneCase cases[] = {
      // Read in full before it went: its row stays until the next rebuild.
      {"after its text was read", "GetWindowTextA", {"A", "B", "C", "D"}},
      {"after its length was read", "GetWindowTextLengthA", {"A", "C", "D"}},
      {"after its style was read", "GetWindowLongA", {"A", "C", "D"}},
  };
  for (const auto& c : cases) {
    sim::SimulatedDesktop desktop;
    sim::FakeListBox list;
    // Added bottom first: the z-order is self, A, B, C, D.
    const Hwnd d = desktop.Add("D");
    desktop.Add("C");
    const Hwnd b = desktop.Add("B");
    desktop.Add("A");
    const Hwnd self = desktop.Add("Quarrow Hovrel");
    desktop.afterEachRead = [&](std::string_view op, Hwnd hwnd) {
      if (hwnd == b && op == c.after) desktop.Remove(b);
    };
    FindAllApps(desktop, list, self, true, kAppFilterMask);
    std::vector<std::string> titles;
    for (const Row& row : RowsOf(list)) titles.push_back(row.first);
    EXPECT_EQ(titles, c.rows) << c.name;
    EXPECT_EQ(list.ItemData(list.Find("D")), d) << c.name;
  }
}

TEST_F(WindowListHardeningTest, WalkEndsWhenEveryWindowUnderItIsDestroyed) {
  for (int i = 0; i < 50; ++i) desktop.Add("Window " + std::to_string(i));
  const Hwnd self = desktop.Add("Quarrow Hovrel");
  desktop.afterEachRead = [&](std::string_view op, Hwnd hwnd) {
    if (op == "GetWindowTextA") desktop.Remove(hwnd);
  };
  FindAllApps(desktop, list, self, true, kAppFilterMask);
  // The first window is listed and destroyed, the walk starts over once,
  // lists the next and loses its way again: it ends rather than loops.
  EXPECT_EQ(list.ListCount(), 2);
}

}  // namespace
}  // namespace hovrel
