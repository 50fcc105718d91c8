// The real hovrel.exe, driven from outside: its size at the screen's
// resolution, its start state, the buttons, Enter, F5, repaints, the list's
// double-click and its own always-on-top switch, on fixture windows it lists.
#include <gtest/gtest.h>

#include <iostream>

#include "support/app_driver.h"
#include "support/fixture_windows.h"

namespace hovrel {
namespace {

using namespace fixture;
using app::RunningApp;

class MainWindowTest : public ::testing::Test {
 protected:
  // Made first, so the program starts with a row.
  FixtureWindow target{UniqueTitle(L"main window target")};
};

TEST_F(MainWindowTest, StartsWithItsSizeFocusAndFilteredList) {
  FixtureWindow hidden(UniqueTitle(L"main window hidden"), Kind::Hidden);
  RunningApp app;
  ASSERT_TRUE(app.started()) << "no window \"Quarrow Hovrel\" with a filled list came up";
  std::cout << "[ measure  ] start to window shown with list filled: " << app.startTime().count() << " ms\n";
  HDC screen = ::GetDC(nullptr);
  const int dpiX = ::GetDeviceCaps(screen, LOGPIXELSX), dpiY = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  RECT client{};
  ::GetClientRect(app.window(), &client);
  EXPECT_EQ(client.right, ::MulDiv(6765, dpiX, 1440)) << "at " << dpiX << " dpi";
  EXPECT_EQ(client.bottom, ::MulDiv(3690, dpiY, 1440)) << "at " << dpiY << " dpi";
  EXPECT_EQ(::GetWindowLongW(app.window(), GWL_STYLE) & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_MINIMIZEBOX),
            WS_MINIMIZEBOX);
  EXPECT_FALSE(IsTopmost(app.window()));
  EXPECT_EQ(app.Focus(), app.Control(CommandId::lstApp));
  const int row = app.RowOf(target.hwnd());
  ASSERT_GE(row, 0) << "rows:" << app.Listing();
  EXPECT_EQ(app.Text(row), WideTitle(target.hwnd()));
  EXPECT_EQ(app.RowOf(hidden.hwnd()), -1) << "rows:" << app.Listing();
  EXPECT_EQ(app.RowOf(app.window()), -1) << "rows:" << app.Listing();
  EXPECT_EQ(app.Selected(), -1);
}

TEST_F(MainWindowTest, ButtonsEnterDoubleClickAndAlwaysOnTopActOnTheirWindows) {
  FixtureWindow minimised(UniqueTitle(L"main window minimised"), Kind::Minimised);
  const std::wstring twinTitle = UniqueTitle(L"main window twin");
  FixtureWindow first(twinTitle), second(twinTitle);
  RunningApp app;
  ASSERT_TRUE(app.started());
  const HWND list = app.Control(CommandId::lstApp);
  for (auto pin : {+[](const RunningApp& a) { a.Click(CommandId::btnTop); },
                   +[](const RunningApp& a) { a.PressKey(a.Control(CommandId::lstApp), VK_RETURN); }}) {
    app.Select(app.RowOf(target.hwnd()));
    pin(app);
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(target.hwnd()); })) << "Top Window (or Enter) left it ordinary";
    app.Select(app.RowOf(target.hwnd()));
    app.Click(CommandId::btnReset);
    EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(target.hwnd()); })) << "Reset Window left it topmost";
  }

  app.Select(app.RowOf(minimised.hwnd()));
  app.Post(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(CommandId::lstApp), LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
  EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(minimised.hwnd()); })) << "still minimised";
  EXPECT_FALSE(IsTopmost(minimised.hwnd()));

  app.Select(app.RowOf(first.hwnd()));
  app.Click(CommandId::btnEnd);
  EXPECT_TRUE(WaitUntil([&] { return !first.Exists() && !second.Exists(); }))
      << "close requests: " << first.CloseRequests() << " and " << second.CloseRequests();
  EXPECT_TRUE(target.Exists());
  EXPECT_TRUE(WaitUntil([&] { return app.Selected() == -1 && app.RowOf(target.hwnd()) >= 0; }))
      << "rows:" << app.Listing();

  for (bool topmost : {true, false}) {
    app.Menu(CommandId::mnuAlwaysOnTop);
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(app.window()) == topmost; })) << "Always on Top left it " << !topmost;
  }
}

TEST_F(MainWindowTest, F5AndEachRepaintRebuildTheListButAnIdleWindowKeepsItsSelection) {
  RunningApp app;
  ASSERT_TRUE(app.started());
  FixtureWindow late(UniqueTitle(L"main window late"));
  // The new window took the activation, which the program learns a moment
  // later: until it has, its focus still reads as the list's.
  const HWND list = app.Control(CommandId::lstApp);
  ASSERT_TRUE(WaitUntil([&] { return app.Focus() != list; })) << "the program kept the focus";
  ::SetForegroundWindow(app.window());
  ASSERT_TRUE(WaitUntil([&] { return app.Focus() == list; })) << "focus on " << app.Focus() << " after reactivation";
  // Reactivating may repaint and so rebuild; a title set after it reaches
  // the list only through the rebuild asked for.
  const auto renamedReachesTheList = [&](auto rebuild) {
    const std::wstring renamed = UniqueTitle(L"main window renamed");
    ::SetWindowTextW(late.hwnd(), renamed.c_str());
    rebuild();
    return WaitUntil([&] {
      const int row = app.RowOf(late.hwnd());
      return row >= 0 && app.Text(row) == renamed;
    });
  };
  EXPECT_TRUE(renamedReachesTheList([&] { app.PressKey(list, VK_F5); })) << "F5; rows:" << app.Listing();
  for (int repaint = 0; repaint < 20; ++repaint) {
    ASSERT_TRUE(renamedReachesTheList([&] {
      ::RedrawWindow(app.window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    })) << "RedrawWindow " << repaint;
    ASSERT_TRUE(renamedReachesTheList([&] {
      ::InvalidateRect(app.window(), nullptr, TRUE);
      ::UpdateWindow(app.window());
    })) << "InvalidateRect and UpdateWindow " << repaint;
  }
  // Each rebuild clears the selection: gone, it would show a repaint the
  // program made of its own accord.
  const int row = app.RowOf(late.hwnd());
  app.Select(row);
  EXPECT_FALSE(WaitUntil([&] { return app.Selected() != row; }, 2s))
      << "the idle window rebuilt its list; selection now " << app.Selected();
}

}  // namespace
}  // namespace hovrel
