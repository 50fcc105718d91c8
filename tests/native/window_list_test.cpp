// The window list rebuild on the simulated desktop: which windows get rows,
// in what order, each row with its own window's handle, titles as read, and
// a window destroyed while the walk stands on it.
#include <gtest/gtest.h>

#include "inventory/window_list.h"
#include "sim/fake_list_box.h"
#include "sim/simulated_desktop.h"

namespace hovrel {
namespace {

using sim::kFramedStyle;
using Rows = std::vector<std::pair<std::string, Hwnd>>;

class WindowListTest : public ::testing::Test {
 protected:
  Rows Rebuild(bool showOnlyApps = true) {
    FindAllApps(desktop, list, self, showOnlyApps, kAppFilterMask);
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
  struct Case {
    const char* name;
    std::uint32_t style;
    bool listedWithFilter;
  } cases[] = {
      {"framed", kFramedStyle, true},
      {"frameless popup", sim::kPopupStyle, false},
      {"hidden framed", kFramedStyle & ~WS_VISIBLE, false},
      {"hidden service", 0, false},
      {"border only", WS_VISIBLE | WS_BORDER, true},
      {"minimised framed", kFramedStyle | WS_MINIMIZE, true},
  };
  for (const auto& c : cases) desktop.Add(c.name, c.style);
  for (bool filterOn : {true, false}) {
    Rebuild(filterOn);
    for (const auto& c : cases)
      EXPECT_EQ(list.Find(c.name) >= 0, c.listedWithFilter || !filterOn) << c.name << " with filter " << filterOn;
  }
}

TEST_F(WindowListTest, TitlesAreListedAsReadAndCutToTheReportedLength) {
  const std::string huge(64 * 1024, 'x');
  const std::string control = "Build\t1\r\n\x01\x7f done";
  struct Case {
    const char* name;
    std::string title;
    // What the window is retitled to between the length and the text query.
    std::string titleWhenRead;
    bool listed;
    std::string row;
  } cases[] = {
      {"64 K characters", huge, huge, true, huge},
      {"control characters", control, control, true, control},
      {"blanks only", "   ", "   ", true, "   "},
      {"grows to 64 K", "abc", huge, true, "xxx"},
      {"shrinks", "Saving document", "Saved", true, "Saved"},
      {"grows after other scripts", "Отчёт", "Отчёт — Редактор", true, "Отчёт"},
      {"emptied", "Loading", "", false, ""},
  };
  for (const auto& c : cases) {
    const Hwnd hwnd = desktop.Add(c.title);
    desktop.afterEachRead = [&](std::string_view op, Hwnd read) {
      if (read == hwnd && op == "GetWindowTextLengthA") desktop.Retitle(hwnd, c.titleWhenRead);
    };
    const Rows rows = Rebuild();
    desktop.afterEachRead = nullptr;
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

TEST_F(WindowListTest, WindowDestroyedUnderTheWalkDoesNotCutTheListShort) {
  struct Case {
    const char* name;
    // The call after which the window under the walk is destroyed.
    std::string_view after;
    std::vector<std::string> rows;
  } cases[] = {
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
    for (const auto& row : list.Rows()) titles.push_back(row.first);
    EXPECT_EQ(titles, c.rows) << c.name;
    EXPECT_EQ(list.ItemData(list.Find("D")), d) << c.name;
  }
}

TEST_F(WindowListTest, WalkEndsWhenEveryWindowUnderItIsDestroyed) {
  for (int i = 0; i < 50; ++i) desktop.Add("Window " + std::to_string(i));
  desktop.afterEachRead = [&](std::string_view op, Hwnd hwnd) {
    if (op == "GetWindowTextA") desktop.Remove(hwnd);
  };
  // The first window is listed and destroyed, the walk starts over once,
  // lists the next and loses its way again: it ends rather than loops.
  EXPECT_EQ(Rebuild().size(), 2u);
}

}  // namespace
}  // namespace hovrel
