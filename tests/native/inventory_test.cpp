// The window list and End Task on the simulated desktop: rows and their
// handles, titles as read, windows that go meanwhile, whether the list is
// still current, and whom End Task asks and how it takes answers; which icon
// and opacity a row shows; the opacity's steps and restore. What Top, Reset, Switch and the opacity keys do, and on
// which windows, is in frmMain's table of actions.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <tuple>
#include <vector>

#include "inventory/end_apps.h"
#include "inventory/placement.h"
#include "inventory/opacity.h"
#include "inventory/window_list.h"
#include "inventory/window_look.h"
#include "sim/fake_list_box.h"
#include "sim/simulated_desktop.h"

namespace hovrel {
namespace {

using sim::CloseAnswer;
using sim::kFramedStyle;
using sim::Rows;

struct Inventory : ::testing::Test {
  Rows Rebuild(bool filterOn = true) {
    RebuildWindowList(desktop, list, self, filterOn, kAppFilterMask);
    return list.Rows();
  }
  Hwnd Add(std::string title, std::uint32_t style = kFramedStyle, CloseAnswer answer = CloseAnswer::Closes) {
    return desktop.Add(sim::WindowOptions{std::move(title), style, answer});
  }

  sim::SimulatedDesktop desktop;
  sim::FakeListBox list;
  Hwnd self = desktop.Add("Quarrow Hovrel");
};

TEST_F(Inventory, WindowList_ListsTheTitledWindowsThatPassSortedEachWithItsOwnHandle) {
  const Hwnd zulu = Add("Zulu"), alpha = Add("alpha"), notes = Add("Untitled - Notepad"),
             moreNotes = Add("Untitled - Notepad"), popup = Add("frameless popup", sim::kPopupStyle),
             hidden = Add("hidden framed", kFramedStyle & ~WS_VISIBLE), service = Add("hidden service", 0),
             border = Add("border only", WS_VISIBLE | WS_BORDER), minimised = Add("minimised", kFramedStyle | WS_MINIMIZE),
             cloaked = desktop.Add({"cloaked", kFramedStyle, CloseAnswer::Closes, sim::kNotPlaced, "Sim", true}),
             hungBehindGhost = Add("hung", kFramedStyle & ~WS_VISIBLE, CloseAnswer::Hangs), report = Add("Report (1)");
  const Hwnd hiddenHungService = Add("hidden hung service", 0, CloseAnswer::Hangs);
  // Hung on another virtual desktop: Windows shows no ghost of it here.
  const Hwnd hungElsewhere = desktop.Add({"hung elsewhere", kFramedStyle & ~WS_VISIBLE, CloseAnswer::Hangs, sim::kNotPlaced, "Sim", true});
  const Hwnd ghost = desktop.Add(sim::WindowOptions{.title = "hung (Not Responding)", .className = "Ghost"});
  Add("");
  // Of two equal titles, the one higher in the z-order is read first.
  EXPECT_EQ(Rebuild(true), (Rows{{"alpha", alpha}, {"border only", border}, {"hung", hungBehindGhost}, {"minimised", minimised},
                                 {"Report (1)", report}, {"Untitled - Notepad", moreNotes}, {"Untitled - Notepad", notes},
                                 {"Zulu", zulu}}));
  list.SetListIndex(0);
  EXPECT_EQ(Rebuild(false), (Rows{{"alpha", alpha}, {"border only", border}, {"cloaked", cloaked}, {"frameless popup", popup},
                                  {"hidden framed", hidden}, {"hidden hung service", hiddenHungService},
                                  {"hidden service", service}, {"hung", hungBehindGhost}, {"hung elsewhere", hungElsewhere},
                                  {"minimised", minimised}, {"Report (1)", report}, {"Untitled - Notepad", moreNotes}, {"Untitled - Notepad", notes}, {"Zulu", zulu}}));
  EXPECT_EQ(list.ListIndex(), -1);
  // Hidden by its own program, not by a ghost, a hung window is out of sight.
  desktop.Remove(ghost);
  Rebuild(true);
  EXPECT_EQ(list.Find("hung"), -1) << "a hung window listed with no ghost hiding it";
  EXPECT_EQ(list.rowsAddedWhileDrawing, 0) << "rows added with redraw on";
  EXPECT_EQ(list.refillDepth(), 0) << "redraw left off";
}

TEST_F(Inventory, WindowList_RowsShowTheTitleAsReadCutToTheLengthFirstReported) {
  const std::string huge(64 * 1024, 'x');
  // The title, what it becomes between the length and the text query, the row ("": none).
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {huge, huge, huge}, {"abc", huge, "xxx"}, {"Saving document", "Saved", "Saved"},
      {"Отчёт", "Отчёт — Редактор", "Отчёт"}, {"Loading", "", ""},
  };
  for (const auto& [title, titleWhenRead, row] : cases) {
    const Hwnd hwnd = Add(title);
    desktop.afterEachRead = [&](std::string_view op, Hwnd read) {
      if (read == hwnd && op == "GetWindowTextLengthW") desktop.Change(hwnd).title = titleWhenRead;
    };
    EXPECT_TRUE(Rebuild() == (row.empty() ? Rows{} : Rows{{row, hwnd}})) << title.substr(0, 20) << " read as " << titleWhenRead.substr(0, 20);
    desktop.Remove(hwnd);
  }
}

TEST(WindowList, IsCurrentUntilTheWindowsItWouldListOrTheirTitlesChange) {
  const std::pair<const char*, std::function<void(sim::SimulatedDesktop&, Hwnd, Hwnd, Hwnd)>> cases[] = {
      // what happens; only the last makes the list stale
      {"a hidden window opens", [](auto& d, Hwnd, Hwnd, Hwnd) { d.Add("hidden", 0); }},
      {"the program's own title changes", [](auto& d, Hwnd self, Hwnd, Hwnd) { d.Change(self).title = "new"; }},
      {"two windows swap titles", [](auto& d, Hwnd, Hwnd a, Hwnd b) { d.Change(a).title = "B", d.Change(b).title = "A"; }},
  };
  for (const auto& [name, change] : cases) {
    sim::SimulatedDesktop desktop;
    const Hwnd self = desktop.Add("Quarrow Hovrel"), a = desktop.Add("A"), b = desktop.Add("B");
    sim::FakeListBox list;
    RebuildWindowList(desktop, list, self, true, kAppFilterMask);
    change(desktop, self, a, b);
    EXPECT_EQ(WindowListIsCurrent(desktop, list, self, true, kAppFilterMask), name != cases[2].first) << name;
  }
}

TEST_F(Inventory, WindowList_WindowsDestroyedDuringTheRebuildHideNoneOfTheOthers) {
  // The read after which B is destroyed. Read in full before it went, its
  // row stays until the next rebuild.
  const std::pair<std::string_view, std::vector<std::string>> cases[] = {
      {"GetWindowTextW", {"A", "B", "C", "D"}}, {"GetWindowTextLengthW", {"A", "C", "D"}}, {"GetWindowLongW", {"A", "C", "D"}}};
  for (const auto& [after, expected] : cases) {
    const Hwnd d = Add("D"), c = Add("C"), b = Add("B"), a = Add("A");  // the z-order: A, B, C, D
    desktop.afterEachRead = [&](std::string_view op, Hwnd hwnd) {
      if (hwnd == b && op == after) desktop.Remove(b);
    };
    std::vector<std::string> titles;
    for (const auto& row : Rebuild()) titles.push_back(row.first);
    EXPECT_EQ(titles, expected) << after;
    EXPECT_EQ(list.ItemData(list.Find("D")), d) << after;
    for (const Hwnd hwnd : {a, c, d}) desktop.Remove(hwnd);
  }
  for (int i = 0; i < 50; ++i) Add("Window " + std::to_string(i));
  desktop.afterEachRead = [&](std::string_view op, Hwnd hwnd) {
    if (op == "GetWindowTextW") desktop.Remove(hwnd);
  };
  // Every window destroyed once read: a walk from window to window would
  // lose its way at the first; the desktop's one list keeps them all.
  EXPECT_EQ(Rebuild().size(), 50u);
}

TEST(Switch, ReachesTheWindowThatTakesTheKeysAsAltTabDoes) {
  struct Window { int owner, visible, enabled, lastActive; };  // by index in the case's list; -1: none
  const std::tuple<const char*, std::vector<Window>, int, int> cases[] = {  // name, windows, switched to, takes the keys
      {"a window of its own", {{-1, 1, 1, -1}}, 0, 0},
      {"a disabled window's dialog, active last", {{-1, 1, 0, 2}, {0, 1, 1, -1}, {0, 1, 1, -1}}, 0, 2},
      {"a dialog never active, shown while its owner was disabled", {{-1, 1, 0, -1}, {0, 0, 1, -1}, {0, 1, 1, -1}, {0, 1, 0, -1}}, 0, 2},
      {"the dialog of a disabled dialog", {{-1, 1, 0, -1}, {0, 1, 0, -1}, {1, 1, 1, -1}}, 0, 2},
      {"the main window a hidden root owns", {{-1, 0, 1, 1}, {0, 1, 1, -1}, {0, 1, 1, -1}}, 1, 1},
      {"the main window of a hidden root that was never active", {{-1, 0, 1, -1}, {0, 1, 1, -1}}, 1, 1},
      {"the dialog a hidden root owns beside its disabled main window", {{-1, 0, 1, 2}, {0, 1, 0, -1}, {0, 1, 1, -1}}, 1, 2},
      {"past a last active pop-up since hidden, to its own", {{-1, 1, 1, 1}, {0, 0, 1, 2}, {1, 1, 1, -1}}, 0, 2},
      {"itself, when its last active pop-up is hidden", {{-1, 1, 1, 1}, {0, 0, 1, -1}}, 0, 0},
  };
  for (const auto& [name, windows, switched, usable] : cases) {
    sim::SimulatedDesktop desktop;
    std::vector<Hwnd> handles;
    for (const Window& w : windows)
      handles.push_back(desktop.Add(sim::WindowOptions{.title = "w", .style = w.visible ? kFramedStyle : 0, .owner = w.owner < 0 ? 0 : handles[w.owner],
                                                       .enabled = w.enabled != 0}));
    for (std::size_t i = 0; i < windows.size(); ++i)
      if (windows[i].lastActive >= 0) desktop.Change(handles[i]).lastActivePopup = handles[windows[i].lastActive];
    EXPECT_EQ(UsableWindow(desktop, handles[switched]), handles[usable]) << name;
  }
}

TEST_F(Inventory, EndTask_AsksEveryTaskWhoseTitleHoldsTheRowsTextWithItsCaseUpToTheTitles255thCharacter) {
  const std::tuple<std::string, bool, std::string> cases[] = {  // title, asked to close, class
      {"Hovrel", true, "Sim"},  // another window of the selected row's title
      {"My Hovrel notes", true, "Sim"}, {"Hovrel Отчёт", true, "Sim"}, {"hovrel", false, "Sim"}, {"HOVREL", false, "Sim"},
      {"ovrel", false, "Sim"}, {"", false, "Sim"}, {std::string(249, 'z') + "Hovrel", true, "Sim"},
      {std::string(250, 'z') + "Hovrel", false, "Sim"},
      // No tasks: the taskbars, the desktop's icons and the input methods' helpers.
      {"Hovrel", false, "Shell_TrayWnd"}, {"Hovrel", false, "Shell_SecondaryTrayWnd"}, {"Hovrel", false, "WorkerW"},
      {"Hovrel IME", false, "IME"}, {"Hovrel", false, "MSCTFIME UI"}, {"Hovrel", true, "IMEX"},
      {"Hovrel", false, "Progman"},  // the shell's desktop
      {"Hovrel", true, "Sim"},  // the selected row's own window: highest, so read first
  };
  std::vector<Hwnd> handles;
  for (const auto& [title, asked, className] : cases)
    handles.push_back(desktop.Add({title, 0, CloseAnswer::Refuses, sim::kNotPlaced, className}));
  desktop.shellWindow = handles[handles.size() - 2];
  Rebuild(false);
  modEndApps::EndAppsByTitle(desktop, list.List(list.Find("Hovrel")));
  for (std::size_t i = 0; i < handles.size(); ++i)
    EXPECT_EQ(desktop.CloseRequests(handles[i]), std::get<1>(cases[i]) ? 1 : 0)
        << std::get<0>(cases[i]).substr(0, 20) << " of class " << std::get<2>(cases[i]);
  // The program's own window holds the text too, and is asked like any.
  EXPECT_EQ(desktop.CloseRequests(self), 1);
}

TEST_F(Inventory, EndTask_CutsTheRowsTextAsATitleBufferHoldsItInUtf16UnitsSoThatItsOwnWindowAlwaysGoes) {
  // Letters of three bytes and one unit, and characters of four bytes and two units.
  std::string letters, longer, twoUnits;
  for (int i = 0; i < 300; ++i) (i < 100 ? letters : longer) += "文";
  for (int i = 0; i < 200; ++i) twoUnits += "😀";
  // Cut at 255 bytes, the 100 letters would be 85, found in this title too.
  const Hwnd decoy = Add(letters.substr(0, 255) + "x", kFramedStyle, CloseAnswer::Refuses);
  for (const std::string& title : {letters, letters + longer, twoUnits}) {
    const Hwnd hwnd = Add(title, kFramedStyle, CloseAnswer::Refuses);
    Rebuild();
    modEndApps::EndAppsByTitle(desktop, list.List(list.Find(title)));
    EXPECT_EQ(desktop.CloseRequests(hwnd), 1) << title.size() << " bytes";
    desktop.Remove(hwnd);
  }
  EXPECT_EQ(desktop.CloseRequests(decoy), 0);
}

TEST_F(Inventory, EndTask_LivesWithEveryAnswerSkipsAHungWindowAndClosesNothingForNoText) {
  // Asked from the top down: the hung window first.
  const Hwnd after = Add("Task after the others"), closes = Add("Task", 0, CloseAnswer::Closes),
             refuses = Add("Task", 0, CloseAnswer::Refuses), hangs = Add("Task", 0, CloseAnswer::Hangs);
  modEndApps::EndAppsByTitle(desktop, "");
  EXPECT_EQ(desktop.CloseRequests(closes) + desktop.CloseRequests(self), 0) << "no text asked windows to close";
  modEndApps::EndAppsByTitle(desktop, "Task");
  EXPECT_FALSE(desktop.Exists(closes));
  EXPECT_TRUE(desktop.Exists(refuses) && desktop.Exists(hangs));
  EXPECT_FALSE(desktop.froze) << "a close request to a hung window must not wait for it";
  EXPECT_FALSE(desktop.Exists(after)) << "the windows after a hung one are still asked";
}

TEST(WindowLook, ARowShowsItsClassIconUntilItsWindowAnswersWithoutWaitAndAsksForTheIconOfItsSizeFirst) {
  using Icons = std::map<std::intptr_t, std::uint32_t>;  // by WM_GETICON kind (0 small, 1 big, 2 small2), by GCLP_ index
  const std::tuple<const char*, int, Icons, std::uint32_t, std::uint32_t, int> cases[] = {
      // the window, the cell's pixels, its icons, the icon shown before it answers and after, the requests it answered
      {"small2 first", 16, {{0, 10}, {1, 11}, {2, 12}}, 0, 12, 1},
      {"then its class's small", 16, {{1, 11}, {-34, 20}, {-14, 21}}, 20, 20, 2},
      {"big first, cell 24", 24, {{0, 10}, {1, 11}, {2, 12}}, 0, 11, 1},
      {"small without a big", 24, {{0, 10}, {-34, 20}}, 20, 10, 3},
  };
  for (const auto& [name, size, icons, before, after, requests] : cases) {
    for (const auto answer : {CloseAnswer::Closes, CloseAnswer::Busy}) {
      sim::SimulatedDesktop desktop;
      const Hwnd window = desktop.Add({"window", kFramedStyle, answer, sim::kNotPlaced, "Sim", false, icons});
      int drawn = 0;
      WindowLooks looks(desktop, [&](Hwnd hwnd) { drawn += hwnd == window; });
      EXPECT_EQ(looks.Look(window, size).icon, before) << name;
      for (int round = 0; round < 3; ++round) desktop.RunWindowThreads();
      // A busy window's answer comes once it reads its messages again.
      desktop.Change(window).closeAnswer = CloseAnswer::Closes;
      for (int round = 0; round < 3; ++round) desktop.RunWindowThreads();
      EXPECT_EQ(looks.Look(window, size).icon, after) << name;
      EXPECT_EQ(desktop.Sent(window, 0x7F), requests) << name;  // WM_GETICON
      EXPECT_EQ(drawn, after != before) << name << ": its row not drawn again as its icon came";
      EXPECT_FALSE(desktop.froze) << name;
      looks.Forget();
      EXPECT_EQ(looks.Look(window, size).icon, before) << name << ": kept after a rebuild";
    }
  }
}

TEST(WindowLook, ARowIsShieldedWhileItsProgramRunsAboveTheProgramsLevelReadOncePerProcessAndRebuild) {
  constexpr std::uint32_t kMedium = SECURITY_MANDATORY_MEDIUM_RID, kHigh = SECURITY_MANDATORY_HIGH_RID, kSystem = 0x4000;
  const std::tuple<std::uint32_t, std::uint32_t, bool> cases[] = {  // the program's level, the window's (0: unreadable), shielded
      {kMedium, kHigh, true}, {kMedium, kMedium, false}, {kMedium, 0, false},
      {kHigh, kHigh, false},  {kHigh, kSystem, true},    {0, kHigh, false}};
  for (const auto& [own, theirs, shielded] : cases) {
    sim::SimulatedDesktop desktop;
    desktop.ownIntegrity = own;
    const Hwnd first = desktop.Add(sim::WindowOptions{.title = "", .thread = 50, .integrity = theirs}),
               second = desktop.Add(sim::WindowOptions{.title = "", .thread = 50, .integrity = theirs});
    WindowLooks looks(desktop, [](Hwnd) {});
    EXPECT_EQ(looks.Look(first, 16).shielded, shielded) << own << " " << theirs;
    EXPECT_EQ(looks.Look(second, 16).shielded, shielded) << own << " " << theirs;
    EXPECT_EQ(desktop.integrityReads[50], 1) << "read for each row";
    looks.Forget();
    looks.Look(first, 16);
    EXPECT_EQ(desktop.integrityReads[50], 2) << "not read again after a rebuild";
  }
}

TEST(WindowLook, ARowShowsTheOpacityOfAWindowSeenThroughByItsAlphaOnly) {
  const std::tuple<std::uint32_t, sim::Layered, std::string> cases[] = {  // extended style, layered attributes, figure
      {0, {}, ""}, {WS_EX_LAYERED, {}, ""}, {WS_EX_LAYERED, {{0, 255, LWA_ALPHA}}, ""}, {WS_EX_LAYERED, {{0, 153, LWA_ALPHA}}, "60%"},
      {WS_EX_LAYERED, {{0, 173, LWA_ALPHA}}, "68%"}, {WS_EX_LAYERED, {{0xFF, 0, LWA_COLORKEY}}, ""}};
  for (const auto& [exStyle, layered, figure] : cases) {
    sim::SimulatedDesktop desktop;
    const Hwnd hwnd = desktop.Add({.title = "", .exStyle = exStyle, .layered = layered});
    EXPECT_EQ(WindowLooks(desktop, [](Hwnd) {}).Look(hwnd, 16).figure, figure) << figure;
  }
}

TEST_F(Inventory, EndTask_AsksTheProgramsOwnWindowsAfterEveryOtherWindowThatMatches) {
  // The program's own window is in front, as the active window is.
  desktop.Remove(self);
  const Hwnd other = Add("Quarrow Hovrel"), second = Add("Quarrow Hovrel notes");
  desktop.AddAs(self, {.title = "Quarrow Hovrel", .closeAnswer = CloseAnswer::Refuses, .thread = sim::kProgramThread});
  const Hwnd last = Add("Quarrow Hovrel");
  modEndApps::EndAppsByTitle(desktop, "Quarrow Hovrel", sim::kProgramThread);
  EXPECT_EQ(desktop.asked, (std::vector{last, second, other, self}));
}

TEST(SeeThrough, StepsByTenPointsToTwentyAtLeastAndGivesBackTheStateBeforeTheFirstChangeAt100AndAtTheEnd) {
  using sim::Layered;
  const Layered own{{0xFF00FF, 200, LWA_ALPHA | LWA_COLORKEY}};  // 78%, with a colour key
  const std::tuple<Layered, std::vector<int>, Layered> cases[] = {  // before, the steps, after them (none: not layered)
      {{}, {-1}, {{0, 230, LWA_ALPHA}}}, {{}, {-1, -1, -1, -1}, {{0, 153, LWA_ALPHA}}},
      {{}, std::vector(9, -1), {{0, 51, LWA_ALPHA}}}, {{}, {-1, -1, +1, +1}, {}},
      {own, {-1}, {{0xFF00FF, 173, LWA_ALPHA | LWA_COLORKEY}}}, {own, {-1, +1, +1, +1, +1}, own},
      {{{0xFF, 0, LWA_COLORKEY}}, {-1}, {{0xFF, 230, LWA_ALPHA | LWA_COLORKEY}}}};
  for (const auto& [before, steps, after] : cases) {
    sim::SimulatedDesktop desktop;
    const Hwnd hwnd = desktop.Add({.title = "", .exStyle = before ? WS_EX_LAYERED : 0, .layered = before});
    SeeThrough seeThrough(desktop);
    for (const int step : steps) seeThrough.Step(hwnd, step);
    const auto state = [&] { return std::pair(desktop.Options(hwnd).exStyle, desktop.Options(hwnd).layered); };
    EXPECT_EQ(state(), std::pair(after ? WS_EX_LAYERED : 0, after)) << steps.size() << " steps";
    seeThrough.RestoreAll();
    EXPECT_EQ(state(), std::pair(before ? WS_EX_LAYERED : 0, before)) << steps.size() << " steps, then the end";
  }
}

// The end: one window busy and one hung since they were seen through, and
// one whose handle a new window took, beside two that answer.
TEST(SeeThrough, AtTheEndEveryWindowGetsItsAlphaBackWithoutAWaitAndItsStyleWhenItAnswers) {
  using sim::Layered;
  sim::SimulatedDesktop desktop;
  desktop.programThread = false;  // on its lane
  SeeThrough seeThrough(desktop);
  const Layered own{{0, 200, LWA_ALPHA}}, opaque{{0, 255, LWA_ALPHA}};
  const Hwnd plain = desktop.Add(""), layered = desktop.Add({.title = "", .exStyle = WS_EX_LAYERED, .layered = own}),
             busy = desktop.Add(""), hung = desktop.Add(""), reused = desktop.Add(""), renewed = desktop.Add("");
  for (const Hwnd hwnd : {plain, layered, busy, hung, reused, renewed}) ASSERT_FALSE(seeThrough.Step(hwnd, -2).refused);
  desktop.Change(busy).closeAnswer = CloseAnswer::Busy;
  desktop.Change(hung).closeAnswer = CloseAnswer::Hangs;
  // Drawn with UpdateLayeredWindow, by another thread.
  desktop.Remove(reused);
  desktop.AddAs(reused, {.title = "", .thread = 99, .exStyle = WS_EX_LAYERED});
  // Another, layered at an alpha of its own, seen through in turn.
  desktop.Remove(renewed);
  desktop.AddAs(renewed, {.title = "", .thread = 98, .exStyle = WS_EX_LAYERED, .layered = own});
  ASSERT_FALSE(seeThrough.Step(renewed, -1).refused);
  seeThrough.RestoreAll();
  const auto state = [&](Hwnd hwnd) { return std::pair(desktop.Options(hwnd).exStyle, desktop.Options(hwnd).layered); };
  EXPECT_EQ(state(plain), std::pair(0u, Layered{}));
  EXPECT_EQ(state(layered), std::pair(WS_EX_LAYERED, own));
  EXPECT_EQ(state(busy), std::pair(WS_EX_LAYERED, opaque)) << "a busy window left see-through, or waited for";
  EXPECT_EQ(state(hung), std::pair(WS_EX_LAYERED, opaque)) << "a hung window left see-through, or waited for";
  EXPECT_EQ(state(reused), std::pair(WS_EX_LAYERED, Layered{})) << "a new window given the old one's state";
  EXPECT_EQ(state(renewed), std::pair(WS_EX_LAYERED, own)) << "a new window given the old one's state";
  EXPECT_EQ(desktop.redrawn, std::vector{plain}) << "drawn anew: only a window no longer layered";
  EXPECT_FALSE(desktop.froze);
}

}  // namespace
}  // namespace hovrel
