// The rows that show their window's band, on the headless window and the
// simulated desktop: Top and Reset redraw the row they acted on, and the
// shortcut pins or unpins the window in front (its row redrawn), works as
// "Always on Top" on the program's own window and leaves the shell alone.
#include <gtest/gtest.h>

#include "sim/fake_shell.h"
#include "sim/headless_form.h"
#include "sim/simulated_desktop.h"
#include "ui/frm_main.h"
#include "ui/frm_main_description.h"

namespace hovrel {
namespace {

using Redrawn = std::vector<std::uint32_t>;

struct Program {
  Program() { form.Load(main); }

  sim::SimulatedDesktop desktop;
  Hwnd first = desktop.Add("A window above the target");
  Hwnd target = desktop.Add("Target window");
  sim::FakeShell shell;
  sim::FixedFiles files;
  sim::HeadlessForms forms{desktop};
  sim::HeadlessForm form{desktop, kMainForm, forms};
  frmMain main{desktop, shell, files, forms, form};
  sim::FakeListBox& list = form.List(CommandId::lstApp);
};

TEST(WindowRows, TopAndResetRedrawTheSelectedRowAndLeaveTheListAsItWas) {
  for (const CommandId command : {CommandId::btnTop, CommandId::mnuTop, CommandId::btnReset, CommandId::mnuReset}) {
    Program p;
    const int row = p.list.Find("Target window");
    p.list.Select(row);
    const sim::Rows rows = p.list.Rows();
    p.form.Click(command);
    EXPECT_EQ(p.list.redrawn, Redrawn{p.target}) << "command " << static_cast<int>(command);
    EXPECT_EQ(p.list.Rows(), rows);
    EXPECT_EQ(p.list.ListIndex(), row) << "the list was rebuilt";
  }
}

TEST(WindowRows, PinShortcutTogglesTheWindowInFrontAndLeavesTheShellAlone) {
  constexpr unsigned kFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  enum class Front { Target, Unlisted, None, Desktop, ShellWindow, Taskbar, OtherTaskbar, IconLayer };
  const struct Case {
    const char* name;
    Front front;
    bool toggles, listed;
  } cases[] = {
      {"listed window", Front::Target, true, true},
      {"hidden window", Front::Unlisted, true, false},
      {"no window in front", Front::None, false, false},
      {"desktop", Front::Desktop, false, false},
      {"shell's desktop", Front::ShellWindow, false, false},
      {"taskbar", Front::Taskbar, false, false},
      {"taskbar on another monitor", Front::OtherTaskbar, false, false},
      {"desktop icons", Front::IconLayer, false, false},
  };
  for (const Case& c : cases) {
    Program p;
    const auto shellWindow = [&](const char* className) {
      return p.desktop.Add(sim::WindowOptions{"", sim::kFramedStyle, false, sim::CloseAnswer::Closes, className});
    };
    p.desktop.shellWindow = shellWindow("Progman");
    const Hwnd fronts[] = {p.target,
                           p.desktop.Add("Hidden", 0),
                           0,
                           sim::SimulatedDesktop::kDesktopWindow,
                           p.desktop.shellWindow,
                           shellWindow("Shell_TrayWnd"),
                           shellWindow("Shell_SecondaryTrayWnd"),
                           shellWindow("WorkerW")};
    const Hwnd front = fronts[static_cast<int>(c.front)];
    p.desktop.foreground = front;
    std::vector<sim::Call> calls;
    Redrawn redrawn;
    for (const Hwnd insertAfter : {HWND_TOPMOST, HWND_NOTOPMOST}) {
      p.form.Click(CommandId::hkPinForeground);
      if (c.toggles) calls.push_back({"SetWindowPos", front, insertAfter, kFlags, 0});
      if (c.listed) redrawn.push_back(front);
      EXPECT_EQ(p.desktop.Options(front).topmost, c.toggles && insertAfter == HWND_TOPMOST) << c.name;
    }
    EXPECT_EQ(p.desktop.calls, calls) << c.name;
    EXPECT_EQ(p.list.redrawn, redrawn) << c.name;
    EXPECT_EQ(p.desktop.foreground, front) << c.name << ": the shortcut activated a window";
    EXPECT_FALSE(p.form.Checked(CommandId::mnuAlwaysOnTop)) << c.name;
  }
}

TEST(WindowRows, PinShortcutOnItsOwnWindowIsAlwaysOnTop) {
  Program p;
  const Hwnd self = p.form.hWnd();
  p.desktop.foreground = self;
  for (const bool onTop : {true, false}) {
    p.form.Click(CommandId::hkPinForeground);
    EXPECT_EQ(p.form.Checked(CommandId::mnuAlwaysOnTop), onTop);
    EXPECT_EQ(p.desktop.Options(self).topmost, onTop);
  }
  EXPECT_EQ(p.desktop.calls, (std::vector<sim::Call>{{"SetWindowPos", self, HWND_TOPMOST, kPlaceOwnFlags, 0},
                                                     {"SetWindowPos", self, HWND_NOTOPMOST, kPlaceOwnFlags, 0}}));
}

}  // namespace
}  // namespace hovrel
