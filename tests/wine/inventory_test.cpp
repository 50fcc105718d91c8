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
#include <iostream>
#include <memory>
#include <thread>

namespace hovrel {
namespace {

using namespace fixture;
using Clock = std::chrono::steady_clock;

// Wine flags a queue as hung when it has not been read for 5 s.
constexpr auto kHungDeadline = 20s;
// Longer than End Task waits for any one answer: a call still running then
// is stuck on a window, and ending the helper sets it free.
constexpr auto kEndTaskGuard = 90s;
// How long the question stays unanswered while the test watches that no
// other window is asked meanwhile.
constexpr auto kQuestionHold = 500ms;

class InventoryTest : public ::testing::Test {
 protected:
  void Rebuild(bool filterOn = true) {
    FindAllApps(ws, host.List(), host.handle(), filterOn, kAppFilterMask);
  }
  bool Listed(Hwnd hwnd) const { return host.RowOf(hwnd) >= 0; }
  // Rebuilds, selects the window's row and returns it.
  int SelectRowOf(Hwnd hwnd, bool filterOn = true) {
    Rebuild(filterOn);
    const int row = host.RowOf(hwnd);
    host.Select(row);
    return row;
  }

  Win32WindowSystem ws;
  HostWindow host;
};

TEST_F(InventoryTest, WindowList_RowsAreSortedAndEachKeepsItsOwnHandle) {
  const std::wstring token = UniqueTitle(L"");
  // Made out of order, with one title twice.
  const std::wstring words[] = {L"Delta", L"alpha", L"Charlie", L"bravo", L"Delta"};
  std::vector<std::unique_ptr<FixtureWindow>> windows;
  for (const auto& word : words) windows.push_back(std::make_unique<FixtureWindow>(token + word));

  Rebuild();
  std::vector<std::wstring> rows;
  std::vector<Hwnd> handles;
  for (int row = 0; row < host.List().ListCount(); ++row) {
    const std::wstring text = host.WideText(row);
    if (text.rfind(token, 0) != 0) continue;
    rows.push_back(text.substr(token.size()));
    const Hwnd data = host.List().ItemData(row);
    handles.push_back(data);
    EXPECT_EQ(WideTitle(ToHwnd(data)), text) << "row " << row << " carries another window's handle";
  }
  EXPECT_EQ(rows, (std::vector<std::wstring>{L"alpha", L"bravo", L"Charlie", L"Delta", L"Delta"}));
  for (const auto& window : windows)
    EXPECT_EQ(std::count(handles.begin(), handles.end(), window->handle()), 1)
        << "each window gets exactly one row";
  EXPECT_EQ(host.List().ListIndex(), -1) << "a rebuild leaves no row selected";
}

TEST_F(InventoryTest, WindowList_FilterLetsThroughOnlyVisibleFramedWindows) {
  struct Case {
    const char* name;
    Kind kind;
    const wchar_t* title;
    bool listedFiltered;
    bool listedUnfiltered;
  } cases[] = {
      {"framed", Kind::Framed, L"Framed", true, true},
      {"minimised", Kind::Minimised, L"Minimised", true, true},
      {"frameless popup", Kind::Popup, L"Popup", false, true},
      {"hidden", Kind::Hidden, L"Hidden", false, true},
      {"untitled", Kind::Framed, nullptr, false, false},
      {"hidden untitled", Kind::Hidden, nullptr, false, false},
  };
  std::vector<std::unique_ptr<FixtureWindow>> windows;
  for (const auto& c : cases)
    windows.push_back(
        std::make_unique<FixtureWindow>(c.title ? UniqueTitle(c.title) : L"", c.kind));

  for (const bool filterOn : {true, false}) {
    Rebuild(filterOn);
    for (std::size_t i = 0; i < std::size(cases); ++i)
      EXPECT_EQ(Listed(windows[i]->handle()),
                filterOn ? cases[i].listedFiltered : cases[i].listedUnfiltered)
          << cases[i].name << " window, filter " << (filterOn ? "on" : "off");
    EXPECT_FALSE(Listed(host.handle()))
        << "own window listed, filter " << (filterOn ? "on" : "off");
  }
}

TEST_F(InventoryTest, Placement_MovesTheSelectedWindowBetweenBands) {
  struct Case {
    const char* name;
    Kind kind;
    bool startsTopmost;
    Placement placement;
    bool topmost;
    bool minimised;
    bool aboveCover;  // in front of a window that was opened after it
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
      ::SetWindowPos(target.hwnd(), HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    FixtureWindow cover(UniqueTitle(L"Cover"));
    const int row = SelectRowOf(target.handle(), false);
    ASSERT_GE(row, 0) << "the target is not listed";
    const int rows = host.List().ListCount();

    PlaceSelectedWindow(ws, host.List(), c.placement);

    EXPECT_EQ(IsTopmost(target.hwnd()), c.topmost);
    EXPECT_EQ(::IsIconic(target.hwnd()) != 0, c.minimised);
    EXPECT_TRUE(::IsWindowVisible(target.hwnd())) << "placing shows the window";
    if (c.aboveCover) {
      EXPECT_TRUE(IsAbove(target.hwnd(), cover.hwnd()));
    }
    EXPECT_EQ(host.List().ListIndex(), row) << "the selection stays";
    EXPECT_EQ(host.List().ListCount(), rows) << "the list is not rebuilt";
  }
}

TEST_F(InventoryTest, EndTask_ClosesEveryWindowWhoseTitleHoldsTheTextWithItsCase) {
  const std::wstring needle = UniqueTitle(L"Needle");
  std::wstring lowered = needle;
  ::CharLowerBuffW(lowered.data(), static_cast<DWORD>(lowered.size()));
  // Titles are searched by their first 255 characters only.
  const std::wstring endsAt255 = std::wstring(255 - needle.size(), L'.') + needle;
  const std::wstring startsAt256 = std::wstring(255, L'.') + needle;
  struct Case {
    const char* name;
    std::wstring title;
    Kind kind;
    bool closes;
  } cases[] = {
      {"the row's own window", needle, Kind::Framed, true},
      {"same title", needle, Kind::Framed, true},
      {"text inside", L"Draft - " + needle + L" (2)", Kind::Framed, true},
      {"hidden", needle, Kind::Hidden, true},
      {"frameless popup", needle, Kind::Popup, true},
      {"minimised", needle, Kind::Minimised, true},
      {"other case", lowered, Kind::Framed, false},
      {"text ending at 255", endsAt255, Kind::Framed, true},
      {"text after 255", startsAt256, Kind::Framed, false},
      {"text cut short", needle.substr(0, needle.size() - 1), Kind::Framed, false},
  };
  std::vector<std::unique_ptr<FixtureWindow>> windows;
  for (const auto& c : cases) windows.push_back(std::make_unique<FixtureWindow>(c.title, c.kind));

  ASSERT_GE(SelectRowOf(windows[0]->handle()), 0);
  EXPECT_TRUE(EndSelectedTask(ws, host.List()));

  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(windows[i]->Exists(), !cases[i].closes) << cases[i].name;
    EXPECT_EQ(windows[i]->CloseRequests(), cases[i].closes ? 1 : 0) << cases[i].name;
  }
}

// The order in which End Task reached the windows, as they saw it.
struct AskedOrder {
  std::atomic<bool> questionSeen{false};
  std::atomic<bool> laterAskedBeforeAnswer{false};
};

// Answers the helper's question once it shows, after watching for a moment
// that no other window is asked while it is open.
void AnswerQuestion(const HelperWindow& helper, const FixtureWindow& later, int button,
                    AskedOrder& order) {
  HWND question = nullptr;
  WaitUntil([&] { return (question = helper.Question()) != nullptr; });
  if (!question) return;
  order.questionSeen = true;
  const auto holdEnd = Clock::now() + kQuestionHold;
  WaitUntil([&] { return later.CloseRequests() > 0 || Clock::now() >= holdEnd; });
  order.laterAskedBeforeAnswer = later.CloseRequests() > 0;
  ::SendMessageW(::GetDlgItem(question, button), BM_CLICK, 0, 0);
}

TEST_F(InventoryTest, EndTask_WaitsForEachAnswerButSkipsAHungWindow) {
  struct Case {
    const char* name;
    HelperAnswer answer;
    int button;  // how the question is answered, 0 when none is asked
    bool remains;
  } cases[] = {
      {"hung", HelperAnswer::Hangs, 0, true},
      {"asks, told OK", HelperAnswer::Asks, IDOK, false},
      {"asks, told Cancel", HelperAnswer::Asks, IDCANCEL, true},
      {"refuses", HelperAnswer::Refuses, 0, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::wstring title = UniqueTitle(L"Busy");
    // It refuses, so that the time measured is that of the helper's window.
    FixtureWindow later(title + L" later", Kind::Framed, CloseAnswer::Refuses);
    HelperWindow helper(c.answer, title + L" task");
    ASSERT_NE(helper.hwnd(), nullptr) << "the helper's window did not come up";
    SendToBottom(later.hwnd());
    ASSERT_TRUE(IsAbove(helper.hwnd(), later.hwnd()));
    if (c.answer == HelperAnswer::Hangs) {
      ASSERT_TRUE(WaitUntil([&] { return ::IsHungAppWindow(helper.hwnd()) != 0; }, kHungDeadline))
          << "the helper's window was never seen as not responding";
    }

    AskedOrder order;
    std::thread answerer;
    if (c.button) answerer = std::thread([&] { AnswerQuestion(helper, later, c.button, order); });
    std::atomic<bool> returned{false};
    bool stuck = false;
    std::thread guard([&] {
      stuck = !WaitUntil([&] { return returned.load(); }, kEndTaskGuard);
      if (stuck) helper.End();
    });
    const auto start = Clock::now();
    modEndApps::EndAppsByTitle(ws, ToUtf8(title));
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    returned = true;
    guard.join();
    if (answerer.joinable()) answerer.join();
    ASSERT_FALSE(stuck)
        << "End Task never came back from the helper's window until the helper was ended";
    std::cout << "[ measured ] End Task with a window that " << c.name << ": " << took.count()
              << " ms\n";

    EXPECT_EQ(later.CloseRequests(), 1) << "the window after it was not asked";
    if (c.button) {
      EXPECT_TRUE(order.questionSeen) << "no question was shown";
      EXPECT_FALSE(order.laterAskedBeforeAnswer) << "the next window was asked before the answer";
    }
    EXPECT_EQ(WaitUntil([&] { return helper.Exists() == c.remains; }, 5s), true)
        << "the helper's window " << (c.remains ? "closed" : "stayed");
  }
}

TEST(Utf8CodePage, IsTheProcessCodePage) {
  EXPECT_EQ(::GetACP(), 65001u) << "titles in other scripts would cross as question marks";
}

TEST_F(InventoryTest, Utf8Titles_AreListedIntact) {
  const std::wstring titles[] = {UniqueTitle(L"Привет, мир"), UniqueTitle(L"日本語のウィンドウ"),
                                 UniqueTitle(L"Ελληνικά και English")};
  std::vector<std::unique_ptr<FixtureWindow>> windows;
  for (const auto& title : titles) windows.push_back(std::make_unique<FixtureWindow>(title));
  // Another program's title is read across the process boundary.
  const std::wstring otherTitle = UniqueTitle(L"Добрый день, 世界");
  HelperWindow other(HelperAnswer::Refuses, otherTitle);
  ASSERT_NE(other.hwnd(), nullptr) << "the helper's window did not come up";

  Rebuild();
  std::vector<std::pair<Hwnd, std::wstring>> expected;
  for (std::size_t i = 0; i < windows.size(); ++i)
    expected.emplace_back(windows[i]->handle(), titles[i]);
  expected.emplace_back(FromHwnd(other.hwnd()), otherTitle);
  for (const auto& [hwnd, title] : expected) {
    const int row = host.RowOf(hwnd);
    ASSERT_GE(row, 0) << ToUtf8(title) << " is not listed";
    EXPECT_EQ(host.WideText(row), title);
    EXPECT_EQ(host.List().List(row), ToUtf8(title));
  }
}

TEST_F(InventoryTest, Utf8Titles_EndTaskClosesOnlyTheWindowsThatHoldTheText) {
  // Each decoy would read as the same run of question marks as the target
  // through a legacy code page.
  struct Case {
    const wchar_t* target;
    std::vector<const wchar_t*> decoys;
  } cases[] = {
      {L"Привет", {L"Прощай", L"??????"}},
      {L"日本語", {L"中文字", L"???"}},
  };
  for (const auto& c : cases) {
    const std::wstring token = UniqueTitle(L"");
    SCOPED_TRACE(ToUtf8(c.target));
    FixtureWindow target(token + c.target);
    std::vector<std::unique_ptr<FixtureWindow>> decoys;
    for (const auto* decoy : c.decoys)
      decoys.push_back(std::make_unique<FixtureWindow>(token + decoy));

    ASSERT_GE(SelectRowOf(target.handle()), 0);
    EXPECT_TRUE(EndSelectedTask(ws, host.List()));

    EXPECT_FALSE(target.Exists());
    for (std::size_t i = 0; i < decoys.size(); ++i)
      EXPECT_EQ(decoys[i]->CloseRequests(), 0) << ToUtf8(c.decoys[i]) << " was asked to close";
  }
}

}  // namespace
}  // namespace hovrel
