// frmMain on the headless forms double and the simulated desktop: what each
// user action runs, the start state, the repaint rebuild, the program's own
// always-on-top switch and the ways the program ends.
#include <gtest/gtest.h>

#include <optional>

#include "sim/fake_shell.h"
#include "sim/headless_form.h"
#include "sim/simulated_desktop.h"
#include "ui/frm_main.h"
#include "ui/frm_main_description.h"

namespace hovrel {
namespace {

using sim::kFramedStyle;

constexpr std::uint32_t kHiddenStyle = kFramedStyle & ~WS_VISIBLE;

// A desktop with a few windows and the program started on it.
struct Program {
  Program() { form.Load(main); }

  void Select(Hwnd hwnd) { list.Select(list.Find(desktop.Title(hwnd))); }
  bool Listed(Hwnd hwnd) const { return list.Find(desktop.Title(hwnd)) >= 0; }
  // The insert-after of the last SetWindowPos on hwnd, if there was one.
  std::optional<Hwnd> LastPlacement(Hwnd hwnd) const {
    std::optional<Hwnd> placed;
    for (const sim::Call& call : desktop.calls)
      if (call.op == "SetWindowPos" && call.hwnd == hwnd) placed = call.insertAfter;
    return placed;
  }

  sim::SimulatedDesktop desktop;
  Hwnd target = desktop.Add("Target window");
  Hwnd cover = desktop.Add("Covering window");
  Hwnd hidden = desktop.Add("Hidden service", kHiddenStyle);
  sim::FakeShell shell;
  sim::HeadlessForms forms{desktop};
  sim::HeadlessForm form{desktop, kMainForm, &forms};
  frmMain main{desktop, shell, forms, form};
  sim::FakeListBox& list = form.List(CommandId::lstApp);
};

struct Observed {
  std::optional<Hwnd> targetPlacedWith;
  bool targetTopmost;
  bool targetInFront;
  bool targetExists;
  bool rebuilt;  // a window opened after the start is now listed
  bool hiddenListed;
  bool selectionKept;
  bool filterChecked;
  bool ownTopmost;
  bool onTopChecked;
  bool ended;
  bool operator==(const Observed&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Observed& o) {
  return out << "{placedWith " << (o.targetPlacedWith ? std::to_string(*o.targetPlacedWith) : "-")
             << " topmost " << o.targetTopmost << " front " << o.targetInFront << " exists "
             << o.targetExists << " rebuilt " << o.rebuilt << " hiddenListed " << o.hiddenListed
             << " selectionKept " << o.selectionKept << " filter " << o.filterChecked
             << " ownTopmost " << o.ownTopmost << " onTopChecked " << o.onTopChecked << " ended "
             << o.ended << "}";
}

TEST(FrmMain, EachActionRunsItsCommand) {
  constexpr auto T = true;
  constexpr auto F = false;
  constexpr std::optional<Hwnd> none;
  struct Case {
    CommandId action;
    Observed expected;
  };
  // clang-format off
  const Case cases[] = {
    //                          placed with     topm front exist rebuilt hidden sel  filter ownTop onTopChk ended
    {CommandId::btnTop,         {HWND_TOPMOST,   T,   T,    T,    F,      F,     T,   T,     F,     F,       F}},
    {CommandId::mnuTop,         {HWND_TOPMOST,   T,   T,    T,    F,      F,     T,   T,     F,     F,       F}},
    {CommandId::btnReset,       {HWND_NOTOPMOST, F,   F,    T,    F,      F,     T,   T,     F,     F,       F}},
    {CommandId::mnuReset,       {HWND_NOTOPMOST, F,   F,    T,    F,      F,     T,   T,     F,     F,       F}},
    {CommandId::btnSwitch,      {HWND_TOP,       F,   T,    T,    F,      F,     T,   T,     F,     F,       F}},
    {CommandId::mnuSwitch,      {HWND_TOP,       F,   T,    T,    F,      F,     T,   T,     F,     F,       F}},
    {CommandId::lstApp,         {HWND_TOP,       F,   T,    T,    F,      F,     T,   T,     F,     F,       F}},
    {CommandId::btnEnd,         {none,           F,   F,    F,    T,      F,     F,   T,     F,     F,       F}},
    {CommandId::mnuEndTask,     {none,           F,   F,    F,    T,      F,     F,   T,     F,     F,       F}},
    {CommandId::btnRefresh,     {none,           F,   F,    T,    T,      F,     F,   T,     F,     F,       F}},
    {CommandId::mnuRefresh,     {none,           F,   F,    T,    T,      F,     F,   T,     F,     F,       F}},
    {CommandId::mnuShowOnlyApp, {none,           F,   F,    T,    T,      T,     F,   F,     F,     F,       F}},
    {CommandId::mnuAlwaysOnTop, {none,           F,   F,    T,    F,      F,     T,   T,     T,     T,       F}},
    {CommandId::mnuExit,        {none,           F,   F,    T,    F,      F,     T,   T,     F,     F,       T}},
    // Titles, frame, image and the dialog manager's Enter (1) and Esc (2)
    // run nothing.
    {CommandId::mnuFile,        {none,           F,   F,    T,    F,      F,     T,   T,     F,     F,       F}},
    {CommandId::mnuWebs,        {none,           F,   F,    T,    F,      F,     T,   T,     F,     F,       F}},
    {CommandId::mnuPopup,       {none,           F,   F,    T,    F,      F,     T,   T,     F,     F,       F}},
    {CommandId::Frame1,         {none,           F,   F,    T,    F,      F,     T,   T,     F,     F,       F}},
    {CommandId::imgIcon,        {none,           F,   F,    T,    F,      F,     T,   T,     F,     F,       F}},
    {CommandId{1},              {none,           F,   F,    T,    F,      F,     T,   T,     F,     F,       F}},
    {CommandId{2},              {none,           F,   F,    T,    F,      F,     T,   T,     F,     F,       F}},
  };
  // clang-format on
  for (const Case& c : cases) {
    Program p;
    p.Select(p.target);
    const int selected = p.list.ListIndex();
    const Hwnd late = p.desktop.Add("Late window");
    p.form.Click(c.action);
    const Observed seen{p.LastPlacement(p.target),
                        p.desktop.IsTopmost(p.target),
                        p.desktop.Exists(p.target) && p.desktop.ZOrder().front() == p.target,
                        p.desktop.Exists(p.target),
                        p.Listed(late),
                        p.Listed(p.hidden),
                        selected >= 0 && p.list.ListIndex() == selected,
                        p.form.Checked(CommandId::mnuShowOnlyApp),
                        p.desktop.IsTopmost(p.form.hWnd()),
                        p.form.Checked(CommandId::mnuAlwaysOnTop),
                        p.form.ended()};
    EXPECT_EQ(seen, c.expected) << "action id " << static_cast<int>(c.action);
    EXPECT_EQ(p.desktop.beeps, 0) << "action id " << static_cast<int>(c.action);
  }
}

TEST(FrmMain, CommandsOnNoSelectionBeepOnceAndDoNothingElse) {
  const CommandId actions[] = {CommandId::btnTop,    CommandId::mnuTop,    CommandId::btnReset,
                               CommandId::mnuReset,  CommandId::btnSwitch, CommandId::mnuSwitch,
                               CommandId::lstApp,    CommandId::btnEnd,    CommandId::mnuEndTask};
  for (const CommandId action : actions) {
    Program p;
    const Hwnd late = p.desktop.Add("Late window");
    p.desktop.calls.clear();
    p.form.Click(action);
    EXPECT_EQ(p.desktop.beeps, 1) << "action id " << static_cast<int>(action);
    EXPECT_TRUE(p.desktop.calls.empty()) << "action id " << static_cast<int>(action);
    EXPECT_FALSE(p.Listed(late)) << "list rebuilt by action id " << static_cast<int>(action);
  }
}

TEST(FrmMain, StartsWithTheFilteredListAndTheMenusAsDescribed) {
  Program p;
  EXPECT_EQ(p.main.AppFilterMask, 0x10800000u);
  EXPECT_TRUE(p.form.Checked(CommandId::mnuShowOnlyApp));
  EXPECT_FALSE(p.form.Checked(CommandId::mnuAlwaysOnTop));
  EXPECT_EQ(p.form.MenuBar(), (std::vector<std::string>{"&File", "&View", "&Help"}));
  ASSERT_EQ(p.list.ListCount(), 2);
  EXPECT_EQ(p.list.ItemData(p.list.Find("Target window")), p.target);
  EXPECT_EQ(p.list.ItemData(p.list.Find("Covering window")), p.cover);
  EXPECT_FALSE(p.Listed(p.hidden));
  EXPECT_FALSE(p.Listed(p.form.hWnd()));
  EXPECT_EQ(p.list.ListIndex(), -1);
  // The window starts in the ordinary band: nothing placed at load.
  EXPECT_FALSE(p.desktop.IsTopmost(p.form.hWnd()));
  EXPECT_TRUE(p.desktop.calls.empty());
}

TEST(FrmMain, RepaintRebuildsTheListWithoutDrawingRowByRow) {
  Program p;
  p.Select(p.target);
  const Hwnd late = p.desktop.Add("Late window");
  p.desktop.Retitle(p.cover, "Renamed window");
  p.form.Repaint();
  EXPECT_TRUE(p.Listed(late));
  EXPECT_EQ(p.list.Find("Covering window"), -1);
  EXPECT_EQ(p.list.ItemData(p.list.Find("Renamed window")), p.cover);
  EXPECT_EQ(p.list.ListIndex(), -1);
  EXPECT_EQ(p.list.rowsAddedWhileDrawing, 0);
  EXPECT_EQ(p.list.refillDepth(), 0);
}

TEST(FrmMain, AlwaysOnTopMovesOwnWindowBetweenBandsWithoutShowingIt) {
  Program p;
  const Hwnd self = p.form.hWnd();
  p.form.Click(CommandId::mnuAlwaysOnTop);
  EXPECT_TRUE(p.desktop.IsTopmost(self));
  EXPECT_TRUE(p.form.Checked(CommandId::mnuAlwaysOnTop));
  p.form.Click(CommandId::mnuAlwaysOnTop);
  EXPECT_FALSE(p.desktop.IsTopmost(self));
  EXPECT_FALSE(p.form.Checked(CommandId::mnuAlwaysOnTop));
  const std::vector<sim::Call> expected = {
      {"SetWindowPos", self, HWND_TOPMOST, 0x3, 0},
      {"SetWindowPos", self, HWND_NOTOPMOST, 0x3, 0},
  };
  EXPECT_EQ(p.desktop.calls, expected);
}

TEST(FrmMain, ExitAndCloseBoxEndTheProgramAlike) {
  struct Case {
    const char* name;
    void (*act)(Program&);
  };
  const Case cases[] = {
      {"File Exit", [](Program& p) { p.form.Click(CommandId::mnuExit); }},
      {"close box", [](Program& p) { p.form.PressCloseBox(); }},
  };
  for (const Case& c : cases) {
    Program p;
    const Hwnd self = p.form.hWnd();
    c.act(p);
    EXPECT_TRUE(p.form.ended()) << c.name;
    EXPECT_EQ(p.form.unloads(), 1) << c.name;
    EXPECT_FALSE(p.desktop.Exists(self)) << c.name;
    // Nothing runs any more: a later click reaches no handler.
    const Hwnd late = p.desktop.Add("Late window");
    p.form.Click(CommandId::btnRefresh);
    EXPECT_FALSE(p.Listed(late)) << c.name;
  }
}

TEST(FrmMain, EndTaskOnTextInOwnTitleEndsTheProgram) {
  Program p;
  p.desktop.OnClose(p.form.hWnd(), [&p] { p.form.PressCloseBox(); });
  // "Quarrow" is in the program's own title too.
  const Hwnd other = p.desktop.Add("Quarrow");
  p.form.Click(CommandId::btnRefresh);
  p.Select(other);
  p.form.Click(CommandId::btnEnd);
  EXPECT_TRUE(p.form.ended());
  EXPECT_EQ(p.form.unloads(), 1);
  EXPECT_EQ(p.desktop.CloseRequests(p.target), 0);
}

}  // namespace
}  // namespace hovrel
