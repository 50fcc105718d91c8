// The rows that show their window's band, on the headless window and the
// simulated desktop: Top and Reset redraw the row they acted on; the shortcut
// pins or unpins the window in front and redraws its row, is "Always on Top"
// on the program's own window, and leaves the desktop and the taskbar alone.
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
  Hwnd PlacedAfter(Hwnd hwnd) const { return desktop.Options(hwnd).placedAfter; }

  sim::SimulatedDesktop desktop;
  Hwnd first = desktop.Add("A window above the target");
  Hwnd target = desktop.Add("Target window");
  sim::FakeShell shell;
  sim::FixedFiles files;
  sim::HeadlessForms forms{desktop};
  sim::HeadlessForm form{desktop, kMainForm, forms};
  frmMain main{desktop, shell, files, forms, form};
  sim::FakeListBox& list = form.List();
};

TEST(WindowRows, TopAndResetRedrawTheSelectedRowWithoutRebuildingTheList) {
  for (const CommandId command : {CommandId::btnTop, CommandId::btnReset}) {
    Program p;
    const int row = p.list.Find("Target window");
    p.list.Select(row);
    p.main.Command(command);
    EXPECT_EQ(p.list.redrawn, Redrawn{p.target}) << "command " << static_cast<int>(command);
    EXPECT_EQ(p.list.ListIndex(), row) << "the list was rebuilt";
  }
}

TEST(WindowRows, PinShortcutTogglesTheWindowInFrontAndRedrawsItsRow) {
  Program p;
  const Hwnd hidden = p.desktop.Add("Hidden window", 0);
  for (const Hwnd front : {p.target, hidden}) {
    for (const Hwnd band : {HWND_TOPMOST, HWND_NOTOPMOST}) {
      p.desktop.foreground = front;
      p.main.Command(CommandId::hkPinForeground);
      EXPECT_EQ(p.PlacedAfter(front), band);
    }
  }
  // Only the listed window has a row to redraw.
  EXPECT_EQ(p.list.redrawn, (Redrawn{p.target, p.target}));
  EXPECT_FALSE(p.form.Checked(CommandId::mnuAlwaysOnTop));
}

TEST(WindowRows, PinShortcutActivatesNothingAndLeavesTheDesktopAndTheTaskbarAlone) {
  Program p;
  p.desktop.foreground = p.target;
  p.main.Command(CommandId::hkPinForeground);
  EXPECT_EQ(p.desktop.foreground, p.target);
  const auto shellWindow = [&](const char* className) {
    return p.desktop.Add(sim::WindowOptions{"", sim::kFramedStyle, sim::CloseAnswer::Closes, sim::kNotPlaced, className});
  };
  p.desktop.shellWindow = shellWindow("Progman");
  // None in front, the desktop, the shell's desktop, the taskbar on the main
  // monitor and on another, and the desktop's icons.
  const Hwnd desktop = sim::SimulatedDesktop::kDesktopWindow;
  for (const Hwnd front : {Hwnd{0}, desktop, p.desktop.shellWindow, shellWindow("Shell_TrayWnd"),
                           shellWindow("Shell_SecondaryTrayWnd"), shellWindow("WorkerW")}) {
    p.desktop.foreground = front;
    p.main.Command(CommandId::hkPinForeground);
    EXPECT_EQ(p.PlacedAfter(front), sim::kNotPlaced) << "window " << front;
  }
  EXPECT_EQ(p.list.redrawn, Redrawn{p.target});
}

TEST(WindowRows, PinShortcutOnItsOwnWindowIsAlwaysOnTop) {
  Program p;
  const Hwnd self = p.form.hWnd();
  p.desktop.foreground = self;
  for (const bool onTop : {true, false}) {
    p.main.Command(CommandId::hkPinForeground);
    EXPECT_EQ(p.form.Checked(CommandId::mnuAlwaysOnTop), onTop);
    EXPECT_EQ(p.PlacedAfter(self), onTop ? HWND_TOPMOST : HWND_NOTOPMOST);
  }
}

}  // namespace
}  // namespace hovrel
