// Top, Reset and Switch on the simulated desktop: bands, restore rules, the
// beep on no selection, and that the list is left alone.
#include <gtest/gtest.h>

#include "inventory/placement.h"
#include "inventory/window_list.h"
#include "sim/fake_list_box.h"
#include "sim/simulated_desktop.h"

namespace hovrel {
namespace {

using sim::kFramedStyle;

class PlacementTest : public ::testing::Test {
 protected:
  // Lists the windows with the filter off and selects the row of `hwnd`.
  void Select(Hwnd hwnd) {
    FindAllApps(desktop, list, self, false, kAppFilterMask);
    list.Select(list.Find(desktop.Title(hwnd)));
  }

  sim::SimulatedDesktop desktop;
  sim::FakeListBox list;
  Hwnd self = desktop.Add("Quarrow Hovrel");
};

struct PlacementCase {
  const char* name;
  Placement placement;
  std::uint32_t style;
  bool startsTopmost;
  bool endsTopmost;
  bool endsMinimised;
  bool endsInFront;
};

TEST_F(PlacementTest, EachCommandPutsTheWindowInItsBand) {
  const PlacementCase cases[] = {
      {"top ordinary", Placement::Top, kFramedStyle, false, true, false, true},
      {"top already topmost", Placement::Top, kFramedStyle, true, true, false, true},
      {"top minimised restores first", Placement::Top, kFramedStyle | WS_MINIMIZE, false, true, false, true},
      {"switch minimised restores", Placement::Switch, kFramedStyle | WS_MINIMIZE, false, false, false, false},
      {"switch keeps topmost", Placement::Switch, kFramedStyle, true, true, false, true},
      {"reset topmost", Placement::Reset, kFramedStyle, true, false, false, false},
      {"reset minimised stays minimised", Placement::Reset, kFramedStyle | WS_MINIMIZE, true, false, true, false},
      {"reset ordinary stays ordinary", Placement::Reset, kFramedStyle, false, false, false, false},
  };
  for (const auto& c : cases) {
    const Hwnd target = desktop.Add(sim::WindowOptions{"Target", c.style, c.startsTopmost});
    const Hwnd pinned = desktop.Add(sim::WindowOptions{"Other topmost", kFramedStyle, true});
    const Hwnd above = desktop.Add("Ordinary above target");
    Select(target);
    PlaceSelectedWindow(desktop, list, c.placement);
    EXPECT_EQ(desktop.IsTopmost(target), c.endsTopmost) << c.name;
    EXPECT_EQ(desktop.IsMinimised(target), c.endsMinimised) << c.name;
    EXPECT_EQ(desktop.ZOrder().front() == target, c.endsInFront) << c.name;
    EXPECT_EQ(desktop.beeps, 0) << c.name;
    for (Hwnd hwnd : {target, pinned, above}) desktop.Remove(hwnd);
  }
}

TEST_F(PlacementTest, SwitchBringsAnOrdinaryWindowToTheTopOfItsBand) {
  const Hwnd target = desktop.Add("Target");
  const Hwnd pinned = desktop.Add(sim::WindowOptions{"Pinned", kFramedStyle, true});
  desktop.Add("Covering");
  Select(target);
  PlaceSelectedWindow(desktop, list, Placement::Switch);
  const auto order = desktop.ZOrder();
  EXPECT_EQ(order[0], pinned);
  EXPECT_EQ(order[1], target);
}

TEST_F(PlacementTest, RestoreIsCalledOnlyForMinimisedWindowsAndNeverByReset) {
  const Hwnd normal = desktop.Add("Normal");
  const Hwnd minimised = desktop.Add("Minimised", kFramedStyle | WS_MINIMIZE);
  struct Case {
    Placement placement;
    Hwnd target;
    bool restores;
  } cases[] = {{Placement::Top, normal, false},     {Placement::Top, minimised, true},
               {Placement::Switch, minimised, true}, {Placement::Reset, minimised, false}};
  for (const auto& c : cases) {
    desktop.SetStyle(minimised, kFramedStyle | WS_MINIMIZE);
    desktop.calls.clear();
    Select(c.target);
    PlaceSelectedWindow(desktop, list, c.placement);
    std::vector<sim::Call> expected;
    if (c.restores) expected.push_back({"ShowWindow", c.target, 0, 0, SW_RESTORE});
    const Hwnd after = c.placement == Placement::Top    ? HWND_TOPMOST
                       : c.placement == Placement::Reset ? HWND_NOTOPMOST
                                                         : HWND_TOP;
    expected.push_back({"SetWindowPos", c.target, after, 0x43, 0});
    EXPECT_EQ(desktop.calls, expected);
  }
}

TEST_F(PlacementTest, HiddenWindowIsShownByEveryCommand) {
  for (Placement placement : {Placement::Top, Placement::Reset, Placement::Switch}) {
    const Hwnd hidden = desktop.Add("Hidden helper", kFramedStyle & ~WS_VISIBLE);
    Select(hidden);
    PlaceSelectedWindow(desktop, list, placement);
    EXPECT_TRUE(desktop.IsVisible(hidden));
    desktop.Remove(hidden);
  }
}

TEST_F(PlacementTest, NoSelectionBeepsOnceAndChangesNothing) {
  desktop.Add("Some window");
  FindAllApps(desktop, list, self, true, kAppFilterMask);
  for (Placement placement : {Placement::Top, Placement::Reset, Placement::Switch}) {
    desktop.beeps = 0;
    const auto order = desktop.ZOrder();
    PlaceSelectedWindow(desktop, list, placement);
    EXPECT_EQ(desktop.beeps, 1);
    EXPECT_TRUE(desktop.calls.empty());
    EXPECT_EQ(desktop.ZOrder(), order);
  }
}

TEST_F(PlacementTest, StaleHandleDoesNothingAndReportsNothing) {
  const Hwnd gone = desktop.Add("Closed meanwhile");
  Select(gone);
  desktop.Remove(gone);
  const auto order = desktop.ZOrder();
  for (Placement placement : {Placement::Top, Placement::Reset, Placement::Switch})
    PlaceSelectedWindow(desktop, list, placement);
  EXPECT_EQ(desktop.ZOrder(), order);
  EXPECT_EQ(desktop.beeps, 0);
  EXPECT_EQ(list.ListCount(), 1);
  EXPECT_EQ(list.ListIndex(), 0);
}

}  // namespace
}  // namespace hovrel
