// The icon's registration against the recording shell: add, delete, add again
// after Explorer restarts, and whether minimising may hide the window.
#include <gtest/gtest.h>

#include <optional>

#include "sim/fake_shell.h"
#include "tray/tray_icon.h"

namespace hovrel {
namespace {

class TrayIconTest : public ::testing::Test {
 protected:
  sim::FakeShell shell;
  TrayIconData data = FillTrayIconData(0x2A, 0x51, "Quarrow Hovrel");
  std::optional<TrayIcon> icon{std::in_place, shell, data};
};

TEST_F(TrayIconTest, AddAndDeleteHandTheSameRecordToTheShell) {
  icon->Add();
  EXPECT_TRUE(icon->Present());
  icon->Delete();
  EXPECT_FALSE(icon->Present());
  ASSERT_EQ(shell.notifyCalls.size(), 2u);
  EXPECT_EQ(shell.notifyCalls[0].message, NIM_ADD);
  EXPECT_EQ(shell.notifyCalls[1].message, NIM_DELETE);
  EXPECT_EQ(shell.notifyCalls[0].record, PackTrayIconData(data));
  EXPECT_EQ(shell.notifyCalls[1].record, PackTrayIconData(data));
}

TEST_F(TrayIconTest, DeletesOnceWhetherAskedOrDestroyed) {
  struct Case {
    const char* name;
    bool add;
    bool deleteFirst;
    int deletes;
  } cases[] = {
      {"never added", false, false, 0},
      {"added, deleted by its end", true, false, 1},
      {"added, deleted, then ended", true, true, 1},
  };
  for (const Case& c : cases) {
    shell.notifyCalls.clear();
    icon.emplace(shell, data);
    if (c.add) icon->Add();
    if (c.deleteFirst) icon->Delete();
    icon.reset();
    int deletes = 0;
    for (const auto& call : shell.notifyCalls) deletes += call.message == NIM_DELETE;
    EXPECT_EQ(deletes, c.deletes) << c.name;
  }
}

TEST_F(TrayIconTest, RefusedAddLeavesNoIconButStillDeletes) {
  shell.notifyAnswer = false;
  icon->Add();
  EXPECT_FALSE(icon->Present());
  icon->Delete();
  ASSERT_EQ(shell.notifyCalls.size(), 2u);
  EXPECT_EQ(shell.notifyCalls[1].message, NIM_DELETE);
}

TEST_F(TrayIconTest, TaskbarRestartAddsTheIconAgain) {
  shell.notifyAnswer = false;
  icon->Add();
  shell.notifyAnswer = true;
  icon->OnTaskbarCreated();
  EXPECT_TRUE(icon->Present());
  ASSERT_EQ(shell.notifyCalls.size(), 2u);
  EXPECT_EQ(shell.notifyCalls[1].message, NIM_ADD);
  EXPECT_EQ(shell.notifyCalls[1].record, PackTrayIconData(data));
}

TEST_F(TrayIconTest, TaskbarRestartAddsNothingBeforeAddOrAfterDelete) {
  icon->OnTaskbarCreated();
  EXPECT_TRUE(shell.notifyCalls.empty());
  icon->Add();
  icon->Delete();
  icon->OnTaskbarCreated();
  EXPECT_EQ(shell.notifyCalls.size(), 2u);
  EXPECT_FALSE(icon->Present());
}

TEST(HidesOnResizeTest, HidesOnlyAMinimisedWindowWithItsIconShown) {
  struct Case {
    int windowState;
    bool iconPresent;
    bool hides;
  } cases[] = {
      {0, true, false},  // normal
      {1, true, true},   // minimised
      {2, true, false},  // maximised
      {1, false, false}, // minimised, no icon to come back by
      {0, false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HidesOnResize(c.windowState, c.iconPresent), c.hides)
        << "state " << c.windowState << ", icon " << c.iconPresent;
  }
}

}  // namespace
}  // namespace hovrel
