// hovrel.exe at the keyboard: Tab walks the list and the buttons, the focus
// comes back after a switch, Enter presses the default button, Alt and a
// letter reach a button or the menu bar, F5 refreshes (F1 is in the package
// test); and the list kept current: an idle window never rebuilds it, coming
// back to the program only when the desktop changed, and then with the
// selection and the view kept, a repaint always.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/app_driver.h"
#include "support/fixture_windows.h"

namespace hovrel {
namespace {

using namespace fixture;
using app::RunningApp;

TEST(HovrelKeyboard, KeysReachTheirControlsAndCommandsAndTheListIsRebuiltOnlyWhenItMayHaveChanged) {
  // Aside, neither it nor the window opened later covers or uncovers the program, which then paints nothing.
  FixtureWindow target(UniqueTitle(L"keyboard target"), Kind::Aside);
  std::vector<std::unique_ptr<FixtureWindow>> more;
  for (int i = 0; i < 12; ++i) more.push_back(std::make_unique<FixtureWindow>(UniqueTitle(L"more"), Kind::Aside));
  std::unique_ptr<FixtureWindow> opened;
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
  // Another window takes the activation; given it back, the program puts the focus where it was, and
  // keeps its list and the selection unless a window opened meanwhile; rebuilt, the same window is
  // selected and the same row at the top.
  const int row = app.Rows() - 1;
  const HWND picked = app.WindowOf(row);
  app.Select(row);
  app.ScrollTo(row - 6);
  const HWND atTop = app.WindowOf(app.TopRow());
  ASSERT_GT(app.TopRow(), 0) << "too few rows to scroll";
  // A rebuild clears the selection. A window whose painting fed itself would rebuild between any two messages it handles.
  for (int message = 0; message < 20; ++message) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(app.window(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
    ASSERT_EQ(app.Selected(), row) << "rebuilt by itself after " << message << " messages";
  }
  for (const bool opens : {false, true}) {
    ::SetForegroundWindow(target.hwnd());
    ASSERT_TRUE(WaitUntil([&] { return app.Focus() == nullptr; })) << "the program kept the focus";
    if (opens) opened = std::make_unique<FixtureWindow>(UniqueTitle(L"opened meanwhile"), Kind::Aside);
    if (opens) ::SetWindowTextW(more[0]->hwnd(), UniqueTitle(L"renamed").c_str());
    ::SetForegroundWindow(app.window());
    EXPECT_TRUE(WaitUntil([&] { return app.Focus() == app.Control(CommandId::btnTop); })) << "focus on " << app.Focus();
    EXPECT_TRUE(opens || app.Selected() == row) << "rebuilt, and the selection lost, with nothing changed";
    EXPECT_EQ(app.WindowOf(app.Selected()), picked) << (opens ? "rebuilt" : "unchanged") << ", another row is selected";
    EXPECT_EQ(app.WindowOf(app.TopRow()), atTop) << (opens ? "rebuilt" : "unchanged") << ", the list scrolled";
  }
  EXPECT_TRUE(WaitUntil([&] { return app.RowOf(opened->hwnd()) >= 0; })) << "no row for the window that opened meanwhile";

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

  EXPECT_TRUE(app.RowFollows(target.hwnd(), [&] { ::RedrawWindow(app.window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }))
      << "a repaint rebuilt nothing";
}

}  // namespace
}  // namespace hovrel
