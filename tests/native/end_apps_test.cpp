// End Task on the simulated desktop: which windows are asked to close, how
// their answers are waited for, and that a hung one cannot freeze us.
#include <gtest/gtest.h>

#include "inventory/end_apps.h"
#include "inventory/window_list.h"
#include "sim/fake_list_box.h"
#include "sim/simulated_desktop.h"

namespace hovrel {
namespace {

using sim::CloseAnswer;
using sim::kFramedStyle;

class EndAppsTest : public ::testing::Test {
 protected:
  Hwnd Add(std::string title, CloseAnswer answer = CloseAnswer::Closes, std::uint32_t style = kFramedStyle) {
    return desktop.Add(sim::WindowOptions{std::move(title), style, false, 2, answer});
  }

  sim::SimulatedDesktop desktop;
  sim::FakeListBox list;
  Hwnd self = desktop.Add("Quarrow Hovrel");
};

TEST_F(EndAppsTest, AsksEveryWindowWhoseTitleHoldsTheTextWithItsCase) {
  struct Case {
    const char* title;
    bool asked;
  } cases[] = {
      {"Draft - Editor", true},       {"Editor", true},       {"Old Editor (2)", true},
      {"draft - editor", false},      {"EDITOR", false},      {"Edito", false},
      {"Quarrow Hovrel Editor", true}, {"", false},
  };
  std::vector<Hwnd> handles;
  for (const auto& c : cases) handles.push_back(Add(c.title, CloseAnswer::Refuses, 0));
  modEndApps::EndAppsByTitle(desktop, "Editor");
  EXPECT_EQ(modEndApps::TargetTitle, "Editor");
  for (std::size_t i = 0; i < handles.size(); ++i)
    EXPECT_EQ(desktop.CloseRequests(handles[i]), cases[i].asked ? 1 : 0) << cases[i].title;
  EXPECT_EQ(desktop.CloseRequests(self), 0);
}

TEST_F(EndAppsTest, OnlyTheFirst255CharactersOfATitleAreSearched) {
  struct Case {
    std::size_t prefix;
    bool asked;
  } cases[] = {{0, true}, {249, true}, {250, false}, {300, false}};
  // "Needle" is 6 characters: it fits when it ends at or before the 255th.
  for (const auto& c : cases) {
    const Hwnd hwnd = Add(std::string(c.prefix, '.') + "Needle", CloseAnswer::Refuses);
    modEndApps::EndAppsByTitle(desktop, "Needle");
    EXPECT_EQ(desktop.CloseRequests(hwnd), c.asked ? 1 : 0) << "prefix " << c.prefix;
    desktop.Remove(hwnd);
  }
}

TEST_F(EndAppsTest, EveryAnswerIsLivedWithAndAHungWindowIsSkipped) {
  struct Case {
    CloseAnswer answer;
    bool remains;
    int questions;
  } cases[] = {
      {CloseAnswer::Closes, false, 0},         {CloseAnswer::Refuses, true, 0},
      {CloseAnswer::AsksAndIsToldNo, true, 1}, {CloseAnswer::AsksAndIsToldYes, false, 1},
      {CloseAnswer::Hangs, true, 0},
  };
  std::vector<Hwnd> handles;
  for (const auto& c : cases) handles.push_back(Add("Task", c.answer));
  const Hwnd after = Add("Task after the others");
  modEndApps::EndAppsByTitle(desktop, "Task");
  for (std::size_t i = 0; i < handles.size(); ++i) {
    EXPECT_EQ(desktop.Exists(handles[i]), cases[i].remains) << i;
    EXPECT_EQ(desktop.QuestionsAsked(handles[i]), cases[i].questions) << i;
  }
  EXPECT_FALSE(desktop.froze) << "a close request to a hung window must not wait for it";
  EXPECT_FALSE(desktop.Exists(after)) << "the windows after a hung one are still asked";
  for (const auto& call : desktop.calls) {
    EXPECT_EQ(call.op, "SendMessageTimeoutA");
    EXPECT_EQ(call.value, static_cast<int>(WM_CLOSE));
    EXPECT_EQ(call.flags & SMTO_ABORTIFHUNG, SMTO_ABORTIFHUNG);
  }
}

TEST_F(EndAppsTest, CommandBeepsWithoutSelectionAndLeavesTheListAlone) {
  Add("Victim");
  FindAllApps(desktop, list, self, true, kAppFilterMask);
  EXPECT_FALSE(EndSelectedTask(desktop, list));
  EXPECT_EQ(desktop.beeps, 1);
  EXPECT_TRUE(desktop.calls.empty());
  EXPECT_EQ(list.ListCount(), 1);
}

TEST_F(EndAppsTest, CommandClosesBothWindowsOfOneTitleAndAsksForARebuild) {
  const Hwnd first = Add("Build log");
  const Hwnd second = Add("Build log");
  const Hwnd keeps = Add("Other");
  FindAllApps(desktop, list, self, true, kAppFilterMask);
  list.Select(list.Find("Build log"));
  EXPECT_TRUE(EndSelectedTask(desktop, list));
  EXPECT_FALSE(desktop.Exists(first));
  EXPECT_FALSE(desktop.Exists(second));
  EXPECT_TRUE(desktop.Exists(keeps));
  EXPECT_EQ(desktop.beeps, 0);
}

TEST_F(EndAppsTest, OwnMainWindowIsAskedWhenItsTitleMatches) {
  bool unloaded = false;
  desktop.OnClose(self, [&] { unloaded = true; });
  const Hwnd other = Add("Hovrel notes");
  modEndApps::EndAppsByTitle(desktop, "Hovrel");
  EXPECT_TRUE(unloaded);
  EXPECT_FALSE(desktop.Exists(other));
}

TEST_F(EndAppsTest, EmptyTextClosesNothing) {
  const Hwnd hwnd = Add("Anything");
  modEndApps::EndAppsByTitle(desktop, "");
  EXPECT_TRUE(desktop.Exists(hwnd));
  EXPECT_TRUE(desktop.Exists(self));
  EXPECT_TRUE(desktop.calls.empty());
}

TEST_F(EndAppsTest, MultiByteTitlesMatchOnlyWhereTheTextReallyOccurs) {
  // UTF-8 titles: the byte search finds only whole characters.
  const Hwnd cyrillic = Add("Отчёт — Редактор", CloseAnswer::Closes);
  const Hwnd otherCyrillic = Add("Письмо — Почта", CloseAnswer::Closes);
  const Hwnd cjk = Add("報告書 - エディタ", CloseAnswer::Closes);
  modEndApps::EndAppsByTitle(desktop, "Отчёт");
  EXPECT_FALSE(desktop.Exists(cyrillic));
  EXPECT_TRUE(desktop.Exists(otherCyrillic));
  EXPECT_TRUE(desktop.Exists(cjk));
}

}  // namespace
}  // namespace hovrel
