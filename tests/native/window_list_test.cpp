// The window list rebuild on the simulated desktop: which windows get rows,
// in what order, each row with its own window's handle, titles as read, and
// a window destroyed while the walk stands on it.
#include <gtest/gtest.h>

#include <tuple>

#include "inventory/window_list.h"
#include "sim/fake_list_box.h"
#include "sim/simulated_desktop.h"

namespace hovrel {
namespace {

using sim::kFramedStyle;
using sim::Rows;

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

TEST_F(WindowListTest, WindowDestroyedUnderTheWalkDoesNotCutTheListShort) {
  // The call after which the window under the walk is destroyed. Read in
  // full before it went, its row stays until the next rebuild.
  const std::pair<std::string_view, std::vector<std::string>> cases[] = {
      {"GetWindowTextA", {"A", "B", "C", "D"}},
      {"GetWindowTextLengthA", {"A", "C", "D"}},
      {"GetWindowLongA", {"A", "C", "D"}},
  };
  for (const auto& [after, expected] : cases) {
    sim::SimulatedDesktop desktop;
    // Added bottom first: the z-order is self, A, B, C, D.
    const Hwnd d = desktop.Add("D");
    desktop.Add("C");
    const Hwnd b = desktop.Add("B");
    desktop.Add("A");
    const Hwnd self = desktop.Add("Quarrow Hovrel");
    desktop.afterEachRead = [&](std::string_view op, Hwnd hwnd) {
      if (hwnd == b && op == after) desktop.Remove(b);
    };
    FindAllApps(desktop, list, self, true, kAppFilterMask);
    std::vector<std::string> titles;
    for (const auto& row : list.Rows()) titles.push_back(row.first);
    EXPECT_EQ(titles, expected) << after;
    EXPECT_EQ(list.ItemData(list.Find("D")), d) << after;
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
