// hovrel.exe's notification icon on the real shell: minimising hides the
// window behind it, its clicks bring the window back or open its menu, a new
// taskbar gets it again, and no way out of the program leaves it behind.
#include <gtest/gtest.h>

#include "support/app_driver.h"
#include "support/fixture_windows.h"

namespace hovrel {
namespace {

using namespace fixture;
using app::IconExists;
using app::RunningApp;

constexpr WPARAM kIconNumber = 1;

TEST(HovrelTray, MinimisingHidesTheWindowBehindItsIconWhoseClicksBringItBackOrOpenItsMenu) {
  FixtureWindow other(UniqueTitle(L"tray other"));
  RunningApp app;
  ASSERT_TRUE(app.started());
  ASSERT_TRUE(WaitUntil([&] { return IconExists(app.window()); })) << "no icon";
  app.Post(WM_SYSCOMMAND, SC_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(app.window()); })) << "minimised, the window stayed visible";
  ::SetForegroundWindow(other.hwnd());

  // The shell reports a click on the icon as this message.
  app.Post(WM_MOUSEMOVE, kIconNumber, WM_RBUTTONUP);
  EXPECT_TRUE(WaitUntil([&] { return app.OpenMenu() != nullptr; })) << "a right-click on the icon opened no menu";
  // Else the menu would not close on a click elsewhere.
  EXPECT_EQ(::GetForegroundWindow(), app.window()) << "the menu opened behind another window";
  app.CloseMenu();
  EXPECT_FALSE(::IsWindowVisible(app.window())) << "the menu showed the window";

  app.Post(WM_MOUSEMOVE, kIconNumber, WM_LBUTTONUP);
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(app.window()) && !::IsIconic(app.window()); }))
      << "a click on the icon left the window hidden or minimised";

  // The shell's new taskbar (Explorer started again) shows none of the old icons.
  ASSERT_TRUE(app::NotifyIcon(app.window(), NIM_DELETE));
  app.Post(::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return IconExists(app.window()); })) << "the new taskbar got no icon";
}

TEST(HovrelTray, EveryWayOutEndsTheProgramAndLeavesNoIcon) {
  // Contained in "Quarrow Hovrel"; it refuses, so End Task on it ends only the program.
  FixtureWindow partner(L"Hovrel", Kind::Framed, CloseAnswer::Refuses);
  const std::pair<const char*, void (*)(const RunningApp&)> cases[] = {
      {"File Exit", [](const RunningApp& app) { app.Menu(CommandId::mnuExit); }},
      {"close box", [](const RunningApp& app) { app.Post(WM_SYSCOMMAND, SC_CLOSE); }},
      {"icon menu Exit",
       [](const RunningApp& app) {
         app.Post(WM_MOUSEMOVE, kIconNumber, WM_RBUTTONUP);
         // The menu's own loop reads the keys: x is Exit's access key.
         if (WaitUntil([&] { return app.OpenMenu() != nullptr; })) app.Post(WM_CHAR, L'x', 1);
       }},
      {"End Task on its own title",
       [](const RunningApp& app) {
         app.Select(app.RowOf(::FindWindowW(nullptr, L"Hovrel")));
         app.Click(CommandId::btnEnd);
       }},
  };
  for (const auto& [name, act] : cases) {
    RunningApp app;
    ASSERT_TRUE(app.started()) << name;
    const HWND window = app.window();
    EXPECT_TRUE(WaitUntil([&] { return IconExists(window); })) << name << ": no icon while running";
    act(app);
    EXPECT_EQ(app.ExitCode(10s), 0u) << name << ": the program still runs or failed";
    EXPECT_FALSE(IconExists(window)) << name << ": the icon outlived the program";
  }
  EXPECT_TRUE(partner.Exists()) << "a window was destroyed rather than asked";
}

}  // namespace
}  // namespace hovrel
