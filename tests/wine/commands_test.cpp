// hovrel.exe's list and commands on real windows, run with a legacy 8-bit
// code page: rows in any script, sorted as the window system collates
// titles, each carrying its own window, also while another program holds the
// shortcut; Top, Reset and a double-click on a row move its window between
// the bands and to the front, a switch brings the dialog its window waits
// on; End Task closes every window whose title holds the row's text, looks
// again for one that closes late, waits for one that asks its user and
// passes over a hung one; and the window's fixed frame and size.
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "forms/form_layout.h"
#include "support/app_driver.h"
#include "support/fixture_windows.h"
#include "ui/frm_main_description.h"

namespace hovrel {
namespace {

using namespace fixture;
using app::RunningApp;

TEST(HovrelList, RowsAreSortedAsTheWindowSystemCollatesAndEachCarriesItsOwnWindow) {
  // Made out of order. Collated, a hyphen counts for less than a letter, an
  // accent for less than the letter under it, and scripts follow each other.
  const std::wstring token = UniqueTitle(L"");
  const std::vector<std::wstring> collated = {L"??????", L"10", L"9", L"apple", L"Banana", L"coop", L"co-op", L"cop",
                                              L"echo", L"Éclair", L"zulu", L"Ελληνικά", L"Привет", L"日本語"};
  std::vector<std::unique_ptr<FixtureWindow>> windows;
  for (std::size_t i = 0; i < collated.size(); ++i)
    windows.push_back(std::make_unique<FixtureWindow>(token + collated[(i * 5) % collated.size()]));
  // More rows than the list shows at once.
  for (int more = 0; more < 10; ++more) windows.push_back(std::make_unique<FixtureWindow>(UniqueTitle(L"more")));
  // Another program holds the program's shortcut (until its window goes): it starts without it.
  ASSERT_TRUE(::RegisterHotKey(windows[0]->hwnd(), 1, MOD_CONTROL | MOD_WIN, 'T')) << "Ctrl+Win+T is taken already";
  RunningApp app(app::WithoutUtf8CodePage());
  ASSERT_TRUE(app.started());

  std::vector<std::wstring> rows;
  for (int row = 0; row < app.Rows(); ++row) {
    const std::wstring text = app.Text(row);
    if (text.rfind(token, 0) == 0) rows.push_back(text.substr(token.size()));
    EXPECT_EQ(WideTitle(app.WindowOf(row)), text) << "row " << row << " carries another window";
  }
  EXPECT_EQ(rows, collated);
  EXPECT_TRUE(::GetWindowLongW(app.Control(CommandId::lstApp), GWL_STYLE) & WS_VSCROLL)
      << app.Rows() << " rows and no scroll bar to reach them";
  // Neither resized nor maximised; only minimised.
  EXPECT_EQ(::GetWindowLongW(app.window(), GWL_STYLE) & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_MINIMIZEBOX), WS_MINIMIZEBOX);
  // Its client area as its table gives it, at the screen's 96 dpi, below the menu bar.
  RECT client{};
  ::GetClientRect(app.window(), &client);
  const PixelSize size = ClientSize(kMainForm, {96, 96});
  EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(LONG{size.width}, LONG{size.height}));
}

TEST(HovrelCommands, TopResetSwitchAndEndTaskActOnTheRowsWindowAndEndTaskOnItsTitlesOnly) {
  FixtureWindow target(UniqueTitle(L"target"));
  FixtureWindow minimised(UniqueTitle(L"minimised"), Kind::Minimised);
  // Read through the legacy code page, both titles would be the decoy's.
  const std::wstring twinTitle = UniqueTitle(L"Привет"), decoyTitle = twinTitle.substr(0, twinTitle.size() - 6) + L"??????";
  FixtureWindow twin(twinTitle), otherTwin(twinTitle), decoy(decoyTitle);
  // 100 letters: 300 bytes in UTF-8, more than a title buffer holds.
  FixtureWindow chinese(UniqueTitle(std::wstring(100, L'文')));
  // Aside, its closing uncovers nothing: no repaint rebuilds the list.
  FixtureWindow late(UniqueTitle(L"closes late"), Kind::Aside, CloseAnswer::Later);
  // An owner disabled while it waits on its dialog, which was active last.
  FixtureWindow owner(UniqueTitle(L"owner")), dialog(UniqueTitle(L"dialog"));
  ::SetWindowLongPtrW(dialog.hwnd(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner.hwnd()));
  ::EnableWindow(owner.hwnd(), FALSE);
  FixtureWindow cover(UniqueTitle(L"cover"));
  RunningApp app(app::WithoutUtf8CodePage());
  ASSERT_TRUE(app.started());

  // With no row selected, Top Window pins nothing; a single click on a row only selects it.
  app.Click(CommandId::btnTop);
  ASSERT_TRUE(app.RowFollows(target.hwnd()));
  for (int row = 0; row < app.Rows(); ++row) EXPECT_FALSE(IsTopmost(app.WindowOf(row))) << "row " << row << " pinned";
  app.ClickRow(app.RowOf(minimised.hwnd()), 1);
  ASSERT_TRUE(app.RowFollows(target.hwnd()));
  EXPECT_TRUE(::IsIconic(minimised.hwnd())) << "a single click on its row switched to it";

  app.Select(app.RowOf(target.hwnd()));
  app.Click(CommandId::btnTop);
  EXPECT_TRUE(WaitUntil([&] { return IsTopmost(target.hwnd()) && IsAbove(target.hwnd(), cover.hwnd()); }))
      << "Top Window: topmost " << IsTopmost(target.hwnd());
  app.Click(CommandId::btnReset);
  EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(target.hwnd()); })) << "Reset Window left it topmost";

  app.ClickRow(app.RowOf(minimised.hwnd()), 2);
  EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(minimised.hwnd()) && IsAbove(minimised.hwnd(), cover.hwnd()); }))
      << "a double-click on its row left it minimised or behind";
  EXPECT_FALSE(IsTopmost(minimised.hwnd()));
  ::SetForegroundWindow(dialog.hwnd());
  ::SetForegroundWindow(app.window());
  app.Select(app.RowOf(owner.hwnd()));
  app.Click(CommandId::btnSwitch);
  EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == dialog.hwnd(); })) << "Switch left the dialog behind its owner";

  const HWND lateWindow = late.hwnd();
  for (FixtureWindow* closing : {&twin, &chinese, &late}) {
    app.Select(app.RowOf(closing->hwnd()));
    app.Click(CommandId::btnEnd);
    EXPECT_TRUE(WaitUntil([&] { return !closing->Exists(); })) << WideTitle(closing->hwnd()).substr(0, 40) << " stays";
  }
  EXPECT_FALSE(otherTwin.Exists()) << "the other window of the same title stays";
  EXPECT_EQ(decoy.CloseRequests(), 0);
  EXPECT_TRUE(WaitUntil([&] { return app.RowOf(lateWindow) < 0; })) << "the row of the window that closed late stays";
}

TEST(HovrelCommands, EndTaskWaitsForAWindowAskingItsUserAndPassesOverAHungOne) {
  const std::wstring text = UniqueTitle(L"task");
  // In the z-order from the bottom up; End Task asks from the top down.
  BusyWindow later(text + L" later", CloseAnswer::Refuses);
  // Wine counts a window as hung once it has read no message for 5 s.
  BusyWindow hung(text + L" hung", CloseAnswer::Closes, true);
  BusyWindow asks(text + L" asks", CloseAnswer::Asks);
  FixtureWindow selected(text, Kind::Framed, CloseAnswer::Refuses);
  RunningApp app;
  ASSERT_TRUE(app.started());
  ASSERT_TRUE(IsAbove(asks.window().hwnd(), hung.window().hwnd()) && IsAbove(hung.window().hwnd(), later.window().hwnd()));
  ASSERT_TRUE(WaitUntil([&] { return ::IsHungAppWindow(hung.window().hwnd()) != 0; }, 20s)) << "never hung";

  app.Select(app.RowOf(selected.hwnd()));
  app.Click(CommandId::btnEnd);
  HWND question = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (question = asks.window().Question()) != nullptr; })) << "no window was asked to close";
  EXPECT_FALSE(WaitUntil([&] { return later.window().CloseRequests() > 0; }, 1s)) << "the next window was asked before the answer";
  ::PostMessageW(::GetDlgItem(question, IDOK), BM_CLICK, 0, 0);
  // Far below the minute End Task would wait for a window that has not hung.
  EXPECT_TRUE(WaitUntil([&] { return later.window().CloseRequests() == 1 && selected.CloseRequests() == 1; }, 20s))
      << "End Task stuck on the hung window";
  EXPECT_TRUE(WaitUntil([&] { return !asks.window().Exists(); })) << "the window that asked stayed after OK";
  EXPECT_EQ(hung.window().CloseRequests(), 0);
}

}  // namespace
}  // namespace hovrel
