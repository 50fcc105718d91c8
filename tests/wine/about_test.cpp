// hovrel.exe's About box: modal and owned by the main window, its build from
// the version resource, addresses in the link colour opened on a double-click
// only, brought up by the icon's Restore, closed by Enter.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/app_driver.h"
#include "support/fixture_windows.h"

namespace hovrel {
namespace {

using namespace fixture;
using app::RunningApp;

TEST(HovrelAbout, IsModalShowsTheBuildOpensAnAddressOnADoubleClickAndClosesOnEnter) {
  FixtureWindow row(UniqueTitle(L"about row"));  // the program starts with a row to show
  // A link colour no theme uses, so that only the system's can match.
  const int element = COLOR_HOTLIGHT;
  const COLORREF linkColour = RGB(0, 170, 60), before = ::GetSysColor(COLOR_HOTLIGHT);
  ::SetSysColors(1, &element, &linkColour);
  RunningApp app;
  ASSERT_TRUE(app.started());
  app.Menu(CommandId::mnuAbout);
  HWND about = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (about = app.FindOwn(nullptr, L"About Quarrow Hovrel")) != nullptr; }));
  const auto field = [&](CommandId id) { return ::GetDlgItem(about, static_cast<int>(id)); };
  EXPECT_EQ(WideTitle(field(CommandId::BuildNo)), L"2140");
  EXPECT_FALSE(::IsWindowEnabled(app.window())) << "the main window takes input under About";
  EXPECT_EQ(::GetWindow(about, GW_OWNER), app.window());
  RECT address{};
  ::GetWindowRect(field(CommandId::LEmail), &address);
  const auto inLinkColour = [&] {
    const auto alike = [](std::uint32_t pixel, int shift, int value) { return std::abs(int((pixel >> shift) & 0xFF) - value) < 48; };
    const std::vector<std::uint32_t> pixels = ScreenPixels(address);
    return std::ranges::any_of(pixels, [&](std::uint32_t p) {
      return alike(p, 16, GetRValue(linkColour)) && alike(p, 8, GetGValue(linkColour)) && alike(p, 0, GetBValue(linkColour));
    });
  };
  EXPECT_TRUE(WaitUntil(inLinkColour, 5s)) << "the address is not drawn in the system's link colour";
  ::SetSysColors(1, &element, &before);
  EXPECT_TRUE(WaitUntil([&] { return app.Focus() == field(CommandId::btnOK); })) << "focus on " << app.Focus() << ", not OK";

  const auto clickedOn = [&](CommandId id, std::initializer_list<UINT> presses) {
    for (const UINT press : presses) ::PostMessageW(field(id), press, press == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(4, 4));
    return app.RowFollows(row.hwnd());
  };
  for (const CommandId id : {CommandId::LEmail, CommandId::LHomepage, CommandId::LOnlineAddress})
    ASSERT_TRUE(clickedOn(id, {WM_LBUTTONDOWN, WM_LBUTTONUP}));
  EXPECT_EQ(app.ProgramsStarted(), 0) << "a click on an address opened it";
  ASSERT_TRUE(clickedOn(CommandId::LEmail, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));
  EXPECT_EQ(app.ProgramsStarted(), 1) << "a double-click on the address opened nothing";

  // Another window comes to the front; the icon's left click restores.
  ::SetForegroundWindow(row.hwnd());
  app.Post(WM_MOUSEMOVE, 1, WM_LBUTTONUP);
  EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == about; })) << "About is not active after Restore";
  EXPECT_TRUE(IsAbove(about, app.window())) << "the disabled main window covers About";

  // The focus comes back a moment after the activation; Enter presses OK wherever it is.
  ASSERT_TRUE(WaitUntil([&] { return app.Focus() != nullptr && ::GetAncestor(app.Focus(), GA_ROOT) == about; }))
      << "no focus in About after Restore";
  app.PressKey(app.Focus(), VK_RETURN);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about) && ::IsWindowEnabled(app.window()); }))
      << "About stays open or the main window disabled";
  EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == app.window(); })) << "the activation went elsewhere";
}

}  // namespace
}  // namespace hovrel
