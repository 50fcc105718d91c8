// frmMain on the headless window, the simulated desktop and the recording
// shell: what each action runs, with a row selected and without, the start
// state, the repaint rebuild, its own always-on-top switch and the ways it
// ends; its layout and menus; the notification icon at load, its messages
// against real pointer moves, minimising and a new taskbar; the Help menu's
// targets, Read Me and the About box with its build number.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>

#include "ui/build_number.h"
#include "sim/fake_shell.h"
#include "sim/headless_form.h"
#include "sim/simulated_desktop.h"
#include "tray/tray_icon_data.h"
#include "tray/tray_notification.h"
#include "forms/form_layout.h"
#include "ui/frm_main.h"
#include "ui/frm_main_description.h"
#include "forms/menu_tree.h"

namespace hovrel {
namespace {

using sim::kFramedStyle;

std::vector<std::string> Captions(const std::vector<MenuNode>& nodes) {
  std::vector<std::string> captions;
  for (const MenuNode& node : nodes) captions.push_back(DisplayCaption(*node.item));
  return captions;
}

// The program with a recording shell and headless windows, played by the test.
struct Program {
  // Windows a test adds before this are there at the start.
  void Start() { form.Load(main); }
  void Select(Hwnd hwnd) { list.Select(list.Find(desktop.Title(hwnd))); }
  bool Listed(Hwnd hwnd) const { return list.Find(desktop.Title(hwnd)) >= 0; }
  auto Requests(unsigned message) const { return std::ranges::count(shell.notifyCalls, message, &sim::NotifyCall::message); }

  sim::SimulatedDesktop desktop;
  sim::FakeShell shell;
  sim::FixedFiles files;
  sim::HeadlessForms forms{desktop};
  sim::HeadlessForm form{desktop, kMainForm, forms};
  frmMain main{desktop, shell, files, forms, form};
  sim::FakeListBox& list = form.List(CommandId::lstApp);
};

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

// What an action left behind: the target's last placement, the target still
// there, the list rebuilt (a window opened after the start listed), the hidden
// window listed, a row selected, the filter checked, own window topmost, the
// program ended, and the beeps.
using Observed = std::tuple<std::optional<Hwnd>, bool, bool, bool, bool, bool, bool, bool, int>;
constexpr std::size_t kRowSelected = 4;

Observed Act(CommandId action, bool rowSelected) {
  Desktop p;
  if (rowSelected) p.Select(p.target);
  const Hwnd late = p.desktop.Add("Late window");
  p.form.Click(action);
  return {p.LastPlacement(p.target), p.desktop.Exists(p.target), p.Listed(late), p.Listed(p.hidden),
          p.list.ListIndex() >= 0, p.form.Checked(CommandId::mnuShowOnlyApp),
          p.desktop.Options(p.form.hWnd()).topmost, p.form.ended(), p.desktop.beeps};
}

TEST(FrmMain, EachActionRunsItsCommand) {
  constexpr bool T = true, F = false;
  constexpr std::optional<Hwnd> none;
  constexpr Observed kBeepOnly{none, T, F, F, F, T, F, F, 1};
  // The last column: it needs a row; without a selected row it only beeps.
  struct Case { CommandId action; Observed withRow; bool needsRow; };
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
  EXPECT_EQ(Captions(BuildMenuTree(kMainForm.menus).bar), (std::vector<std::string>{"&File", "&View", "&Help"}));
  EXPECT_EQ(p.list.Rows(), (sim::Rows{{"Covering window", p.cover}, {"Target window", p.target}}));
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
  EXPECT_EQ(p.list.Rows(), (sim::Rows{{"Late window", late}, {"Renamed window", p.cover}, {"Target window", p.target}}));
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
  EXPECT_EQ(p.desktop.calls, (std::vector<sim::Call>{{"SetWindowPos", self, HWND_TOPMOST, 0x3, 0},
                                                     {"SetWindowPos", self, HWND_NOTOPMOST, 0x3, 0}}));
}

TEST(FrmMain, EveryWayOutEndsAlikeAndDeletesTheIconFirst) {
  const std::pair<const char*, void (*)(Program&)> cases[] = {
      {"File Exit", [](Program& p) { p.form.Click(CommandId::mnuExit); }},
      {"icon menu Exit", [](Program& p) { p.form.Click(CommandId::popExit); }},
      {"close box", [](Program& p) { p.form.PressCloseBox(); }},
      {"close box while hidden", [](Program& p) { p.form.Minimise(); p.form.PressCloseBox(); }},
  };
  for (const auto& [name, act] : cases) {
    Desktop p;
    act(p);
    EXPECT_TRUE(p.form.ended()) << name;
    EXPECT_FALSE(p.desktop.Exists(p.form.hWnd())) << name;
    ASSERT_EQ(p.shell.notifyCalls.size(), 2u) << name;
    EXPECT_EQ(p.shell.notifyCalls[1].message, NIM_DELETE) << name;
    EXPECT_EQ(p.shell.notifyCalls[1].record, p.shell.notifyCalls[0].record) << name;
    // Nothing runs any more: a later click reaches no handler.
    const Hwnd late = p.desktop.Add("Late window");
    p.form.Click(CommandId::btnRefresh);
    EXPECT_FALSE(p.Listed(late)) << name;
  }
}

constexpr std::uintptr_t kIconNumber = 1;

std::intptr_t Position(int x, int y) { return static_cast<std::intptr_t>((y << 16) | (x & 0xFFFF)); }

TEST(FrmMainTray, LoadAddsTheIconWithTheImagesPictureAndTheCaption) {
  Desktop p;
  const std::uint32_t picture = p.form.Picture(CommandId::imgIcon);
  EXPECT_NE(picture, 0u);
  ASSERT_EQ(p.shell.notifyCalls.size(), 1u);
  EXPECT_EQ(p.shell.notifyCalls[0].message, NIM_ADD);
  EXPECT_EQ(p.shell.notifyCalls[0].record, PackTrayIconData(FillTrayIconData(p.form.hWnd(), picture, "Quarrow Hovrel")));
}

TEST(FrmMainTray, OnlyTheIconsReleasesAndDoubleClickActOnTheHiddenWindow) {
  using Seen = std::pair<bool, std::size_t>;  // visible, menus opened
  constexpr Seen kRestored{true, 0};
  constexpr Seen kStillHidden{false, 0};
  constexpr Seen kMenu{false, 1};
  // clang-format off
  constexpr bool kIcon = false, kPointer = true;
  const std::tuple<const char*, std::uintptr_t, std::intptr_t, bool, Seen> cases[] = {
      {"left release",           kIconNumber, WM_LBUTTONUP,      kIcon,    kRestored},
      {"double-click",           kIconNumber, WM_LBUTTONDBLCLK,  kIcon,    kRestored},
      {"right release",          kIconNumber, WM_RBUTTONUP,      kIcon,    kMenu},
      {"left press",             kIconNumber, 0x201,             kIcon,    kStillHidden},
      {"right press",            kIconNumber, 0x204,             kIcon,    kStillHidden},
      {"right double-click",     kIconNumber, 0x206,             kIcon,    kStillHidden},
      {"move over the icon",     kIconNumber, WM_MOUSEMOVE,      kIcon,    kStillHidden},
      {"another icon's release", 2,           WM_LBUTTONUP,      kIcon,    kStillHidden},
      // A real pointer move: key flags in wParam, the position in lParam.
      {"pointer at x 514",       0,           Position(514, 0),  kPointer, kStillHidden},
      {"pointer at 517, 30",     0,           Position(517, 30), kPointer, kStillHidden},
      {"right-dragged at x 517", 2,           Position(517, 0),  kPointer, kStillHidden},
      // MK_LBUTTON is the icon's number: only where the pointer was tells.
      {"left-dragged at x 514",  1,           Position(514, 0),  kPointer, kStillHidden},
      {"left-dragged at x 517",  1,           Position(517, 0),  kPointer, kStillHidden},
  };
  // clang-format on
  // The form's scale and the screen's resolution decide the event's X.
  const std::pair<int, float> scales[] = {{kScaleTwips, 15}, {kScaleTwips, 12}, {kScalePixels, 15}};
  for (const auto& [name, wParam, lParam, atPointer, expected] : cases) {
    for (const auto& [scaleMode, twipsPerPixel] : scales) {
      Program p;
      p.form.scaleMode = scaleMode;
      p.form.twipsPerPixelX = twipsPerPixel;
      p.Start();
      p.form.Minimise();
      p.form.MouseMove(wParam, lParam, atPointer);
      EXPECT_EQ((Seen{p.form.Visible(), p.form.popups().size()}), expected) << name << " at scale " << scaleMode << ", " << twipsPerPixel;
      EXPECT_EQ(p.form.WindowState(), expected.first ? kWindowNormal : kWindowMinimised) << name;
      for (const auto& popup : p.form.popups())
        EXPECT_EQ(popup, std::make_pair(CommandId::mnuPopup, p.form.hWnd())) << name << ": menu opened behind another window";
    }
  }
}

TEST(FrmMainTray, ANewTaskbarGetsTheIconAgainAndMinimisingHidesOnlyWithIt) {
  struct Case {
    const char* name;
    bool takenAtStart, hiddenBefore, takenAgain, shownAnyway;
  } cases[] = {
      {"taken both times", true, false, true, false},
      {"refused at start, taken later", false, false, true, false},
      {"hidden, then refused by the new taskbar", true, true, false, false},
      // Another program broadcast the message while the shell still shows the icon.
      {"hidden, refused again but still shown", true, true, false, true},
  };
  for (const Case& c : cases) {
    Program p;
    p.shell.notifyAnswer = c.takenAtStart;
    p.Start();
    if (c.hiddenBefore) p.form.Minimise();
    p.shell.notifyAnswer = c.takenAgain;
    p.shell.iconShown = c.shownAnyway;
    p.form.TaskbarRecreated();
    ASSERT_EQ(p.Requests(NIM_ADD), 2) << c.name;
    EXPECT_EQ(p.shell.notifyCalls[1].record, p.shell.notifyCalls[0].record) << c.name;
    // Hidden behind an icon that is really gone, the window comes back.
    const bool iconThere = c.takenAgain || c.shownAnyway;
    EXPECT_EQ(p.form.Visible(), !c.hiddenBefore || !iconThere) << c.name;
    p.form.Click(CommandId::popRestore);
    p.form.Minimise();
    EXPECT_EQ(p.form.Visible(), !iconThere) << c.name << ": minimised";
    p.form.Click(CommandId::popRestore);
    EXPECT_TRUE(p.form.Visible() && p.form.WindowState() == kWindowNormal) << c.name << ": restored";
    EXPECT_EQ(p.Requests(NIM_ADD), 2) << c.name << ": restoring touched the icon";
  }
}

sim::ExecuteCall Opened(Hwnd owner, std::string_view target) {
  return {owner, "Open", std::string(target), std::nullopt, std::nullopt, SW_SHOWNORMAL};
}

TEST(FrmMainHelp, EachWebItemHandsItsOwnTargetToTheShellAtEveryClick) {
  // clang-format off
  const std::pair<CommandId, std::string_view> cases[] = {
      {CommandId::mnuHome,      "http://quarrow.example/hovrel"},
      {CommandId::mnuNews,      "http://quarrow.example/news"},
      {CommandId::mnuDownload,  "http://quarrow.example/download"},
      {CommandId::mnuSendMail,  "mailto:team@quarrow.example"},
      {CommandId::mnuGuestBook, "http://quarrow.example/support/book"},
      {CommandId::mnuGetPaid,   "http://paidmail.example/Id/605080"},
      {CommandId::mnuHomePage,  "http://quarrow.example"},
  };
  // clang-format on
  Program p;
  p.Start();
  std::vector<sim::ExecuteCall> expected;
  // Twice round: a target leaking from one click to the next would show.
  for (int round = 0; round < 2; ++round)
    for (const auto& [item, target] : cases) {
      p.form.Click(item);
      expected.push_back(Opened(p.form.hWnd(), target));
    }
  EXPECT_EQ(p.shell.executeCalls, expected);
  EXPECT_TRUE(p.shell.startCalls.empty());
}

TEST(FrmMainHelp, ReadMeStartsNotepadOnTheFileBesideTheProgramAtEveryClick) {
  // Blanks stay unquoted; the root directory; non-ASCII and dotted directories.
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Program Files\\Quarrow Hovrel\\hovrel.exe", "Notepad C:\\Program Files\\Quarrow Hovrel\\readme.txt"},
      {"C:\\hovrel.exe", "Notepad C:\\readme.txt"},
      {"D:\\Gr\xC3\xB6\xC3\x9F" "e \xE6\x97\xA5\\hovrel.exe", "Notepad D:\\Gr\xC3\xB6\xC3\x9F" "e \xE6\x97\xA5\\readme.txt"},
      {"E:\\a.b\\c d.e\\hovrel.exe", "Notepad E:\\a.b\\c d.e\\readme.txt"},
  };
  Program p;
  p.Start();
  std::vector<sim::StartCall> expected;
  for (const auto& [programFile, commandLine] : cases) {
    p.files.programFileName = programFile;
    p.form.Click(CommandId::mnuReadMe);
    expected.push_back({"C:\\Windows\\system32\\notepad.exe", commandLine, SW_SHOWNORMAL});
  }
  EXPECT_EQ(p.shell.startCalls, expected);
  EXPECT_TRUE(p.shell.executeCalls.empty());
}

TEST(FrmMainHelp, AboutShowsItsBuildAndOpensItsAddressesForItself) {
  Program p;
  p.files.versionResource = sim::VersionBlock(2140);
  p.Start();
  std::vector<std::string> shown;
  std::vector<Hwnd> windows;
  bool openAfterLinks = false;
  p.forms.whileModal = [&](sim::HeadlessForm& about) {
    shown.push_back(about.ControlCaption(CommandId::Label2) + " " + about.ControlCaption(CommandId::BuildNo));
    windows.push_back(about.hWnd());
    if (windows.size() == 2) return about.PressCloseBox();
    // The three address fields; a label, the picture and the dialog manager's Esc run nothing.
    for (const CommandId id : {CommandId::LEmail, CommandId::LHomepage, CommandId::LOnlineAddress, CommandId::Label3,
                               CommandId::Image, CommandId{2}})
      about.Click(id);
    openAfterLinks = about.loaded();
    about.Click(CommandId::btnOK);
  };
  p.form.Click(CommandId::mnuAbout);
  p.files.versionResource = sim::VersionBlock(2141);
  p.form.Click(CommandId::mnuAbout);

  EXPECT_EQ(shown, (std::vector<std::string>{"Version 2.0 Build 2140", "Version 2.0 Build 2141"}));
  ASSERT_EQ(windows.size(), 2u);
  ASSERT_NE(windows[0], p.form.hWnd());
  EXPECT_EQ(p.shell.executeCalls, (std::vector<sim::ExecuteCall>{Opened(windows[0], "mailto:team@quarrow.example"),
                                                                  Opened(windows[0], "http://quarrow.example"),
                                                                  Opened(windows[0], "http://quarrow.example/hovrel")}));
  EXPECT_TRUE(openAfterLinks);
  EXPECT_EQ(p.forms.leftOpen, 0);
  EXPECT_FALSE(p.desktop.Exists(windows[0]));
  EXPECT_FALSE(p.form.ended());
  EXPECT_EQ(p.shell.notifyCalls.size(), 1u) << "closing About touched the icon";
}

TEST(BuildNumberTest, ReadsTheRevisionAndRejectsWhatIsNoVersionBlock) {
  for (const std::uint16_t revision : {0, 2140, 65535})
    EXPECT_EQ(RevisionFromVersionInfo(sim::VersionBlock(revision)), revision);
  sim::FixedFiles files;
  EXPECT_EQ(BuildNumber(files), "") << "no version resource";
  // Written over a whole block: offset, value, width in bytes (none: cut there).
  const std::tuple<const char*, std::size_t, std::uint32_t, int> cases[] = {
      {"wrong signature", 40, 0xFEEF04BC, 4},
      {"other key", 6, 'X', 2},
      {"key without its zero", 36, 'O', 2},
      {"length past the data", 0, 117, 2},
      {"length shorter than the fixed part", 0, 91, 2},
      {"no fixed part", 2, 0, 2},
      {"cut short", 91, 0, 0},
  };
  for (const auto& [name, offset, value, width] : cases) {
    std::vector<std::uint8_t> block = sim::VersionBlock(2140);
    sim::Put(block, offset, value, width);
    if (width == 0) block.resize(offset);
    EXPECT_EQ(RevisionFromVersionInfo(block), std::nullopt) << name;
  }
}

PixelRect Place(CommandId name, int dpi) {
  return ControlRect(kMainForm.controls, *FindControl(kMainForm.controls, name), {dpi, dpi});
}

TEST(FormLayout, TwipsRoundToTheNearestPixel) {
  const std::array<int, 3> cases[] = {
      {7, 96, 0}, {8, 96, 1}, {6765, 144, 677}, {3690, 120, 308}, {-120, 96, -8}, {-8, 96, -1},
  };
  for (const auto& [twips, dpi, pixels] : cases) EXPECT_EQ(TwipsToPixels(twips, dpi), pixels) << twips << " at " << dpi;
  const PixelSize client = ClientSize(kMainForm, {96, 120});
  EXPECT_EQ(client.width, 451);
  EXPECT_EQ(client.height, 308);
  EXPECT_EQ(FontHeight(kMainForm.font, 96), -11);
  EXPECT_EQ(FontHeight(kMainForm.font, 144), -17);
}

TEST(FormLayout, ControlsInAFrameAreOffsetByItAndButtonsStayFlushWithIt) {
  const PixelRect list = Place(CommandId::lstApp, 96);
  // Frame (120, 0) plus its own (120, 240), 6255 x 2790 twips.
  EXPECT_EQ(list.left, 16);
  EXPECT_EQ(list.top, 16);
  EXPECT_EQ(list.width, 417);
  EXPECT_EQ(list.height, 186);
  for (const int dpi : {96, 110, 120, 144, 168, 192}) {
    const PixelRect frame = Place(CommandId::Frame1, dpi);
    const PixelRect last = Place(CommandId::btnRefresh, dpi);
    EXPECT_EQ(last.left + last.width, frame.left + frame.width) << dpi;
    EXPECT_EQ(Place(CommandId::btnTop, dpi).left, frame.left) << dpi;
  }
}

TEST(FormLayout, ControlsAreCreatedInTabOrderWithTheImageLast) {
  std::vector<CommandId> order;
  for (const ControlSpec* control : CreationOrder(kMainForm.controls)) order.push_back(control->name);
  const std::vector<CommandId> expected = {
      CommandId::Frame1, CommandId::lstApp,    CommandId::btnTop,     CommandId::btnReset,
      CommandId::btnEnd, CommandId::btnSwitch, CommandId::btnRefresh, CommandId::imgIcon};
  EXPECT_EQ(order, expected);
}


TEST(MenuTree, LevelsNestAndHiddenTitlesBecomePopups) {
  const MenuSpec menus[] = {
      {CommandId::mnuTop, 2, "Orphan before any title"},
      {CommandId::mnuFile, 1, "&File"},
      {CommandId::mnuRefresh, 2, "&Refresh List", kEnabled, Shortcut::F5},
      {CommandId::mnuHome, 4, "Skips a level"},
      {CommandId::mnuWebs, 2, "&Web"},
      {CommandId::mnuNews, 3, "&News"},
      {CommandId::None, 3, kSeparator},
      {CommandId::mnuPopup, 1, "Pop Menu", kInvisible},
      {CommandId::popExit, 2, "E&xit"},
  };
  const MenuTree tree = BuildMenuTree(menus);
  EXPECT_EQ(Captions(tree.bar), std::vector<std::string>{"&File"});
  EXPECT_EQ(Captions(tree.bar[0].children), (std::vector<std::string>{"&Refresh List\tF5", "&Web"}));
  EXPECT_EQ(Captions(tree.bar[0].children[0].children), std::vector<std::string>{"Skips a level"});
  EXPECT_EQ(Captions(tree.bar[0].children[1].children), (std::vector<std::string>{"&News", "-"}));
  EXPECT_TRUE(IsSeparator(*tree.bar[0].children[1].children[1].item));
  ASSERT_EQ(tree.popups.size(), 1u);
  EXPECT_EQ(Captions(tree.popups[0].children), std::vector<std::string>{"E&xit"});
  EXPECT_EQ(MenuBarAccessKeys(menus), "f");
  const auto accelerators = Accelerators(menus);
  ASSERT_EQ(accelerators.size(), 1u);
  EXPECT_EQ(accelerators[0].key, Shortcut::F5);
  EXPECT_EQ(accelerators[0].command, CommandId::mnuRefresh);
}

TEST(MenuTree, AccessKeyIsTheLetterAfterASingleAmpersand) {
  const std::pair<const char*, char> cases[] = {
      {"&File", 'f'},        {"A&lways on Top", 'l'}, {"Fish && &Chips", 'c'},
      {"Salt && Pepper", 0}, {"Trailing&", 0},        {"", 0},
  };
  for (const auto& [caption, key] : cases) EXPECT_EQ(AccessKey(caption), key) << caption;
}

}  // namespace
}  // namespace hovrel
