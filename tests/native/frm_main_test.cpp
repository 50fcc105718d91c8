// frmMain on the headless window and the simulated desktop: what each user
// action runs, with a row selected and without, the start state, the repaint
// rebuild, the program's own always-on-top switch and the ways it ends.
#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "native/program.h"
#include "ui/menu_tree.h"

namespace hovrel {
namespace {

using sim::kFramedStyle;

struct Desktop : Program {
  Desktop() { Start(); }
  // The insert-after of the last SetWindowPos on hwnd, if there was one.
  std::optional<Hwnd> LastPlacement(Hwnd hwnd) const {
    std::optional<Hwnd> placed;
    for (const sim::Call& call : desktop.calls)
      if (call.op == "SetWindowPos" && call.hwnd == hwnd) placed = call.insertAfter;
    return placed;
  }

  Hwnd target = desktop.Add("Target window");
  Hwnd cover = desktop.Add("Covering window");
  Hwnd hidden = desktop.Add("Hidden service", kFramedStyle & ~WS_VISIBLE);
};

// What an action left behind: the target's last placement, whether the
// target still exists, the list rebuilt (a window opened after the start is
// listed), the hidden window listed, a row selected, the filter checked, the
// program's own window topmost, the program ended, and the beeps.
using Observed = std::tuple<std::optional<Hwnd>, bool, bool, bool, bool, bool, bool, bool, int>;
constexpr std::size_t kRowSelected = 4;

Observed Act(CommandId action, bool rowSelected) {
  Desktop p;
  if (rowSelected) p.Select(p.target);
  const Hwnd late = p.desktop.Add("Late window");
  p.form.Click(action);
  return {p.LastPlacement(p.target),
          p.desktop.Exists(p.target),
          p.Listed(late),
          p.Listed(p.hidden),
          p.list.ListIndex() >= 0,
          p.form.Checked(CommandId::mnuShowOnlyApp),
          p.desktop.Options(p.form.hWnd()).topmost,
          p.form.ended(),
          p.desktop.beeps};
}

TEST(FrmMain, EachActionRunsItsCommand) {
  constexpr auto T = true;
  constexpr auto F = false;
  constexpr std::optional<Hwnd> none;
  constexpr Observed kBeepOnly{none, T, F, F, F, T, F, F, 1};
  struct Case {
    CommandId action;
    Observed withRow;
    bool needsRow;  // without a selected row it only beeps
  };
  // clang-format off
  const Case cases[] = {
    //                          placed with     exist rebuilt hidden sel  filter ownTop ended beeps
    {CommandId::btnTop,         {HWND_TOPMOST,   T,    F,      F,     T,   T,     F,     F,    0}, T},
    {CommandId::mnuTop,         {HWND_TOPMOST,   T,    F,      F,     T,   T,     F,     F,    0}, T},
    {CommandId::btnReset,       {HWND_NOTOPMOST, T,    F,      F,     T,   T,     F,     F,    0}, T},
    {CommandId::mnuReset,       {HWND_NOTOPMOST, T,    F,      F,     T,   T,     F,     F,    0}, T},
    {CommandId::btnSwitch,      {HWND_TOP,       T,    F,      F,     T,   T,     F,     F,    0}, T},
    {CommandId::mnuSwitch,      {HWND_TOP,       T,    F,      F,     T,   T,     F,     F,    0}, T},
    {CommandId::lstApp,         {HWND_TOP,       T,    F,      F,     T,   T,     F,     F,    0}, T},
    {CommandId::btnEnd,         {none,           F,    T,      F,     F,   T,     F,     F,    0}, T},
    {CommandId::mnuEndTask,     {none,           F,    T,      F,     F,   T,     F,     F,    0}, T},
    {CommandId::btnRefresh,     {none,           T,    T,      F,     F,   T,     F,     F,    0}, F},
    {CommandId::mnuRefresh,     {none,           T,    T,      F,     F,   T,     F,     F,    0}, F},
    {CommandId::mnuShowOnlyApp, {none,           T,    T,      T,     F,   F,     F,     F,    0}, F},
    {CommandId::mnuAlwaysOnTop, {none,           T,    F,      F,     T,   T,     T,     F,    0}, F},
    {CommandId::mnuExit,        {none,           T,    F,      F,     T,   T,     F,     T,    0}, F},
  };
  // clang-format on
  for (const Case& c : cases) {
    const int id = static_cast<int>(c.action);
    EXPECT_EQ(Act(c.action, true), c.withRow) << "action id " << id << " on a row";
    Observed noRow = c.withRow;
    std::get<kRowSelected>(noRow) = false;
    EXPECT_EQ(Act(c.action, false), c.needsRow ? kBeepOnly : noRow) << "action id " << id << " on no row";
  }
  // Titles, frame, image and the dialog manager's Enter (1) and Esc (2) run nothing.
  constexpr Observed kNothing{none, T, F, F, T, T, F, F, 0};
  for (const CommandId id : {CommandId::mnuFile, CommandId::mnuWebs, CommandId::mnuPopup, CommandId::Frame1,
                             CommandId::imgIcon, CommandId{1}, CommandId{2}})
    EXPECT_EQ(Act(id, true), kNothing) << "action id " << static_cast<int>(id);
}

TEST(FrmMain, StartsWithTheFilteredListAndTheMenusAsDescribed) {
  Desktop p;
  EXPECT_TRUE(p.form.Checked(CommandId::mnuShowOnlyApp));
  EXPECT_FALSE(p.form.Checked(CommandId::mnuAlwaysOnTop));
  std::vector<std::string> bar;
  for (const MenuNode& title : BuildMenuTree(kMainForm.menus).bar) bar.push_back(DisplayCaption(*title.item));
  EXPECT_EQ(bar, (std::vector<std::string>{"&File", "&View", "&Help"}));
  const std::vector<std::pair<std::string, Hwnd>> rows = {{"Covering window", p.cover}, {"Target window", p.target}};
  EXPECT_EQ(p.list.Rows(), rows);
  EXPECT_EQ(p.list.ListIndex(), -1);
  // The window starts in the ordinary band: nothing placed at load.
  EXPECT_TRUE(p.desktop.calls.empty());
}

TEST(FrmMain, RepaintRebuildsTheListWithoutDrawingRowByRow) {
  Desktop p;
  p.Select(p.target);
  const Hwnd late = p.desktop.Add("Late window");
  p.desktop.Retitle(p.cover, "Renamed window");
  p.form.Repaint();
  const std::vector<std::pair<std::string, Hwnd>> rows = {
      {"Late window", late}, {"Renamed window", p.cover}, {"Target window", p.target}};
  EXPECT_EQ(p.list.Rows(), rows);
  EXPECT_EQ(p.list.ListIndex(), -1);
  EXPECT_EQ(p.list.rowsAddedWhileDrawing, 0);
  EXPECT_EQ(p.list.refillDepth(), 0);
}

TEST(FrmMain, AlwaysOnTopMovesOwnWindowBetweenBandsWithoutShowingIt) {
  Desktop p;
  const Hwnd self = p.form.hWnd();
  p.form.Click(CommandId::mnuAlwaysOnTop);
  EXPECT_TRUE(p.form.Checked(CommandId::mnuAlwaysOnTop));
  p.form.Click(CommandId::mnuAlwaysOnTop);
  EXPECT_FALSE(p.form.Checked(CommandId::mnuAlwaysOnTop));
  const std::vector<sim::Call> expected = {
      {"SetWindowPos", self, HWND_TOPMOST, 0x3, 0},
      {"SetWindowPos", self, HWND_NOTOPMOST, 0x3, 0},
  };
  EXPECT_EQ(p.desktop.calls, expected);
}

TEST(FrmMain, EveryWayOutEndsAlikeAndDeletesTheIconFirst) {
  struct Case {
    const char* name;
    void (*act)(Program&);
  };
  const Case cases[] = {
      {"File Exit", [](Program& p) { p.form.Click(CommandId::mnuExit); }},
      {"icon menu Exit", [](Program& p) { p.form.Click(CommandId::popExit); }},
      {"close box", [](Program& p) { p.form.PressCloseBox(); }},
      {"close box while hidden", [](Program& p) { p.form.Minimise(); p.form.PressCloseBox(); }},
  };
  for (const Case& c : cases) {
    Desktop p;
    c.act(p);
    EXPECT_TRUE(p.form.ended()) << c.name;
    EXPECT_FALSE(p.desktop.Exists(p.form.hWnd())) << c.name;
    ASSERT_EQ(p.shell.notifyCalls.size(), 2u) << c.name;
    EXPECT_EQ(p.shell.notifyCalls[1].message, NIM_DELETE) << c.name;
    EXPECT_EQ(p.shell.notifyCalls[1].record, p.shell.notifyCalls[0].record) << c.name;
    // Nothing runs any more: a later click reaches no handler.
    const Hwnd late = p.desktop.Add("Late window");
    p.form.Click(CommandId::btnRefresh);
    EXPECT_FALSE(p.Listed(late)) << c.name;
  }
}

}  // namespace
}  // namespace hovrel
