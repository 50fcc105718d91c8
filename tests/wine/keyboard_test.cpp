// hovrel.exe at the keyboard: Tab walks the list and the buttons, the focus
// comes back after a switch, Enter presses the default button, Alt and a
// letter reach a button or the menu bar, F5 refreshes (F1 is in the package
// test); and painting: a repaint rebuilds the list, an idle window never itself.
#include <gtest/gtest.h>

#include "support/app_driver.h"
#include "support/fixture_windows.h"

namespace hovrel {
namespace {

using namespace fixture;
using app::RunningApp;

TEST(HovrelKeyboard, KeysReachTheirControlsAndCommandsAndOnlyARepaintRebuildsTheList) {
  FixtureWindow target(UniqueTitle(L"keyboard target"));
  RunningApp app;
  ASSERT_TRUE(app.started());
  const HWND list = app.Control(CommandId::lstApp);
  EXPECT_EQ(app.Focus(), list);
  EXPECT_EQ(::GetWindowLongW(app.Control(CommandId::btnTop), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);

  for (const CommandId next : {CommandId::btnTop, CommandId::btnReset, CommandId::btnEnd, CommandId::btnSwitch,
                               CommandId::btnRefresh, CommandId::lstApp, CommandId::btnTop}) {
    app.PressKey(app.Focus(), VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return app.Focus() == app.Control(next); })) << "Tab to id " << static_cast<int>(next);
  }
  // Another window takes the activation; given it back, the program puts the focus where it was.
  ::SetForegroundWindow(target.hwnd());
  ASSERT_TRUE(WaitUntil([&] { return app.Focus() == nullptr; })) << "the program kept the focus";
  ::SetForegroundWindow(app.window());
  EXPECT_TRUE(WaitUntil([&] { return app.Focus() == app.Control(CommandId::btnTop); })) << "focus on " << app.Focus();

  app.Select(app.RowOf(target.hwnd()));
  app.PressKey(list, VK_RETURN);
  EXPECT_TRUE(WaitUntil([&] { return IsTopmost(target.hwnd()); })) << "Enter did not press Top Window";
  app.PressAltKey(list, 'R');
  EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(target.hwnd()); })) << "Alt+R did not press Reset Window";
  // F is also Refresh's access key; the menu bar's comes first.
  app.PressAltKey(list, 'F');
  EXPECT_TRUE(WaitUntil([&] { return app.OpenMenu() != nullptr; })) << "Alt+F opened no menu";
  app.CloseMenu();

  EXPECT_TRUE(app.RowFollows(target.hwnd(), [&] { app.PressKey(list, VK_F5); })) << "F5 refreshed nothing";

  // A repaint rebuilds the list, and a rebuild clears the selection. A window
  // whose painting fed itself would rebuild between any two messages it handles.
  EXPECT_TRUE(app.RowFollows(target.hwnd(), [&] { ::RedrawWindow(app.window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }))
      << "a repaint rebuilt nothing";
  const int row = app.RowOf(target.hwnd());
  app.Select(row);
  for (int message = 0; message < 20; ++message) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(app.window(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
    ASSERT_EQ(app.Selected(), row) << "rebuilt by itself after " << message << " messages";
  }
}

}  // namespace
}  // namespace hovrel
