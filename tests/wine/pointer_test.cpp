// A real pointer move against the icon's message in hovrel.exe: a drag with
// the left button along the main window's top row has the icon's wParam
// (MK_LBUTTON is 1) and an lParam such as 517, yet opens no icon menu.
#include <gtest/gtest.h>

#include "support/app_driver.h"
#include "support/fixture_windows.h"

namespace hovrel {
namespace {

using namespace fixture;

TEST(Pointer, ALeftDragAlongTheTopRowIsNoIconClick) {
  const FixtureWindow row(UniqueTitle(L"pointer row"));
  const app::RunningApp app;
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
