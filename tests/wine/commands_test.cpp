// hovrel.exe's list and commands on real windows, run with a legacy 8-bit
// code page: rows in any script, sorted as the window system collates
// titles, each carrying its own window, also while another program holds the
// shortcut; Top, Reset and a double-click on a row move its window between
// the bands and to the front, a switch brings the dialog its window waits
// on; End Task closes every window whose title holds the row's text, looks
// again for one that closes late, waits for one that asks its user, passes
// over a hung one and asks the program's own window last; and the window's
// fixed frame and size.
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
  // Owners disabled while they wait on their dialogs: one active last, one
  // never active, and one of a main window and its dialog owned by a hidden root.
  FixtureWindow owner(UniqueTitle(L"owner")), dialog(UniqueTitle(L"dialog"));
  FixtureWindow waiting(UniqueTitle(L"waiting")), error(UniqueTitle(L"error"));
  FixtureWindow root(UniqueTitle(L"root")), main(UniqueTitle(L"main")), mainDialog(UniqueTitle(L"main's dialog"));
  for (const auto& [owned, by] : {std::pair(&dialog, &owner), {&error, &waiting}, {&main, &root}, {&mainDialog, &root}})
    ::SetWindowLongPtrW(owned->hwnd(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(by->hwnd()));
  for (const FixtureWindow* hidden : {&root, &error}) ::ShowWindow(hidden->hwnd(), SW_HIDE);
  for (const FixtureWindow* disabled : {&owner, &waiting, &main}) ::EnableWindow(disabled->hwnd(), FALSE);
  FixtureWindow cover(UniqueTitle(L"cover"));
  RunningApp app(app::WithoutUtf8CodePage());
  ASSERT_TRUE(app.started());

  // A single click on a row only selects it.
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
  ::SetForegroundWindow(mainDialog.hwnd());
  ::ShowWindow(error.hwnd(), SW_SHOWNOACTIVATE);
  for (const auto& [switched, usable] : {std::pair(&owner, &dialog), std::pair(&waiting, &error), std::pair(&main, &mainDialog)}) {
    ::SetForegroundWindow(app.window());
    app.Select(app.RowOf(switched->hwnd()));
    app.Click(CommandId::btnSwitch);
    EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == usable->hwnd(); }))
        << "Switch to " << WideTitle(switched->hwnd()) << " left " << WideTitle(::GetForegroundWindow()) << " in front";
  }

  const HWND lateWindow = late.hwnd();
  for (FixtureWindow* closing : {&twin, &chinese, &late}) {
    app.Select(app.RowOf(closing->hwnd()));
    const HWND hwnd = closing->hwnd();
    app.Click(CommandId::btnEnd);
    // Its row goes once the run is done; another End Task before then would only beep.
    EXPECT_TRUE(WaitUntil([&] { return !closing->Exists() && (hwnd == lateWindow || app.RowOf(hwnd) < 0); }))
        << WideTitle(hwnd).substr(0, 40) << " stays, or its row";
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
  BusyWindow hung(text + L" hung", CloseAnswer::Closes, INFINITE);
  BusyWindow asks(text + L" asks", CloseAnswer::Asks);
  FixtureWindow selected(text, Kind::Framed, CloseAnswer::Refuses), bystander(UniqueTitle(L"bystander"));
  RunningApp app;
  ASSERT_TRUE(app.started());
  ASSERT_TRUE(IsAbove(asks.window().hwnd(), hung.window().hwnd()) && IsAbove(hung.window().hwnd(), later.window().hwnd()));
  ASSERT_TRUE(WaitUntil([&] { return ::IsHungAppWindow(hung.window().hwnd()) != 0; }, 20s)) << "never hung";

  app.Select(app.RowOf(selected.hwnd()));
  app.Click(CommandId::btnEnd);
  HWND question = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (question = asks.window().Question()) != nullptr; })) << "no window was asked to close";
  EXPECT_FALSE(WaitUntil([&] { return later.window().CloseRequests() > 0; }, 1s)) << "the next window was asked before the answer";
  // A program waiting in a send still answers messages sent to it; only its own loop runs a posted command.
  EXPECT_TRUE(app.RowFollows(bystander.hwnd())) << "the program is stuck while a window asks its user";
  // Another program may broadcast the number the program's work comes back by: it carries none of its work.
  app.Post(::RegisterWindowMessageW(L"QuarrowHovrel.WorkDone"), 0, 0x5EED);
  const HWND asking = asks.window().hwnd();
  ::PostMessageW(::GetDlgItem(question, IDOK), BM_CLICK, 0, 0);
  // Far below the minute End Task would wait for a window that has not hung.
  EXPECT_TRUE(WaitUntil([&] { return later.window().CloseRequests() == 1 && selected.CloseRequests() == 1; }, 20s))
      << "End Task stuck on the hung window";
  EXPECT_TRUE(WaitUntil([&] { return !asks.window().Exists() && app.RowOf(asking) < 0; }))
      << "the window that asked stayed after OK, or its row did";
  EXPECT_EQ(hung.window().CloseRequests(), 0);
}

TEST(HovrelCommands, EndTaskOnAnotherCopysRowEndsThatCopyBeforeItsOwn) {
  const FixtureWindow row(UniqueTitle(L"two copies"));
  RunningApp other;
  ASSERT_TRUE(other.started());
  RunningApp app;
  ASSERT_TRUE(app.started());
  // Its own window in front, End Task from the top down would reach it first.
  ASSERT_TRUE(WaitUntil([&] { return IsAbove(app.window(), other.window()) && app.RowOf(other.window()) >= 0; }))
      << "the other copy lies in front, or has no row";
  app.Select(app.RowOf(other.window()));
  app.Click(CommandId::btnEnd);
  EXPECT_EQ(other.ExitCode(10s), 0u) << "the other copy still runs or failed";
  EXPECT_EQ(app.ExitCode(10s), 0u) << "the copy that ran End Task still runs or failed";
}

}  // namespace
}  // namespace hovrel
