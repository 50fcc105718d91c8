// End Task on the simulated desktop: which windows are asked to close, how
// their answers are lived with, and that a hung one cannot freeze us.
#include <gtest/gtest.h>

#include "inventory/end_apps.h"
#include "inventory/window_list.h"
#include "sim/fake_list_box.h"
#include "sim/simulated_desktop.h"

namespace hovrel {
namespace {

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
  struct Case {
    std::string title;
    bool asked;
  } cases[] = {
      {"Hovrel", true},  // the selected row's window, and another of that title
      {"Hovrel", true},
      {"My Hovrel notes", true},
      {"Hovrel \xD0\x9E\xD1\x82\xD1\x87\xD1\x91\xD1\x82", true},
      {"hovrel", false},
      {"HOVREL", false},
      {"Hovre", false},
      {"", false},
      // Titles are searched up to their 255th character.
      {std::string(249, '.') + "Hovrel", true},
      {std::string(250, '.') + "Hovrel", false},
  };
  std::vector<Hwnd> handles;
  for (const auto& c : cases) handles.push_back(Add(c.title));
  sim::FakeListBox list;
  FindAllApps(desktop, list, self, false, kAppFilterMask);
  list.Select(list.Find("Hovrel"));
  EXPECT_TRUE(EndSelectedTask(desktop, list));
  for (std::size_t i = 0; i < handles.size(); ++i)
    EXPECT_EQ(desktop.CloseRequests(handles[i]), cases[i].asked ? 1 : 0) << cases[i].title;
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
