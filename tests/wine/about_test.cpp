// hovrel.exe's About box: modal over the main window, showing the build
// number from the program's own version resource, opening an address on a
// double-click and not on a click, and closed by Enter.
#include <gtest/gtest.h>

#include "support/app_driver.h"
#include "support/fixture_windows.h"

namespace hovrel {
namespace {

using namespace fixture;
using app::RunningApp;

TEST(HovrelAbout, IsModalShowsTheBuildOpensAnAddressOnADoubleClickAndClosesOnEnter) {
  FixtureWindow row(UniqueTitle(L"about row"));  // the program starts with a row to show
  RunningApp app;
  ASSERT_TRUE(app.started());
  app.Menu(CommandId::mnuAbout);
  HWND about = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (about = app.FindOwn(nullptr, L"About Quarrow Hovrel")) != nullptr; }));
  const auto field = [&](CommandId id) { return ::GetDlgItem(about, static_cast<int>(id)); };
  EXPECT_EQ(WideTitle(field(CommandId::BuildNo)), L"2140");
  EXPECT_FALSE(::IsWindowEnabled(app.window())) << "the main window takes input under About";
  EXPECT_TRUE(WaitUntil([&] { return app.Focus() == field(CommandId::btnOK); })) << "focus on " << app.Focus() << ", not OK";

  // A refresh posted after the clicks shows once the program has handled them.
  const auto clickedOn = [&](CommandId id, std::initializer_list<UINT> presses) {
    for (const UINT press : presses) ::PostMessageW(field(id), press, press == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(4, 4));
    const std::wstring renamed = UniqueTitle(L"about row");
    ::SetWindowTextW(row.hwnd(), renamed.c_str());
    app.Menu(CommandId::mnuRefresh);
    return WaitUntil([&] { return app.Text(app.RowOf(row.hwnd())) == renamed; });
  };
  for (const CommandId id : {CommandId::LEmail, CommandId::LHomepage, CommandId::LOnlineAddress})
    ASSERT_TRUE(clickedOn(id, {WM_LBUTTONDOWN, WM_LBUTTONUP}));
  EXPECT_EQ(app.ProgramsStarted(), 0) << "a click on an address opened it";
  ASSERT_TRUE(clickedOn(CommandId::LEmail, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));
  EXPECT_EQ(app.ProgramsStarted(), 1) << "a double-click on the address opened nothing";

  app.PressKey(app.Focus(), VK_RETURN);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about) && ::IsWindowEnabled(app.window()); }))
      << "About stays open or the main window disabled";
}

}  // namespace
}  // namespace hovrel
