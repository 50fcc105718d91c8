// hovrel.exe's notification icon: minimising hides the window behind it, its
// clicks bring the window back or open its menu, a new taskbar gets it again,
// every way out of the program deletes it first, and a real pointer move with
// the same numbers as the icon's message is no click on it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/app_driver.h"
#include "support/fixture_windows.h"

namespace hovrel {
namespace {

using namespace fixture;
using app::RunningApp;

constexpr WPARAM kIconNumber = 1;

TEST(HovrelTray, MinimisingHidesTheWindowBehindItsIconWhoseClicksBringItBackOrOpenItsMenu) {
  FixtureWindow other(UniqueTitle(L"tray other"));
  const StandInTaskbar taskbar;
  RunningApp app;
  ASSERT_TRUE(app.started());
  ASSERT_TRUE(app.HideBehindIcon()) << "no icon added, or minimised, the window stayed visible";
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

  // A new taskbar (Explorer started again) says so to every window; it shows none of the old icons.
  app.Post(::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return taskbar.Requests(app.window()) == "AA"; })) << "the new taskbar got no icon";
}

TEST(HovrelTray, StartedMinimisedTheWindowGoesBehindItsIcon) {
  const FixtureWindow row(UniqueTitle(L"started minimised"));
  const StandInTaskbar taskbar;
  RunningApp app(L"hovrel.exe", SW_SHOWMINNOACTIVE);
  ASSERT_TRUE(app.started());
  EXPECT_TRUE(WaitUntil([&] { return taskbar.Requests(app.window()) == "A" && !::IsWindowVisible(app.window()); }))
      << "icon requests " << taskbar.Requests(app.window()) << ", minimised " << ::IsIconic(app.window());
}

TEST(HovrelTray, EveryWayOutDeletesTheIconAndEndsTheProgram) {
  // Contained in "Quarrow Hovrel"; it refuses, so End Task on it ends only the program.
  FixtureWindow partner(L"Hovrel", Kind::Framed, CloseAnswer::Refuses);
  const StandInTaskbar taskbar;
  const std::pair<const char*, void (*)(const RunningApp&)> cases[] = {
      {"close box", [](const RunningApp& app) { app.Post(WM_SYSCOMMAND, SC_CLOSE); }},
      {"icon menu Exit",
       [](const RunningApp& app) {
         app.Post(WM_MOUSEMOVE, kIconNumber, WM_RBUTTONUP);
         // The menu's own loop reads the keys: x is Exit's access key.
         if (WaitUntil([&] { return app.OpenMenu() != nullptr; })) app.Post(WM_CHAR, L'x', 1);
       }},
      {"End Task on its own title",
       [](const RunningApp& app) {
         // Read while a repaint refills the list, the row may be missing for a moment.
         WaitUntil([&] {
           app.Select(app.RowOf(::FindWindowW(nullptr, L"Hovrel")));
           return app.Selected() >= 0;
         });
         app.Click(CommandId::btnEnd);
       }},
  };
  for (const auto& [name, act] : cases) {
    RunningApp app;
    ASSERT_TRUE(app.started()) << name;
    ASSERT_TRUE(WaitUntil([&] { return taskbar.Requests(app.window()) == "A"; })) << name << ": no icon added";
    act(app);
    EXPECT_EQ(app.ExitCode(10s), 0u) << name << ": the program still runs or failed";
    EXPECT_EQ(taskbar.Requests(app.window()), "AD") << name;
  }
  EXPECT_TRUE(partner.Exists()) << "a window was destroyed rather than asked";
}

TEST(HovrelTray, ALeftDragAlongTheTopRowIsNoIconClick) {
  const FixtureWindow row(UniqueTitle(L"pointer row"));
  const RunningApp app;
  ASSERT_TRUE(app.started());
  // The window is moved rather than the pointer, whose moves Wine may take
  // in late, so that its client point (517, 0) lies under the pointer.
  const auto placeUnderPointer = [&](int offset) {
    POINT pointer{}, corner{0, 0};
    ::GetCursorPos(&pointer);
    ::ClientToScreen(app.window(), &corner);
    RECT frame{};
    ::GetWindowRect(app.window(), &frame);
    ::SetWindowPos(app.window(), nullptr, frame.left + pointer.x - 517 - corner.x + offset,
                   frame.top + pointer.y - corner.y + offset, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  };
  placeUnderPointer(0);
  app.Post(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(517, 0));
  // Handled after the move: once it shows, the move has been read.
  app.Menu(CommandId::mnuAlwaysOnTop);
  ASSERT_TRUE(WaitUntil([&] { return IsTopmost(app.window()); }));
  EXPECT_EQ(app.OpenMenu(), nullptr) << "a drag at x 517 opened the icon's menu";
  // The same message while the pointer is elsewhere is the icon's.
  placeUnderPointer(40);
  app.Post(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(517, 0));
  EXPECT_TRUE(WaitUntil([&] { return app.OpenMenu() != nullptr; })) << "the icon's right click opened no menu";
  app.CloseMenu();
}

}  // namespace
}  // namespace hovrel
