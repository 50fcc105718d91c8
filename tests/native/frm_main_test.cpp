// frmMain on the headless window, the simulated desktop and the recording
// shell: what each action of the user does, with a row selected, without one
// and on a row whose window has gone, the About box among them (its build
// number is read under Wine, from the real version resource); the load and a
// new taskbar.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "inventory/opacity.h"
#include "inventory/window_look.h"
#include "sim/fake_shell.h"
#include "sim/headless_form.h"
#include "ui/frm_main.h"
#include "ui/frm_main_description.h"

namespace hovrel {
namespace {

// The program with a recording shell and headless windows, on a desktop of a
// minimised target and a hidden window.
struct Program {
  // Plays one action of the user; the program may end on it.
  void Do(const std::function<void(Program&)>& action) {
    try {
      action(*this);
    } catch (const sim::ProgramEnded&) {
    }
  }
  bool Listed(Hwnd hwnd) const { return list.Find(desktop.Title(hwnd)) >= 0; }
  // The icon requests in order: A for add, M for modify, D for delete.
  std::string Requests() const {
    std::string requests;
    for (const auto& call : shell.notifyCalls) requests += "AMD?"[std::min(call.message, 3u)];
    return requests;
  }

  sim::SimulatedDesktop desktop;
  Hwnd target = desktop.Add("Target window", sim::kFramedStyle | WS_MINIMIZE);
  Hwnd hidden = desktop.Add("Hidden service", sim::kFramedStyle & ~WS_VISIBLE);
  sim::FakeShell shell;
  sim::FixedFiles files;
  sim::HeadlessForms forms{desktop};
  sim::HeadlessForm form{desktop, kMainForm, forms};
  frmMain main{desktop, shell, files, forms, form};
  sim::FakeListBox& list = form.List();
};

using Action = std::function<void(Program&)>;
Action Click(CommandId id) { return [id](Program& p) { p.main.Command(id); }; }
// As the window gets it: X is the low word of lParam in pixels, handed on in
// twips; atPointer, the pointer was at that point (a real move).
Action MouseMove(std::uintptr_t wParam, std::intptr_t lParam, bool atPointer) {
  return [=](Program& p) {
    p.main.Form_MouseMove({wParam, lParam, static_cast<float>(lParam & 0xFFFF) * p.form.twipsPerPixelX, atPointer});
  };
}
// The shell reports a mouse action on the icon as a mouse move with the icon's number.
Action Icon(std::intptr_t message) { return MouseMove(1, message, false); }
// Ctrl+Win+T (or another key) `times` over, with the window `front` gives (0: none) in front, not yet activated.
Action PinInFront(const std::function<Hwnd(Program&)>& front, int times = 1, CommandId key = CommandId::hkPinForeground) {
  return [=](Program& p) {
    p.desktop.foreground = front(p);
    for (int i = 0; i < times; ++i) p.main.Command(key);
  };
}
// Ctrl+Win+Minus on a window made as `options` say.
Action SeeThroughInFront(const sim::WindowOptions& options) {
  return PinInFront([=](Program& p) { return p.desktop.Add(options); }, 1, CommandId::hkLowerOpacity);
}
Action Then(const Action& first, const Action& second) {
  return [=](Program& p) { first(p), second(p); };
}

// The action on a target that has stopped reading its messages.
Action Hung(const Action& action) {
  return [=](Program& p) {
    p.desktop.Change(p.target).closeAnswer = sim::CloseAnswer::Hangs;
    action(p);
  };
}

// The action on a target whose program runs as administrator, or with the program run so.
Action AsAdministrator(const Action& action) {
  return [=](Program& p) {
    p.desktop.Change(p.target).integrity = SECURITY_MANDATORY_HIGH_RID;
    action(p);
  };
}
Action RunAsAdministrator(const Action& action, bool desktopShell = true) {
  return [=](Program& p) {
    p.shell.elevated = true, p.shell.desktopShell = desktopShell;
    action(p);
  };
}

// The target's row selected, no row, or the target's row after its window has gone.
enum class Row { Selected, None, Gone };

// What one action did to the started, minimised program, in words.
std::string Effect(const Action& action, Row row, float twipsPerPixel) {
  Program p;
  p.form.twipsPerPixelX = twipsPerPixel;
  p.form.Load(p.main);
  if (row != Row::None) p.list.SetListIndex(p.list.Find("Target window"));
  if (row == Row::Gone) p.desktop.Remove(p.target);
  p.form.SetWindowState(kWindowMinimised);
  const Hwnd late = p.desktop.Add("Late window");
  std::string effect;
  const auto note = [&](bool seen, const std::string& what) { if (seen) effect += (effect.empty() ? "" : " ") + what; };
  Hwnd about = 0;
  p.forms.whileModal = [&](sim::HeadlessForm& window) {
    about = window.hWnd();
    note(true, "About: " + window.ControlCaption(CommandId::Label2) + " " + window.ControlCaption(CommandId::BuildNo));
    // Its three address fields; a label, the picture and the dialog manager's Esc, which run nothing; then OK.
    for (const CommandId id : {CommandId::LEmail, CommandId::LHomepage, CommandId::LOnlineAddress, CommandId::Label3,
                               CommandId::Image, CommandId{2}, CommandId::btnOK})
      if (window.loaded) window.events().Command(id);
  };
  p.Do(action);
  p.list.redrawn.clear();
  // The program's timers come first, while the other programs are busy: a
  // row redrawn before its window has moved would show it as it was.
  p.Do([](Program& q) { q.form.RunIdleTimers(); });
  const auto band = [&] { return p.desktop.GetWindowLongW(p.target, GWL_EXSTYLE) & WS_EX_TOPMOST; };
  const bool drawnEarly = !p.list.redrawn.empty() && p.desktop.Exists(p.target);
  const auto bandThen = band();
  // The other programs read their messages, the background work runs to its end, and every timer runs out.
  p.Do([](Program& q) {
    q.desktop.RunWindowThreads();
    q.form.FinishWork();
    q.form.RunIdleTimers(true);
  });
  const auto placed = [&](Hwnd hwnd) {
    const Hwnd after = p.desktop.Options(hwnd).placedAfter;
    return after == HWND_TOPMOST ? "topmost" : after == HWND_NOTOPMOST ? "not topmost" : after == HWND_TOP ? "at the top" : "";
  };
  note(drawnEarly && band() != bandThen, "row redrawn before it moved");
  note(p.desktop.beeps > 0, "beep");
  note(p.desktop.Exists(p.target) && !(p.desktop.Options(p.target).style & WS_MINIMIZE), "restored");
  note(p.desktop.Options(p.target).placedAfter != sim::kNotPlaced, std::string("placed ") + placed(p.target));
  // Busy or hung, another program's window would hold the program.
  note(p.desktop.froze, "waited on another program");
  // Its question (to save, say) would stay behind, flashing on the taskbar.
  note(p.desktop.closeRequestsWithoutForeground > 0, "asked from behind");
  note(p.desktop.activated == p.target, "activated");
  note(std::ranges::any_of(p.desktop.placed, [&](Hwnd hwnd) { return hwnd != p.target && hwnd != p.form.hWnd(); }),
       "another window placed");
  note(p.desktop.CloseRequests(p.target) > 0, "closed");
  note(p.desktop.CloseRequests(p.hidden) + p.desktop.CloseRequests(late) > 0, "others asked to close");
  note(p.Listed(late), "rebuilt");
  note(p.Listed(p.hidden), "unfiltered");
  note(p.desktop.Options(p.form.hWnd()).placedAfter != sim::kNotPlaced, std::string("own window ") + placed(p.form.hWnd()));
  note(p.form.Checked(CommandId::mnuAlwaysOnTop), "checked");
  note(p.form.Visible() && p.form.WindowState() == kWindowNormal, "shown");
  // Redrawn at once to show its band, without a rebuild.
  const bool targetsRow = std::ranges::all_of(p.list.redrawn, [&](std::uint32_t window) { return window == p.target; });
  note(!p.list.redrawn.empty(), targetsRow ? "row redrawn" : "other row redrawn");
  for (const auto& [over, text] : p.form.notes) note(true, "note " + text + (over == p.desktop.foreground ? "" : " elsewhere"));
  // Opened while another window is in front, the menu would not close on a click elsewhere.
  for (const auto& [menu, front] : p.form.popups) note(true, menu == CommandId::mnuPopup && front == p.form.hWnd() ? "menu" : "other menu");
  note(p.Requests() != "A", "icon " + p.Requests());
  note(p.form.ended, "ended");
  note(p.forms.leftOpen > 0, "About left open");
  for (const auto& [owner, opened] : p.shell.opened)
    note(true, (owner == p.form.hWnd() ? "" : owner == about ? "About: " : "another window: ") + opened);
  for (const std::string& started : p.shell.started) note(true, started);
  for (const std::string& opened : p.shell.fromDesktop) note(true, "from the desktop: " + opened);
  for (const auto& [hwnd, whose] : {std::pair(p.target, "seen through"), std::pair(p.form.hWnd(), "own window seen through")})
    note(p.desktop.Options(hwnd).exStyle & WS_EX_LAYERED,
         whose + (" " + OpacityFigure(WindowOpacity(p.desktop, hwnd, p.desktop.Options(hwnd).exStyle))));
  return effect;
}

TEST(FrmMain, EachActionDoesWhatItsWiringSaysAndWithoutARowOrOnAStaleOneNoMore) {
  const auto web = [](const std::string& target) { return "Open " + target + " (null) (null) 1"; };
  const Action seeThroughTarget = PinInFront([](Program& p) { return p.target; }, 1, CommandId::hkLowerOpacity);
  // Made, as it is long before the user's next command.
  const Action seenThrough = Then(seeThroughTarget, [](Program& p) { p.form.FinishWork(), p.form.notes.clear(); });
  const std::string kCannot = "beep note This window cannot be made see-through";
  const std::tuple<const char*, Action, std::string, const char*> cases[] = {  // name, action, effect, on a gone window's row (null: needs none)
      {"Top Window", Click(CommandId::btnTop), "restored placed topmost activated row redrawn", "row redrawn"},
      {"File Top", Click(CommandId::mnuTop), "restored placed topmost activated row redrawn", "row redrawn"},
      {"Reset Window", Click(CommandId::btnReset), "placed not topmost activated row redrawn", "row redrawn"},
      {"File Reset", Click(CommandId::mnuReset), "placed not topmost activated row redrawn", "row redrawn"},
      {"Switch to", Click(CommandId::btnSwitch), "restored placed at the top activated", ""},
      {"File Switch to", Click(CommandId::mnuSwitch), "restored placed at the top activated", ""},
      {"double-click on a row", Click(CommandId::lstApp), "restored placed at the top activated", ""},
      {"End Task", Click(CommandId::btnEnd), "closed rebuilt", "rebuilt"},
      {"File End Task", Click(CommandId::mnuEndTask), "closed rebuilt", "rebuilt"},
      {"End Task while the last still runs", [](Program& p) { p.main.Command(CommandId::btnEnd), p.main.Command(CommandId::mnuEndTask); },
       "beep closed rebuilt", "beep rebuilt"},
      {"Refresh", Click(CommandId::btnRefresh), "rebuilt", nullptr},
      {"View Refresh", Click(CommandId::mnuRefresh), "rebuilt", nullptr},
      {"repaint", [](Program& p) { p.main.Form_Paint(); }, "rebuilt", nullptr},
      {"View Hide Processes", Click(CommandId::mnuShowOnlyApp), "rebuilt unfiltered", nullptr},
      {"View Always on Top", Click(CommandId::mnuAlwaysOnTop), "own window topmost checked", nullptr},
      // The shortcut toggles the band of the window in front, without activating it.
      {"Ctrl+Win+T", PinInFront([](Program& p) { return p.target; }), "placed topmost row redrawn note Kept on top", nullptr},
      {"Ctrl+Win+T twice", PinInFront([](Program& p) { return p.target; }, 2),
       "placed not topmost row redrawn note Kept on top note No longer on top", nullptr},
      {"Ctrl+Win+T on itself", PinInFront([](Program& p) { return p.form.hWnd(); }), "own window topmost checked note Kept on top", nullptr},
      {"Ctrl+Win+T on itself twice", PinInFront([](Program& p) { return p.form.hWnd(); }, 2),
       "own window not topmost note Kept on top note No longer on top", nullptr},
      {"Ctrl+Win+T on nothing", PinInFront([](Program& p) {
         p.desktop.shellWindow = p.desktop.Add("Program Manager");
         return Hwnd{0};
       }), "", nullptr},
      {"Ctrl+Win+T on the desktop", PinInFront([](Program&) { return sim::SimulatedDesktop::kDesktopWindow; }), "", nullptr},
      {"Ctrl+Win+T on the shell's desktop",
       PinInFront([](Program& p) { return p.desktop.shellWindow = p.desktop.Add("Program Manager"); }), "", nullptr},
      {"File Exit", Click(CommandId::mnuExit), "icon AD ended", nullptr},
      {"icon menu Exit", Click(CommandId::popExit), "icon AD ended", nullptr},
      {"close box", [](Program& p) { p.form.Unload(); }, "icon AD ended", nullptr},
      {"icon menu Restore", Click(CommandId::popRestore), "shown", nullptr},
      {"icon left release", Icon(WM_LBUTTONUP), "shown", nullptr},
      {"icon double-click", Icon(WM_LBUTTONDBLCLK), "shown", nullptr},
      {"icon right release", Icon(WM_RBUTTONUP), "menu", nullptr},
      // Presses, moves over the icon, another icon's release; and real pointer
      // moves, with the key flags in wParam and the position in lParam.
      {"icon left press", Icon(0x201), "", nullptr},
      {"icon right press", Icon(0x204), "", nullptr},
      {"move over the icon", Icon(WM_MOUSEMOVE), "", nullptr},
      {"another icon's release", MouseMove(2, WM_LBUTTONUP, false), "", nullptr},
      {"pointer at x 514", MouseMove(0, 514, true), "", nullptr},
      {"pointer at 517, 30", MouseMove(0, (30 << 16) | 517, true), "", nullptr},
      {"right-dragged at x 517", MouseMove(2, 517, true), "", nullptr},
      // MK_LBUTTON is the icon's number: only where the pointer was tells.
      {"left-dragged at x 514", MouseMove(1, 514, true), "", nullptr},
      {"left-dragged at x 517", MouseMove(1, 517, true), "", nullptr},
      {"Help About", Click(CommandId::mnuAbout),
       "About: Version 2.0 Build  About: " + web("mailto:team@quarrow.example") + " About: " + web("http://quarrow.example") +
           " About: " + web("http://quarrow.example/hovrel"),
       nullptr},
      {"Help Read Me", Click(CommandId::mnuReadMe),
       "C:\\Windows\\system32\\notepad.exe | Notepad C:\\Program Files\\Quarrow\\readme.txt | 1", nullptr},
      {"Help Read Me where Notepad is gone", [](Program& p) {
         p.shell.startsPrograms = false;
         p.main.Command(CommandId::mnuReadMe);
       }, "open C:\\Program Files\\Quarrow\\readme.txt (null) (null) 1", nullptr},
      // At once, before the click that brought the window back is handled.
      {"coming back from another program", [](Program& p) { p.main.Form_Activate(); }, "rebuilt", nullptr},
      {"Hovrel Home Page", Click(CommandId::mnuHome), web("http://quarrow.example/hovrel"), nullptr},
      {"Product News", Click(CommandId::mnuNews), web("http://quarrow.example/news"), nullptr},
      {"Free Downloads", Click(CommandId::mnuDownload), web("http://quarrow.example/download"), nullptr},
      {"Send Feedback", Click(CommandId::mnuSendMail), web("mailto:team@quarrow.example"), nullptr},
      {"Leave Message", Click(CommandId::mnuGuestBook), web("http://quarrow.example/support/book"), nullptr},
      {"Get Paid", Click(CommandId::mnuGetPaid), web("http://paidmail.example/Id/605080"), nullptr},
      {"Team Home Page", Click(CommandId::mnuHomePage), web("http://quarrow.example"), nullptr},
      // The opacity keys on the selected row's window, on the one in front and on the program's own; only windows that can be seen through.
      {"Ctrl+Minus", Click(CommandId::lstLowerOpacity), "row redrawn seen through 90%", "beep row redrawn"},
      {"Ctrl+Minus, Ctrl+Plus", Then(Click(CommandId::lstLowerOpacity), Click(CommandId::lstRaiseOpacity)), "row redrawn", "beep row redrawn"},
      {"Ctrl+Plus at 100%", Click(CommandId::lstRaiseOpacity), "row redrawn", "beep row redrawn"},
      {"Ctrl+Minus on a hung window", Hung(Click(CommandId::lstLowerOpacity)), "beep row redrawn", "beep row redrawn"},
      {"Ctrl+Win+Minus twice", Then(seeThroughTarget, seeThroughTarget),
       "row redrawn note Opacity 90% note Opacity 80% seen through 80%", nullptr},
      {"Ctrl+Win+Minus on itself", PinInFront([](Program& p) { return p.form.hWnd(); }, 1, CommandId::hkLowerOpacity),
       "note Opacity 90% own window seen through 90%", nullptr},
      {"Ctrl+Win+Minus on the taskbar", SeeThroughInFront({.title = "", .className = "Shell_TrayWnd"}), kCannot, nullptr},
      {"Ctrl+Win+Minus on a class with its own DC", SeeThroughInFront({.title = "", .classStyle = CS_OWNDC}), kCannot, nullptr},
      {"Ctrl+Win+Minus on a class with one DC", SeeThroughInFront({.title = "", .classStyle = CS_CLASSDC}), kCannot, nullptr},
      {"Ctrl+Win+Minus on one drawn by UpdateLayeredWindow", SeeThroughInFront({.title = "", .exStyle = WS_EX_LAYERED}), kCannot, nullptr},
      {"Ctrl+Win+Minus on one that refuses", SeeThroughInFront({.title = "", .refuses = true}), kCannot, nullptr},
      {"Ctrl+Win+Minus on a busy window", SeeThroughInFront({.title = "", .closeAnswer = sim::CloseAnswer::Busy}), "beep note Not responding", nullptr},
      {"Ctrl+Win+Minus on one drawn without a redirection bitmap",
       SeeThroughInFront({.title = "", .exStyle = WS_EX_NOREDIRECTIONBITMAP}), kCannot, nullptr},
      {"Ctrl+Win+Minus on one its program keeps at 15%",
       SeeThroughInFront({.title = "", .exStyle = WS_EX_LAYERED, .layered = {{0, 38, LWA_ALPHA}}}), "beep note Opacity 15%", nullptr},
      {"Ctrl+Win+Minus, Exit", Then(seenThrough, Click(CommandId::mnuExit)), "icon AD ended", nullptr},
      {"Ctrl+Win+Minus, the session's end", Then(seenThrough, [](Program& p) { p.main.Form_SessionEnd(false); }), "", nullptr},
      // A window of a program with more rights: the commands that would change it say no.
      {"Top Window on a window run as administrator", AsAdministrator(Click(CommandId::btnTop)), "beep", nullptr},
      {"Reset Window on it", AsAdministrator(Click(CommandId::btnReset)), "beep", nullptr},
      {"Switch to it", AsAdministrator(Click(CommandId::btnSwitch)), "restored placed at the top activated", ""},
      {"End Task on it", AsAdministrator(Click(CommandId::btnEnd)), "rebuilt", "rebuilt"},
      {"Ctrl+Minus on it", AsAdministrator(Click(CommandId::lstLowerOpacity)), "beep row redrawn", "beep row redrawn"},
      {"Ctrl+Win+T on it", AsAdministrator(PinInFront([](Program& p) { return p.target; })),
       "beep note Runs as administrator: cannot be changed from here", nullptr},
      {"Ctrl+Win+Minus on it", AsAdministrator(seeThroughTarget),
       "beep row redrawn note Runs as administrator: cannot be changed from here", nullptr},
      // Run as administrator, what the program starts would run so too: the desktop's shell starts it.
      {"Help Read Me run as administrator", RunAsAdministrator(Click(CommandId::mnuReadMe)),
       "from the desktop: C:\\Windows\\system32\\notepad.exe C:\\Program Files\\Quarrow\\readme.txt", nullptr},
      {"Hovrel Home Page run as administrator", RunAsAdministrator(Click(CommandId::mnuHome)),
       "from the desktop: http://quarrow.example/hovrel (null)", nullptr},
      {"Send Feedback run so, the desktop's shell gone", RunAsAdministrator(Click(CommandId::mnuSendMail), false), "", nullptr},
      {"Ctrl+Win+Minus, closed for an update", Then(seenThrough, [](Program& p) { p.main.Form_SessionEnd(true); }), "icon AD ended", nullptr},
  };
  for (const auto& [name, action, effect, whenGone] : cases) {
    for (const float twipsPerPixel : {15.0f, 12.0f})  // 96 and 120 dpi
      EXPECT_EQ(Effect(action, Row::Selected, twipsPerPixel), effect) << name << " at " << twipsPerPixel << " twips a pixel";
    EXPECT_EQ(Effect(action, Row::None, 15), whenGone ? "beep" : effect) << name << " with no row selected";
    // Nothing more than its row redrawn, or the list rebuilt; no beep.
    if (whenGone) {
      EXPECT_EQ(Effect(action, Row::Gone, 15), whenGone) << name << " on a row whose window has gone";
    }
  }
  // Menu titles, the frame, the image, and the dialog manager's Enter (1) and Esc (2) run nothing.
  for (const CommandId id : {CommandId::mnuFile, CommandId::mnuWebs, CommandId::mnuPopup, CommandId::Frame1, CommandId::imgIcon,
                             CommandId{1}, CommandId{2}})
    EXPECT_EQ(Effect(Click(id), Row::Selected, 15), "") << "id " << static_cast<int>(id);
}

TEST(FrmMain, RebuildsTheUserDidNotAskForKeepTheSelectedWindowAndTheViewTheOthersClearThem) {
  const std::tuple<const char*, Action, bool> cases[] = {  // name, action, keeps
      {"coming back from another program", [](Program& p) { p.main.Form_Activate(); }, true},
      {"the look after End Task", [](Program& p) { p.form.RunIdleTimers(true); }, true},
      {"repaint", [](Program& p) { p.main.Form_Paint(); }, false},
      {"Refresh", Click(CommandId::btnRefresh), false},
      {"View Hide Processes", Click(CommandId::mnuShowOnlyApp), false},
      {"End Task", [](Program& p) { p.main.Command(CommandId::btnEnd), p.form.FinishWork(), p.form.RunIdleTimers(); }, false},
      {"End Task, then a row picked while it ran", [](Program& p) {
         const int picked = p.list.ListIndex(), top = p.list.TopIndex();
         p.list.SetListIndex(p.list.Find("Target window"));
         p.main.Command(CommandId::btnEnd);
         p.list.SetListIndex(picked), p.list.SetTopIndex(top);
         p.form.FinishWork(), p.form.RunIdleTimers();
       }, true},
  };
  for (const auto& [name, action, keeps] : cases) {
    Program p;
    for (int i = 10; i < 40; ++i) p.desktop.Add("Window " + std::to_string(i));
    p.form.Load(p.main);
    // End Task on a window that refuses, then the user picks a row far down.
    p.desktop.Change(p.target).closeAnswer = sim::CloseAnswer::Refuses;
    p.list.SetListIndex(p.list.Find("Target window"));
    p.main.Command(CommandId::btnEnd), p.form.FinishWork(), p.form.RunIdleTimers();
    p.list.SetListIndex(p.list.Find("Window 35"));
    p.list.SetTopIndex(p.list.Find("Window 20"));
    // A window opens whose row comes first, and another row's title changes.
    p.desktop.Add("A new window");
    p.desktop.Change(p.list.ItemData(p.list.Find("Window 30"))).title = "Window 30 saved";
    action(p);
    ASSERT_TRUE(p.Listed(p.desktop.ZOrder().front())) << name << ": not rebuilt";
    EXPECT_EQ(p.list.ListIndex() < 0 ? "" : p.list.List(p.list.ListIndex()), keeps ? "Window 35" : "") << name;
    EXPECT_EQ(p.list.List(p.list.TopIndex()), keeps ? "Window 20" : "A new window") << name;
  }
}

TEST(FrmMain, RebuildsAfterEndTaskWaitForTheUsersClicksOnTheList) {
  Program p;
  p.form.Load(p.main);
  p.list.SetListIndex(p.list.Find("Target window"));
  p.main.Command(CommandId::btnEnd), p.form.FinishWork();
  p.list.clicking = true;
  p.form.RunIdleTimers(true);
  EXPECT_GE(p.list.Find("Target window"), 0) << "rebuilt between two clicks when End Task was done";
  p.list.clicking = false;
  p.form.RunIdleTimers(true);
  EXPECT_EQ(p.list.Find("Target window"), -1) << "not rebuilt when End Task was done";
  const Hwnd late = p.desktop.Add("Late window");
  p.list.clicking = true;
  p.form.RunIdleTimers(true);
  EXPECT_FALSE(p.Listed(late)) << "looked again between two clicks";
  p.list.clicking = false;
  p.form.RunIdleTimers(true);
  EXPECT_TRUE(p.Listed(late)) << "no look after End Task";
}

TEST(FrmMain, EveryWindowMovedBetweenTheBandsHasItsRowDrawnOnceItHasMovedAndHeldKeysAddUp) {
  Program p;
  const Hwnd other = p.desktop.Add("Other window");
  p.form.Load(p.main);
  for (const char* row : {"Target window", "Other window"}) {
    p.list.SetListIndex(p.list.Find(row));
    p.main.Command(CommandId::btnTop);
  }
  p.form.RunIdleTimers();
  EXPECT_EQ(p.list.redrawn, std::vector<std::uint32_t>{}) << "drawn before they moved";
  // Ctrl+Win+T takes back the move the window was posted, not its band now.
  p.Do(PinInFront([&](Program&) { return other; }));
  p.desktop.RunWindowThreads();
  p.form.RunIdleTimers(true);
  std::ranges::sort(p.list.redrawn);
  EXPECT_EQ(p.list.redrawn, (std::vector<std::uint32_t>{p.target, other}));
  EXPECT_EQ(p.desktop.Options(other).placedAfter, HWND_NOTOPMOST);
  // Ctrl+Minus held down: one step under way, the other four made as one.
  for (int i = 0; i < 5; ++i) p.main.Command(CommandId::lstLowerOpacity);
  p.form.FinishWork();
  EXPECT_EQ(WindowOpacity(p.desktop, other, p.desktop.Options(other).exStyle), 50);
  EXPECT_EQ(p.desktop.Sent(other, WM_NULL), 2) << "a change for each key";
}

TEST(FrmMain, LoadListsTheFilteredDesktopAndAddsItsIcon) {
  Program p;
  p.form.Load(p.main);
  EXPECT_EQ(p.list.Rows(), (sim::Rows{{"Target window", p.target}}));
  ASSERT_EQ(p.Requests(), "A");
  // The record as the shell reads it: size, window, icon 1, flags (message,
  // icon, tip), callback message and icon, little-endian; the tip, its zero,
  // then blanks.
  std::vector<std::uint8_t> record;
  for (const std::uint32_t field : {152u, p.form.hWnd(), 1u, 7u, 0x200u, p.form.Picture(CommandId::imgIcon)})
    for (int byte = 0; byte < 4; ++byte) record.push_back(static_cast<std::uint8_t>(field >> (8 * byte)));
  for (const char c : std::string_view("Quarrow Hovrel")) record.push_back(static_cast<std::uint8_t>(c));
  record.push_back(0);
  record.resize(152, ' ');
  EXPECT_EQ(std::vector<std::uint8_t>(p.shell.notifyCalls[0].record.begin(), p.shell.notifyCalls[0].record.end()), record);
  // Started minimised, it goes to the notification area once the icon is there.
  Program minimised;
  minimised.form.startState = kWindowMinimised;
  minimised.form.Load(minimised.main);
  EXPECT_EQ(minimised.Requests(), "A");
  EXPECT_FALSE(minimised.form.Visible()) << "left on the taskbar";
}

TEST(FrmMain, ANewTaskbarGetsTheSameIconAgainAndTheWindowIsNeverHiddenWithoutOne) {
  // name, taken at start, hidden before, taken again, still shown by the
  // shell (another program broadcast the message), the requests made.
  const std::tuple<const char*, bool, bool, bool, bool, std::string> cases[] = {
      {"taken both times", true, false, true, false, "AA"},
      {"refused at start, taken later", false, false, true, false, "AMA"},
      {"hidden, then refused by the new taskbar", true, true, false, false, "AAM"},
      {"hidden, refused again but still shown", true, true, false, true, "AAM"},
  };
  for (const auto& [name, takenAtStart, hiddenBefore, takenAgain, stillShown, requests] : cases) {
    Program p;
    p.shell.notifyAnswer = takenAtStart;
    p.form.Load(p.main);
    if (hiddenBefore) p.form.SetWindowState(kWindowMinimised);
    p.shell.notifyAnswer = takenAgain;
    p.shell.iconShown = stillShown;
    p.main.TaskbarCreated();
    ASSERT_EQ(p.Requests(), requests) << name;
    for (const auto& call : p.shell.notifyCalls) EXPECT_EQ(call.record, p.shell.notifyCalls[0].record) << name;
    const bool iconThere = takenAgain || stillShown;
    EXPECT_EQ(p.form.Visible(), !hiddenBefore || !iconThere) << name;
    p.main.Command(CommandId::popRestore);
    p.form.SetWindowState(kWindowMinimised);
    EXPECT_EQ(p.form.Visible(), !iconThere) << name << ": minimised";
    // The shell may show an icon it refused, so that one is deleted too.
    p.Do([](Program& q) { q.form.Unload(); });
    EXPECT_EQ(p.Requests(), requests + "D") << name;
  }
}

}  // namespace
}  // namespace hovrel
