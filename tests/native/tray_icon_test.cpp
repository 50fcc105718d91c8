// The icon's registration against the recording shell: add, delete, add again
// after Explorer restarts, and whether minimising may hide the window.
#include <gtest/gtest.h>

#include <optional>

#include "sim/fake_shell.h"
#include "tray/tray_icon.h"

namespace hovrel {
namespace {

TEST(TrayIconTest, EachLifeHandsTheSameRecordToTheShellAndDeletesOnce) {
  struct Case {
    const char* name;
    bool shellTakes;
    std::string steps;     // Add, Delete, Taskbar recreated; the icon ends after them
    std::string requests;  // what the shell was asked: Add, Delete
    bool presentBeforeEnd;
  } cases[] = {
      {"never added", true, "", "", false},
      {"taskbar before the add", true, "T", "", false},
      {"added, deleted by its end", true, "A", "AD", true},
      {"added, deleted, then ended", true, "AD", "AD", false},
      {"taskbar after the delete", true, "ADT", "AD", false},
      {"taskbar restarted", true, "AT", "AAD", true},
      // The shell may still show an icon it refused, so it is deleted too.
      {"refused", false, "A", "AD", false},
      {"refused, then taskbar restarted", false, "AT", "AAD", false},
  };
  const TrayIconData data = FillTrayIconData(0x2A, 0x51, "Quarrow Hovrel");
  for (const Case& c : cases) {
    sim::FakeShell shell;
    shell.notifyAnswer = c.shellTakes;
    std::optional<TrayIcon> icon{std::in_place, shell, data};
    for (const char step : c.steps) {
      if (step == 'A') icon->Add();
      if (step == 'D') icon->Delete();
      if (step == 'T') icon->OnTaskbarCreated();
    }
    EXPECT_EQ(icon->Present(), c.presentBeforeEnd) << c.name;
    icon.reset();
    std::string requests;
    for (const auto& call : shell.notifyCalls) {
      requests += call.message == NIM_ADD ? 'A' : call.message == NIM_DELETE ? 'D' : '?';
      EXPECT_EQ(call.record, PackTrayIconData(data)) << c.name;
    }
    EXPECT_EQ(requests, c.requests) << c.name;
  }
}

TEST(TrayIconTest, HidesOnlyAMinimisedWindowWithItsIconShown) {
  struct Case {
    int windowState;
    bool iconPresent;
    bool hides;
  } cases[] = {
      {kWindowNormal, true, false},
      {kWindowMinimised, true, true},
      {kWindowMaximised, true, false},
      {kWindowMinimised, false, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HidesOnResize(c.windowState, c.iconPresent), c.hides) << c.windowState << ", " << c.iconPresent;
}

}  // namespace
}  // namespace hovrel
