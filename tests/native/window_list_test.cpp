// The window list rebuild on the simulated desktop: which windows get rows,
// in what order, each with its own window's handle, titles as read, windows
// destroyed under the walk; and under pressure: ten thousand windows, seeded
// random desktops, and desktops changing between any two calls of a rebuild
// (a seeded interleaving from the after-each-read hook). Failures name seeds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <tuple>

#include "inventory/window_list.h"
#include "sim/fake_list_box.h"
#include "sim/random_desktop.h"
#include "sim/simulated_desktop.h"

namespace hovrel {
namespace {

using sim::kFramedStyle;
using sim::Rows;

class WindowListTest : public ::testing::Test {
 protected:
  Rows Rebuild(bool showOnlyApps = true) {
    RebuildWindowList(desktop, list, self, showOnlyApps, kAppFilterMask);
    return list.Rows();
  }

  sim::SimulatedDesktop desktop;
  sim::FakeListBox list;
  Hwnd self = desktop.Add("Quarrow Hovrel");
};

TEST_F(WindowListTest, RowsAreSortedAndEachKeepsItsOwnHandle) {
  const Hwnd zulu = desktop.Add("Zulu");
  const Hwnd alpha = desktop.Add("alpha");
  const Hwnd mike = desktop.Add("Mike");
  const Hwnd notes = desktop.Add("Untitled - Notepad");
  const Hwnd moreNotes = desktop.Add("Untitled - Notepad");
  desktop.Add("", kFramedStyle);
  desktop.Add("", 0);
  // Of two equal titles, the one higher in the z-order is read first.
  const Rows rows = {{"alpha", alpha}, {"Mike", mike}, {"Untitled - Notepad", moreNotes},
                     {"Untitled - Notepad", notes}, {"Zulu", zulu}};
  // Never the main window, nor an untitled one, whatever the filter.
  EXPECT_EQ(Rebuild(true), rows);
  EXPECT_EQ(Rebuild(false), rows);
  EXPECT_EQ(list.ListIndex(), -1);
}

TEST_F(WindowListTest, FilterLetsThroughOnlyVisibleFramedWindows) {
  const std::tuple<const char*, std::uint32_t, bool> cases[] = {  // name, style, listed with the filter
      {"framed", kFramedStyle, true},
      {"frameless popup", sim::kPopupStyle, false},
      {"hidden framed", kFramedStyle & ~WS_VISIBLE, false},
      {"hidden service", 0, false},
      {"border only", WS_VISIBLE | WS_BORDER, true},
      {"minimised framed", kFramedStyle | WS_MINIMIZE, true},
  };
  for (const auto& [name, style, listed] : cases) desktop.Add(name, style);
  for (bool filterOn : {true, false}) {
    Rebuild(filterOn);
    for (const auto& [name, style, listed] : cases)
      EXPECT_EQ(list.Find(name) >= 0, listed || !filterOn) << name << " with filter " << filterOn;
  }
}

TEST_F(WindowListTest, TitlesAreListedAsReadAndCutToTheReportedLength) {
  const std::string huge(64 * 1024, 'x');
  const std::string control = "Build\t1\r\n\x01\x7f done";
  // The title, what it is changed to between the length and the text query,
  // and the row; none when the title was emptied.
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {huge, huge, huge},
      {control, control, control},
      {"   ", "   ", "   "},
      {"abc", huge, "xxx"},
      {"Saving document", "Saved", "Saved"},
      {"Отчёт", "Отчёт — Редактор", "Отчёт"},
      {"Loading", "", ""},
  };
  for (const auto& [title, titleWhenRead, row] : cases) {
    const Hwnd hwnd = desktop.Add(title);
    desktop.afterEachRead = [&](std::string_view op, Hwnd read) {
      if (read == hwnd && op == "GetWindowTextLengthA") desktop.Retitle(hwnd, titleWhenRead);
    };
    const Rows expected = row.empty() ? Rows{} : Rows{{row, hwnd}};
    EXPECT_TRUE(Rebuild() == expected) << title.substr(0, 20) << " read as " << titleWhenRead.substr(0, 20);
    desktop.afterEachRead = nullptr;
    desktop.Remove(hwnd);
  }
}

// The first fault of the rows against the desktop: out of the list box's
// order (letter case does not count), or not exactly the listable windows
// each with its own title.
std::string FirstFault(const sim::SimulatedDesktop& desktop, Rows rows, Hwnd self, bool filterOn) {
  const auto caseBlindLess = [](const auto& a, const auto& b) {
    return std::lexicographical_compare(a.first.begin(), a.first.end(), b.first.begin(), b.first.end(), [](char x, char y) {
      return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
  };
  if (!std::is_sorted(rows.begin(), rows.end(), caseBlindLess)) return "rows out of order";
  Rows expected;
  for (Hwnd hwnd : desktop.ZOrder()) {
    const sim::WindowOptions window = desktop.Options(hwnd);
    const bool passes = !filterOn || (window.style & kAppFilterMask) == kAppFilterMask;
    if (passes && hwnd != self && !window.title.empty()) expected.emplace_back(window.title, hwnd);
  }
  std::sort(rows.begin(), rows.end());
  std::sort(expected.begin(), expected.end());
  if (rows == expected) return {};
  return std::to_string(rows.size()) + " rows, " + std::to_string(expected.size()) + " expected";
}

TEST(WindowListHardening, TenThousandWindowsAreListedSortedWithTheirOwnHandles) {
  sim::SimulatedDesktop desktop;
  sim::FakeListBox list;
  const Hwnd self = desktop.Add("Quarrow Hovrel");
  sim::RandomWindows random(7);
  for (int i = 0; i < 10'000; ++i) desktop.Add(std::to_string(10'000 - i) + " " + random.PlainTitle());
  int reads = 0;
  desktop.afterEachRead = [&](std::string_view, Hwnd) { ++reads; };
  RebuildWindowList(desktop, list, self, true, kAppFilterMask);
  EXPECT_EQ(FirstFault(desktop, list.Rows(), self, true), "");
  // One pass: three reads per window.
  EXPECT_LE(reads, 3 * 10'001);
}

TEST(WindowListHardening, RandomDesktopsListExactlyTheTitledWindowsThatPass) {
  constexpr std::uint32_t kFirstSeed = 20'240'601;
  for (std::uint32_t seed = kFirstSeed; seed < kFirstSeed + 2'000; ++seed) {
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
    RebuildWindowList(desktop, list, self, filterOn, kAppFilterMask);
    ASSERT_EQ(FirstFault(desktop, list.Rows(), self, filterOn), "") << "seed " << seed;
  }
}

// Changes the desktop at random after a read, and notes what the rebuild saw.
struct Churn {
  Churn(sim::SimulatedDesktop& desktop, Hwnd self, std::uint32_t seed) : desktop_(desktop), self_(self), random_(seed) {}
  void AfterRead(std::string_view op, Hwnd hwnd) {
    if (op == "GetWindowTextLengthA") lengthAtQuery[hwnd] = desktop_.Title(hwnd).size();
    if (op == "GetWindowTextA") titleAtRead[hwnd] = desktop_.Title(hwnd);
    if (!random_.Chance(25)) return;
    const std::vector<Hwnd> handles = desktop_.ZOrder();
    const Hwnd victim = random_.Chance(30) ? hwnd : handles[random_.Below(handles.size())];
    if (victim == self_ || !desktop_.Exists(victim)) return;
    const unsigned change = random_.Below(4);
    // Raised to the top: a walk from window to window would meet it twice.
    if (change == 2) return desktop_.SetWindowPos(victim, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    touched.insert(victim);
    switch (change) {
      case 0: desktop_.Remove(victim); break;
      case 1: desktop_.Retitle(victim, random_.HostileTitle()); break;
      default: touched.insert(desktop_.Add(sim::WindowOptions{random_.HostileTitle(), random_.Style(), random_.Chance(20)}));
    }
  }

  sim::SimulatedDesktop& desktop_;
  Hwnd self_;
  sim::RandomWindows random_;
  std::map<Hwnd, std::size_t> lengthAtQuery;
  std::map<Hwnd, std::string> titleAtRead;
  std::set<Hwnd> touched;
};

TEST(WindowListHardening, RebuildOnAChurningDesktopListsOnlyWhatItRead) {
  constexpr std::uint32_t kFirstSeed = 90'210;
  for (std::uint32_t seed = kFirstSeed; seed < kFirstSeed + 400; ++seed) {
    sim::SimulatedDesktop desktop;
    sim::FakeListBox list;
    sim::RandomWindows setup(seed);
    sim::AddPlainWindows(desktop, setup, 5 + static_cast<int>(setup.Below(40)));
    const Hwnd self = desktop.Add("Quarrow Hovrel");
    const std::vector<Hwnd> before = desktop.ZOrder();
    Churn churn(desktop, self, seed);
    desktop.afterEachRead = [&](std::string_view op, Hwnd hwnd) { churn.AfterRead(op, hwnd); };
    // The filter off: the churn then decides alone what may be missing.
    RebuildWindowList(desktop, list, self, false, kAppFilterMask);
    desktop.afterEachRead = nullptr;

    std::set<Hwnd> listed;
    for (const auto& [text, hwnd] : list.Rows()) {
      ASSERT_FALSE(text.empty()) << "seed " << seed << ": a row is empty";
      ASSERT_TRUE(listed.insert(hwnd).second) << "seed " << seed << ": window listed twice";
      ASSERT_EQ(churn.titleAtRead.count(hwnd), 1u) << "seed " << seed << ": row never read";
      const std::string asRead = churn.titleAtRead.at(hwnd).substr(0, churn.lengthAtQuery.at(hwnd));
      ASSERT_TRUE(text == asRead) << "seed " << seed << ": a row is not the title as read";
    }
    // Whatever happens to others, a window left alone is never missing.
    for (Hwnd hwnd : before) {
      const bool listable = churn.touched.count(hwnd) == 0 && hwnd != self && !desktop.Title(hwnd).empty();
      EXPECT_TRUE(!listable || listed.count(hwnd) == 1) << "seed " << seed << ": untouched " << desktop.Title(hwnd) << " missing";
    }
  }
}

}  // namespace
}  // namespace hovrel
