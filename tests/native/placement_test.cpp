// The commands on the simulated desktop. Top, Reset and Switch: the calls,
// restore rules and band. End Task: which windows are asked to close, how
// their answers are lived with, and that a hung one cannot freeze us. And
// every command on a row whose window has gone.
#include <gtest/gtest.h>

#include <array>

#include "inventory/end_apps.h"
#include "inventory/placement.h"
#include "inventory/window_list.h"
#include "sim/fake_list_box.h"
#include "sim/simulated_desktop.h"

namespace hovrel {
namespace {

using sim::kFramedStyle;

TEST(PlacementTest, EachCommandRestoresAsItsRuleSaysAndPutsTheWindowInItsBand) {
  struct Case {
    const char* name;
    Placement placement;
    bool minimised, startsTopmost, restores;
    Hwnd insertAfter;
    bool endsTopmost;
  } cases[] = {
      {"top ordinary", Placement::Top, false, false, false, HWND_TOPMOST, true},
      {"top minimised", Placement::Top, true, false, true, HWND_TOPMOST, true},
      {"switch ordinary", Placement::Switch, false, false, false, HWND_TOP, false},
      {"switch minimised", Placement::Switch, true, false, true, HWND_TOP, false},
      {"switch keeps topmost", Placement::Switch, false, true, false, HWND_TOP, true},
      {"reset topmost", Placement::Reset, false, true, false, HWND_NOTOPMOST, false},
      // Reset never restores: a minimised window stays minimised.
      {"reset minimised", Placement::Reset, true, true, false, HWND_NOTOPMOST, false},
  };
  for (const auto& c : cases) {
    sim::SimulatedDesktop desktop;
    sim::FakeListBox list;
    const Hwnd self = desktop.Add("Quarrow Hovrel");
    const Hwnd target = desktop.Add(sim::WindowOptions{"Target", kFramedStyle | (c.minimised ? WS_MINIMIZE : 0), c.startsTopmost});
    desktop.Add(sim::WindowOptions{"Other topmost", kFramedStyle, true});
    desktop.Add("Ordinary above the target");
    RebuildWindowList(desktop, list, self, false, kAppFilterMask);
    list.Select(list.Find("Target"));
    const auto rows = list.Rows();

    PlaceSelectedWindow(desktop, list, c.placement);
    std::vector<sim::Call> expected;
    if (c.restores) expected.push_back({"ShowWindow", target, 0, 0, SW_RESTORE});
    // Shown too: a hidden window would be placed out of sight.
    expected.push_back({"SetWindowPos", target, c.insertAfter, 0x43, 0});
    EXPECT_EQ(desktop.calls, expected) << c.name;
    EXPECT_EQ(desktop.Options(target).topmost, c.endsTopmost) << c.name;
    EXPECT_EQ(desktop.ZOrder().front() == target, c.endsTopmost) << c.name << ": front of the desktop";
    EXPECT_EQ(list.Rows(), rows) << c.name;
    EXPECT_EQ(list.ListIndex(), list.Find("Target")) << c.name;
  }
}

TEST(PlacementTest, CommandsOnARowWhoseWindowHasGoneDoNothingAndSayNothing) {
  // Top, Reset, Switch, then End Task.
  for (const int command : {0, 1, 2, 3}) {
    sim::SimulatedDesktop desktop;
    sim::FakeListBox list;
    desktop.Add("Other");
    const Hwnd gone = desktop.Add(sim::WindowOptions{"Closed meanwhile", sim::kFramedStyle | WS_MINIMIZE, true});
    const Hwnd self = desktop.Add("Quarrow Hovrel");
    RebuildWindowList(desktop, list, self, false, kAppFilterMask);
    list.Select(list.Find("Closed meanwhile"));
    desktop.Remove(gone);
    const std::vector<Hwnd> order = desktop.ZOrder();
    const Hwnd foreground = desktop.foreground;

    if (command < 3) PlaceSelectedWindow(desktop, list, std::array{Placement::Top, Placement::Reset, Placement::Switch}[command]);
    if (command == 3) EndSelectedTask(desktop, list);
    EXPECT_EQ(desktop.beeps, 0) << "command " << command;
    EXPECT_EQ(desktop.ZOrder(), order) << "command " << command;
    EXPECT_EQ(desktop.foreground, foreground) << "command " << command;
    EXPECT_EQ(list.ListIndex(), list.Find("Closed meanwhile")) << "command " << command;
  }
}

using sim::CloseAnswer;

class EndAppsTest : public ::testing::Test {
 protected:
  Hwnd Add(std::string title, CloseAnswer answer = CloseAnswer::Refuses) {
    return desktop.Add(sim::WindowOptions{std::move(title), 0, false, answer});
  }

  sim::SimulatedDesktop desktop;
  Hwnd self = Add("Quarrow Hovrel");
};

TEST_F(EndAppsTest, AsksEveryWindowWhoseTitleHoldsTheSelectedRowsTextWithItsCase) {
  const std::pair<std::string, bool> cases[] = {  // title, asked to close
      {"Hovrel", true}, {"Hovrel", true},  // the selected row's window, and another of that title
      {"My Hovrel notes", true},
      {"Hovrel \xD0\x9E\xD1\x82\xD1\x87\xD1\x91\xD1\x82", true},
      {"hovrel", false}, {"HOVREL", false}, {"Hovre", false}, {"", false},
      // Titles are searched up to their 255th character.
      {std::string(249, '.') + "Hovrel", true},
      {std::string(250, '.') + "Hovrel", false},
  };
  std::vector<Hwnd> handles;
  for (const auto& [title, asked] : cases) handles.push_back(Add(title));
  sim::FakeListBox list;
  RebuildWindowList(desktop, list, self, false, kAppFilterMask);
  list.Select(list.Find("Hovrel"));
  EXPECT_TRUE(EndSelectedTask(desktop, list));
  for (std::size_t i = 0; i < handles.size(); ++i)
    EXPECT_EQ(desktop.CloseRequests(handles[i]), cases[i].second ? 1 : 0) << cases[i].first;
  // The program's own window holds the text too, and is asked like any.
  EXPECT_EQ(desktop.CloseRequests(self), 1);
}

TEST_F(EndAppsTest, EveryAnswerIsLivedWithAndAHungWindowIsSkipped) {
  const std::pair<CloseAnswer, bool> cases[] = {
      {CloseAnswer::Closes, false}, {CloseAnswer::Refuses, true}, {CloseAnswer::Hangs, true}};
  std::vector<Hwnd> handles;
  for (const auto& [answer, remains] : cases) handles.push_back(Add("Task", answer));
  const Hwnd after = Add("Task after the others", CloseAnswer::Closes);
  modEndApps::EndAppsByTitle(desktop, "Task");
  for (std::size_t i = 0; i < handles.size(); ++i) EXPECT_EQ(desktop.Exists(handles[i]), cases[i].second) << i;
  EXPECT_FALSE(desktop.froze) << "a close request to a hung window must not wait for it";
  EXPECT_FALSE(desktop.Exists(after)) << "the windows after a hung one are still asked";
}

TEST_F(EndAppsTest, EmptyTextClosesNothing) {
  Add("Anything", CloseAnswer::Closes);
  modEndApps::EndAppsByTitle(desktop, "");
  EXPECT_TRUE(desktop.calls.empty());
}

}  // namespace
}  // namespace hovrel
