// The window list rebuild on the simulated desktop: which windows get rows,
// in what order, and that each row keeps its own window's handle.
#include <gtest/gtest.h>

#include <set>

#include "inventory/window_list.h"
#include "sim/fake_list_box.h"
#include "sim/simulated_desktop.h"

namespace hovrel {
namespace {

using sim::kFramedStyle;
using sim::kPopupStyle;

struct Rows {
  std::vector<std::string> titles;
  std::vector<Hwnd> handles;
};

Rows RowsOf(const ListBox& list) {
  Rows rows;
  for (int i = 0; i < list.ListCount(); ++i) {
    rows.titles.push_back(list.List(i));
    rows.handles.push_back(list.ItemData(i));
  }
  return rows;
}

class WindowListTest : public ::testing::Test {
 protected:
  void Rebuild(bool showOnlyApps = true) {
    FindAllApps(desktop, list, self, showOnlyApps, kAppFilterMask);
  }

  sim::SimulatedDesktop desktop;
  sim::FakeListBox list;
  Hwnd self = desktop.Add("Quarrow Hovrel");
};

TEST_F(WindowListTest, RowsAreSortedAndEachKeepsItsOwnHandle) {
  const Hwnd zulu = desktop.Add("Zulu");
  const Hwnd alpha = desktop.Add("alpha");
  const Hwnd mike = desktop.Add("Mike");
  Rebuild();
  const Rows rows = RowsOf(list);
  EXPECT_EQ(rows.titles, (std::vector<std::string>{"alpha", "Mike", "Zulu"}));
  EXPECT_EQ(rows.handles, (std::vector<Hwnd>{alpha, mike, zulu}));
  EXPECT_EQ(list.ListIndex(), -1);
}

struct FilterCase {
  const char* name;
  std::uint32_t style;
  bool listedWithFilter;
  bool listedWithoutFilter;
};

TEST_F(WindowListTest, FilterLetsThroughOnlyVisibleFramedWindows) {
  const FilterCase cases[] = {
      {"framed", kFramedStyle, true, true},
      {"frameless popup", kPopupStyle, false, true},
      {"hidden framed", kFramedStyle & ~WS_VISIBLE, false, true},
      {"hidden service", 0, false, true},
      {"border only", WS_VISIBLE | WS_BORDER, true, true},
      {"minimised framed", kFramedStyle | WS_MINIMIZE, true, true},
  };
  for (const auto& c : cases) desktop.Add(c.name, c.style);
  for (bool filterOn : {true, false}) {
    Rebuild(filterOn);
    for (const auto& c : cases) {
      const bool expected = filterOn ? c.listedWithFilter : c.listedWithoutFilter;
      EXPECT_EQ(list.Find(c.name) >= 0, expected) << c.name << " with filter " << filterOn;
    }
  }
}

TEST_F(WindowListTest, OwnMainWindowAndUntitledWindowsAreNeverListed) {
  desktop.Add("", kFramedStyle);
  desktop.Add("", 0);
  const Hwnd ownAbout = desktop.Add("About Quarrow Hovrel");
  for (bool filterOn : {true, false}) {
    Rebuild(filterOn);
    const Rows rows = RowsOf(list);
    EXPECT_EQ(rows.titles, std::vector<std::string>{"About Quarrow Hovrel"});
    EXPECT_EQ(rows.handles, std::vector<Hwnd>{ownAbout});
  }
}

TEST_F(WindowListTest, SameTitleGivesOneRowPerWindow) {
  const Hwnd first = desktop.Add("Untitled - Notepad");
  const Hwnd second = desktop.Add("Untitled - Notepad");
  Rebuild();
  const Rows rows = RowsOf(list);
  ASSERT_EQ(rows.titles.size(), 2u);
  EXPECT_EQ(std::set<Hwnd>(rows.handles.begin(), rows.handles.end()), (std::set<Hwnd>{first, second}));
}

TEST_F(WindowListTest, TitleChangingAfterLengthQueryIsCutOrDropped) {
  // Lowest in z-order of the three, since the walk cannot step on from a
  // window that has gone.
  const Hwnd closes = desktop.Add("Closing");
  desktop.AfterNextLengthQuery(closes, [&] { desktop.Remove(closes); });
  const Hwnd grows = desktop.Add("Report");
  desktop.AfterNextLengthQuery(grows, [&] { desktop.Retitle(grows, "Report (modified)"); });
  const Hwnd empties = desktop.Add("Loading");
  desktop.AfterNextLengthQuery(empties, [&] { desktop.Retitle(empties, ""); });
  Rebuild();
  const Rows rows = RowsOf(list);
  EXPECT_EQ(rows.titles, std::vector<std::string>{"Report"});
  EXPECT_EQ(rows.handles, std::vector<Hwnd>{grows});
}

TEST_F(WindowListTest, RebuildEmptiesTheListAndClearsTheSelection) {
  desktop.Add("One");
  const Hwnd two = desktop.Add("Two");
  Rebuild();
  list.Select(1);
  desktop.Remove(two);
  Rebuild();
  EXPECT_EQ(RowsOf(list).titles, std::vector<std::string>{"One"});
  EXPECT_EQ(list.ListIndex(), -1);
}

TEST_F(WindowListTest, RowsAreAddedOnlyWhileRedrawIsSuspended) {
  for (int i = 0; i < 20; ++i) desktop.Add("Window " + std::to_string(i));
  Rebuild();
  Rebuild();
  EXPECT_EQ(list.rowsAddedWhileDrawing, 0);
  EXPECT_EQ(list.refillDepth(), 0);
  EXPECT_EQ(list.reserved(), 20);
}

TEST_F(WindowListTest, ToggledFilterTwiceGivesTheSameList) {
  desktop.Add("Editor");
  desktop.Add("tray helper", 0);
  desktop.Add("splash", kPopupStyle);
  Rebuild(true);
  const Rows before = RowsOf(list);
  Rebuild(false);
  EXPECT_EQ(list.ListCount(), 3);
  Rebuild(true);
  EXPECT_EQ(RowsOf(list).titles, before.titles);
  EXPECT_EQ(RowsOf(list).handles, before.handles);
}

}  // namespace
}  // namespace hovrel
