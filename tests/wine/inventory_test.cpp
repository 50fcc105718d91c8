// The window list, the placement commands and End Task on the real window
// system: windows of this test and of its helper processes, a real sorted
// list box, and titles in other scripts through the UTF-8 code page.
#include "inventory/end_apps.h"
#include "inventory/placement.h"
#include "inventory/window_list.h"
#include "platform/window_system_win32.h"
#include "support/fixture_windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

namespace hovrel {
namespace {

using namespace fixture;
using Windows = std::vector<std::unique_ptr<FixtureWindow>>;

// Wine flags a queue as hung when it has not been read for 5 s.
constexpr auto kHungDeadline = 20s;
// Longer than End Task waits for any one answer: a call still running then
// is stuck on a window, and ending the helper sets it free.
constexpr auto kEndTaskGuard = 90s;

// True when `upper` comes before `lower` in the z-order.
bool IsAbove(HWND upper, HWND lower) {
  for (HWND next = ::GetWindow(upper, GW_HWNDNEXT); next; next = ::GetWindow(next, GW_HWNDNEXT))
    if (next == lower) return true;
  return false;
}

class InventoryTest : public ::testing::Test {
 protected:
  void Rebuild(bool filterOn = true) {
    RebuildWindowList(ws, host.List(), host.handle(), filterOn, kAppFilterMask);
  }
  // Rebuilds, selects the window's row and returns it.
  int SelectRowOf(Hwnd hwnd, bool filterOn = true) {
    Rebuild(filterOn);
    host.Select(host.RowOf(hwnd));
    return host.RowOf(hwnd);
  }

  Win32WindowSystem ws;
  HostWindow host;
};

TEST_F(InventoryTest, WindowList_RowsAreSortedAndEachKeepsItsOwnHandle) {
  const std::wstring token = UniqueTitle(L"");
  Windows windows;  // made out of order, with one title twice
  for (const auto* word : {L"Delta", L"alpha", L"Charlie", L"bravo", L"Delta"})
    windows.push_back(std::make_unique<FixtureWindow>(token + word));

  Rebuild();
  std::vector<std::wstring> rows;
  for (int row = 0; row < host.List().ListCount(); ++row) {
    const std::wstring text = host.WideText(row);
    if (text.rfind(token, 0) != 0) continue;
    rows.push_back(text.substr(token.size()));
    EXPECT_EQ(WideTitle(ToHwnd(host.List().ItemData(row))), text) << "row " << row << " carries another window's handle";
  }
  EXPECT_EQ(rows, (std::vector<std::wstring>{L"alpha", L"bravo", L"Charlie", L"Delta", L"Delta"}));
  for (const auto& window : windows)  // five rows for five windows: each has its own
    EXPECT_GE(host.RowOf(window->handle()), 0) << ToUtf8(WideTitle(window->hwnd())) << " has no row";
  EXPECT_EQ(host.List().ListIndex(), -1) << "a rebuild leaves no row selected";
}

TEST_F(InventoryTest, WindowList_FilterLetsThroughOnlyVisibleFramedWindows) {
  // A null title makes an untitled window.
  struct Case { Kind kind; const wchar_t* title; bool listedFiltered, listedUnfiltered; } cases[] = {
      {Kind::Framed, L"Framed", true, true},       {Kind::Minimised, L"Minimised", true, true},
      {Kind::Popup, L"Popup", false, true},        {Kind::Hidden, L"Hidden", false, true},
      {Kind::Framed, nullptr, false, false},       {Kind::Hidden, nullptr, false, false},
  };
  Windows windows;
  for (const auto& c : cases)
    windows.push_back(std::make_unique<FixtureWindow>(c.title ? UniqueTitle(c.title) : L"", c.kind));

  for (const bool filterOn : {true, false}) {
    Rebuild(filterOn);
    for (std::size_t i = 0; i < std::size(cases); ++i)
      EXPECT_EQ(host.RowOf(windows[i]->handle()) >= 0,
                filterOn ? cases[i].listedFiltered : cases[i].listedUnfiltered)
          << "case " << i << ", filter " << filterOn;
    EXPECT_EQ(host.RowOf(host.handle()), -1) << "own window listed, filter " << filterOn;
  }
}

TEST_F(InventoryTest, Placement_MovesTheSelectedWindowBetweenBands) {
  // aboveCover: in front of a window that was opened after it.
  struct Case {
    const char* name; Kind kind; bool startsTopmost; Placement placement;
    bool topmost, minimised, aboveCover;
  } cases[] = {
      {"Top framed", Kind::Framed, false, Placement::Top, true, false, true},
      {"Top topmost", Kind::Framed, true, Placement::Top, true, false, true},
      {"Top minimised", Kind::Minimised, false, Placement::Top, true, false, true},
      {"Top hidden", Kind::Hidden, false, Placement::Top, true, false, true},
      {"Switch framed", Kind::Framed, false, Placement::Switch, false, false, true},
      {"Switch minimised", Kind::Minimised, false, Placement::Switch, false, false, true},
      {"Switch hidden", Kind::Hidden, false, Placement::Switch, false, false, true},
      {"Reset topmost", Kind::Framed, true, Placement::Reset, false, false, false},
      {"Reset minimised topmost", Kind::Minimised, true, Placement::Reset, false, true, false},
      {"Reset hidden", Kind::Hidden, false, Placement::Reset, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FixtureWindow target(UniqueTitle(L"Target"), c.kind);
    if (c.startsTopmost)
      ::SetWindowPos(target.hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    FixtureWindow cover(UniqueTitle(L"Cover"));
    const int row = SelectRowOf(target.handle(), false);
    ASSERT_GE(row, 0) << "the target is not listed";
    const int rows = host.List().ListCount();

    PlaceSelectedWindow(ws, host.List(), c.placement);

    EXPECT_EQ(IsTopmost(target.hwnd()), c.topmost);
    EXPECT_EQ(::IsIconic(target.hwnd()) != 0, c.minimised);
    EXPECT_TRUE(::IsWindowVisible(target.hwnd())) << "placing shows the window";
    EXPECT_TRUE(!c.aboveCover || IsAbove(target.hwnd(), cover.hwnd())) << "not above the cover";
    EXPECT_EQ(host.List().ListIndex(), row) << "the selection stays";
    EXPECT_EQ(host.List().ListCount(), rows) << "the list is not rebuilt";
  }
}

TEST_F(InventoryTest, EndTask_ClosesEveryWindowWhoseTitleHoldsTheTextWithItsCase) {
  const std::wstring needle = UniqueTitle(L"Needle");
  std::wstring lowered = needle;
  ::CharLowerBuffW(lowered.data(), static_cast<DWORD>(lowered.size()));
  struct Case { const char* name; std::wstring title; Kind kind; bool closes; } cases[] = {
      {"the row's own window", needle, Kind::Framed, true},
      {"same title", needle, Kind::Framed, true},
      {"text inside", L"Draft - " + needle + L" (2)", Kind::Framed, true},
      {"hidden", needle, Kind::Hidden, true},
      {"frameless popup", needle, Kind::Popup, true},
      {"minimised", needle, Kind::Minimised, true},
      {"other case", lowered, Kind::Framed, false},
      // Titles are searched by their first 255 characters only.
      {"text ending at 255", std::wstring(255 - needle.size(), L'.') + needle, Kind::Framed, true},
      {"text after 255", std::wstring(255, L'.') + needle, Kind::Framed, false},
      {"text cut short", needle.substr(0, needle.size() - 1), Kind::Framed, false},
  };
  Windows windows;
  for (const auto& c : cases) windows.push_back(std::make_unique<FixtureWindow>(c.title, c.kind));

  ASSERT_GE(SelectRowOf(windows[0]->handle()), 0);
  EXPECT_TRUE(EndSelectedTask(ws, host.List()));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(windows[i]->Exists(), !cases[i].closes) << cases[i].name;
    EXPECT_EQ(windows[i]->CloseRequests(), cases[i].closes ? 1 : 0) << cases[i].name;
  }
}

TEST_F(InventoryTest, EndTask_WaitsForEachAnswerButSkipsAHungWindow) {
  // button: how the question is answered, 0 when none is asked.
  struct Case { const char* name; HelperAnswer answer; int button; bool remains; } cases[] = {
      {"hung", HelperAnswer::Hangs, 0, true},
      {"asks, told OK", HelperAnswer::Asks, IDOK, false},
      {"asks, told Cancel", HelperAnswer::Asks, IDCANCEL, true},
      {"refuses", HelperAnswer::Refuses, 0, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::wstring title = UniqueTitle(L"Busy");
    // It refuses, so that it is asked once and stays to be counted.
    FixtureWindow later(title + L" later", Kind::Framed, CloseAnswer::Refuses);
    HelperWindow helper(c.answer, title + L" task");
    ASSERT_NE(helper.hwnd(), nullptr) << "the helper's window did not come up";
    ::SetWindowPos(later.hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(IsAbove(helper.hwnd(), later.hwnd()));
    ASSERT_TRUE(c.answer != HelperAnswer::Hangs ||
                WaitUntil([&] { return ::IsHungAppWindow(helper.hwnd()) != 0; }, kHungDeadline))
          << "the helper's window was never seen as not responding";

    // Once the question shows, watch for a moment that no other window is
    // asked while it is open, then answer it.
    std::atomic<bool> questionSeen{false}, laterAskedFirst{false};
    std::thread answerer([&] {
      HWND question = nullptr;
      if (!c.button || !WaitUntil([&] { return (question = helper.Question()) != nullptr; })) return;
      questionSeen = true;
      laterAskedFirst = WaitUntil([&] { return later.CloseRequests() > 0; }, 500ms);
      ::SendMessageW(::GetDlgItem(question, c.button), BM_CLICK, 0, 0);
    });
    std::atomic<bool> returned{false}, stuck{false};
    std::thread guard([&] {
      stuck = !WaitUntil([&] { return returned.load(); }, kEndTaskGuard);
      if (stuck) helper.End();
    });
    modEndApps::EndAppsByTitle(ws, ToUtf8(title));
    returned = true;
    guard.join();
    answerer.join();
    ASSERT_FALSE(stuck) << "End Task never came back from the helper's window until the helper was ended";

    EXPECT_EQ(later.CloseRequests(), 1) << "the window after it was not asked";
    EXPECT_EQ(questionSeen.load(), c.button != 0) << "a question was shown, or not, against the case";
    EXPECT_FALSE(laterAskedFirst) << "the next window was asked before the answer";
    EXPECT_TRUE(WaitUntil([&] { return helper.Exists() == c.remains; }, 5s))
        << "the helper's window " << (c.remains ? "closed" : "stayed");
  }
}

TEST_F(InventoryTest, Utf8Titles_AreListedIntactAndEndTaskClosesOnlyTheirOwn) {
  ASSERT_EQ(::GetACP(), 65001u) << "titles in other scripts would cross as question marks";
  // Each decoy would read as the same run of question marks as a target
  // through a legacy code page.
  const std::wstring token = UniqueTitle(L"");
  const std::wstring words[] = {L"Привет", L"日本語", L"Прощай", L"??????", L"中文字", L"???",
                                L"Ελληνικά και English"};
  Windows windows;
  for (const auto& word : words) windows.push_back(std::make_unique<FixtureWindow>(token + word));
  // Another program's title is read across the process boundary.
  const std::wstring otherTitle = UniqueTitle(L"Добрый день, 世界");
  HelperWindow other(HelperAnswer::Refuses, otherTitle);
  ASSERT_NE(other.hwnd(), nullptr) << "the helper's window did not come up";

  Rebuild();
  for (std::size_t i = 0; i <= windows.size(); ++i) {
    const std::wstring title = i < windows.size() ? token + words[i] : otherTitle;
    const int row = host.RowOf(i < windows.size() ? windows[i]->handle() : FromHwnd(other.hwnd()));
    ASSERT_GE(row, 0) << ToUtf8(title) << " is not listed";
    EXPECT_EQ(host.WideText(row), title);
    EXPECT_EQ(host.List().List(row), ToUtf8(title));
  }
  for (std::size_t target = 0; target < 2; ++target) {
    ASSERT_GE(SelectRowOf(windows[target]->handle()), 0);
    EXPECT_TRUE(EndSelectedTask(ws, host.List()));
    EXPECT_FALSE(windows[target]->Exists()) << ToUtf8(words[target]);
    for (std::size_t i = 2; i < windows.size(); ++i)
      EXPECT_EQ(windows[i]->CloseRequests(), 0) << ToUtf8(words[i]) << " was asked to close";
  }
}

}  // namespace
}  // namespace hovrel
