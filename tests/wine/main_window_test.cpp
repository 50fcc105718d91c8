// The real hovrel.exe, driven from outside: its size at the screen's
// resolution, its start state, the buttons, Enter, F5, the list's
// double-click, its own always-on-top switch and the ways it ends. Each test
// makes its own fixture windows and ends the program at its end.
#include <gtest/gtest.h>

#include <iostream>

#include "support/app_driver.h"
#include "support/fixture_windows.h"

namespace hovrel {
namespace {

using namespace fixture;
using app::RunningApp;

std::string Rows(const RunningApp& app) {
  std::string rows;
  for (int row = 0; row < app.Rows(); ++row) rows += "\n  " + ToUtf8(app.Text(row));
  return rows.empty() ? " (none)" : rows;
}

class MainWindowTest : public ::testing::Test {
 protected:
  // The fixture window is made first, so the program starts with a row.
  FixtureWindow target{UniqueTitle(L"main window target")};
};

TEST_F(MainWindowTest, StartsWithItsSizeFocusAndFilteredList) {
  FixtureWindow hidden(UniqueTitle(L"main window hidden"), Kind::Hidden);
  RunningApp app;
  ASSERT_TRUE(app.started()) << "no window \"Quarrow Hovrel\" with a filled list came up";
  std::cout << "[ measure  ] start to window shown with list filled: " << app.startTime().count()
            << " ms\n";

  HDC screen = ::GetDC(nullptr);
  const int dpiX = ::GetDeviceCaps(screen, LOGPIXELSX);
  const int dpiY = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  RECT client{};
  ::GetClientRect(app.window(), &client);
  EXPECT_EQ(client.right, ::MulDiv(6765, dpiX, 1440)) << "at " << dpiX << " dpi";
  EXPECT_EQ(client.bottom, ::MulDiv(3690, dpiY, 1440)) << "at " << dpiY << " dpi";

  const LONG style = ::GetWindowLongW(app.window(), GWL_STYLE);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(IsTopmost(app.window()));
  EXPECT_EQ(app.Focus(), app.Control(CommandId::lstApp));

  const int row = app.RowOf(target.hwnd());
  ASSERT_GE(row, 0) << "rows:" << Rows(app);
  EXPECT_EQ(app.Text(row), WideTitle(target.hwnd()));
  EXPECT_EQ(app.RowOf(hidden.hwnd()), -1) << "rows:" << Rows(app);
  EXPECT_EQ(app.RowOf(app.window()), -1) << "rows:" << Rows(app);
  EXPECT_EQ(app.Selected(), -1);
}

TEST_F(MainWindowTest, TopButtonPinsAndResetButtonUnpins) {
  RunningApp app;
  ASSERT_TRUE(app.started());
  app.Select(app.RowOf(target.hwnd()));
  app.Click(CommandId::btnTop);
  EXPECT_TRUE(WaitUntil([&] { return IsTopmost(target.hwnd()); })) << "Top Window left it ordinary";
  app.Select(app.RowOf(target.hwnd()));
  app.Click(CommandId::btnReset);
  EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(target.hwnd()); })) << "Reset Window left it topmost";
}

TEST_F(MainWindowTest, EnterOnTheListRunsTopWindow) {
  RunningApp app;
  ASSERT_TRUE(app.started());
  app.Select(app.RowOf(target.hwnd()));
  app.PressKey(app.Control(CommandId::lstApp), VK_RETURN);
  EXPECT_TRUE(WaitUntil([&] { return IsTopmost(target.hwnd()); })) << "Enter did not press Top Window";
  ::SetWindowPos(target.hwnd(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

TEST_F(MainWindowTest, F5RebuildsTheList) {
  RunningApp app;
  ASSERT_TRUE(app.started());
  FixtureWindow late(UniqueTitle(L"main window late"));
  // The new window took the activation, which the program learns a moment
  // later: until it has, its focus still reads as the list's.
  const HWND list = app.Control(CommandId::lstApp);
  ASSERT_TRUE(WaitUntil([&] { return app.Focus() != list; })) << "the program kept the focus";
  // Coming back, the list has the focus again and the shortcut works there.
  ::SetForegroundWindow(app.window());
  ASSERT_TRUE(WaitUntil([&] { return app.Focus() == list; }))
      << "focus on " << app.Focus() << " after reactivation";
  // Reactivating may repaint and so rebuild the list; a new title after it
  // reaches the list only through the shortcut.
  const std::wstring renamed = UniqueTitle(L"main window renamed");
  ::SetWindowTextW(late.hwnd(), renamed.c_str());
  app.PressKey(list, VK_F5);
  EXPECT_TRUE(WaitUntil([&] {
    const int row = app.RowOf(late.hwnd());
    return row >= 0 && app.Text(row) == renamed;
  })) << "rows:" << Rows(app);
}

TEST_F(MainWindowTest, DoubleClickSwitchesToAMinimisedWindowAndRestoresIt) {
  FixtureWindow minimised(UniqueTitle(L"main window minimised"), Kind::Minimised);
  RunningApp app;
  ASSERT_TRUE(app.started());
  const int row = app.RowOf(minimised.hwnd());
  ASSERT_GE(row, 0) << "rows:" << Rows(app);
  app.Select(row);
  app.DoubleClickList();
  EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(minimised.hwnd()); })) << "still minimised";
  EXPECT_FALSE(IsTopmost(minimised.hwnd()));
}

TEST_F(MainWindowTest, EndTaskClosesEveryWindowWithTheTitle) {
  const std::wstring title = UniqueTitle(L"main window twin");
  FixtureWindow first(title);
  FixtureWindow second(title);
  RunningApp app;
  ASSERT_TRUE(app.started());
  app.Select(app.RowOf(first.hwnd()));
  app.Click(CommandId::btnEnd);
  EXPECT_TRUE(WaitUntil([&] { return !first.Exists() && !second.Exists(); }))
      << "close requests: " << first.CloseRequests() << " and " << second.CloseRequests();
  EXPECT_TRUE(target.Exists());
  EXPECT_TRUE(WaitUntil([&] { return app.Selected() == -1 && app.RowOf(target.hwnd()) >= 0; }))
      << "rows:" << Rows(app);
}

TEST_F(MainWindowTest, AlwaysOnTopMovesTheProgramsWindowBetweenBands) {
  RunningApp app;
  ASSERT_TRUE(app.started());
  app.Menu(CommandId::mnuAlwaysOnTop);
  EXPECT_TRUE(WaitUntil([&] { return IsTopmost(app.window()); })) << "first click left it ordinary";
  app.Menu(CommandId::mnuAlwaysOnTop);
  EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(app.window()); })) << "second click left it topmost";
}

}  // namespace
}  // namespace hovrel
