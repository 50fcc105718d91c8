// frmMain's notification icon on the headless window and the recording
// shell: added last at load and deleted first at unload with one record,
// the icon's messages against real pointer moves, minimising, Restore and
// Exit, and the icon coming back with a new taskbar.
#include <gtest/gtest.h>

#include <cstring>

#include "sim/fake_shell.h"
#include "sim/headless_form.h"
#include "sim/simulated_desktop.h"
#include "tray/tray_icon.h"
#include "tray/tray_notification.h"
#include "ui/frm_main.h"
#include "ui/frm_main_description.h"

namespace hovrel {
namespace {

constexpr std::uintptr_t kIconNumber = 1;

std::intptr_t Position(int x, int y) { return static_cast<std::intptr_t>((y << 16) | (x & 0xFFFF)); }

std::uint32_t RecordField(const TrayRecord& record, std::size_t offset) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | record[offset + i];
  return value;
}

struct Program {
  explicit Program(bool iconTaken = true) {
    shell.notifyAnswer = iconTaken;
    form.Load(main);
  }

  int Requests(unsigned message) const {
    int count = 0;
    for (const auto& call : shell.notifyCalls) count += call.message == message;
    return count;
  }

  sim::SimulatedDesktop desktop;
  Hwnd other = desktop.Add("Other window");
  sim::FakeShell shell;
  sim::HeadlessForms forms{desktop};
  sim::HeadlessForm form{desktop, kMainForm, &forms};
  frmMain main{desktop, shell, forms, form};
};

TEST(FrmMainTray, LoadAddsTheIconLastWithTheImagesPictureAndTheCaption) {
  sim::SimulatedDesktop desktop;
  desktop.Add("Other window");
  sim::FakeShell shell;
  sim::HeadlessForms forms{desktop};
  sim::HeadlessForm form{desktop, kMainForm, &forms};
  frmMain main{desktop, shell, forms, form};
  int rowsAtAdd = -1;
  shell.onNotify = [&](unsigned) { rowsAtAdd = form.List(CommandId::lstApp).ListCount(); };
  form.Load(main);

  ASSERT_EQ(shell.notifyCalls.size(), 1u);
  EXPECT_EQ(shell.notifyCalls[0].message, NIM_ADD);
  EXPECT_EQ(rowsAtAdd, 1) << "the icon was added before the list was filled";
  const TrayRecord& record = shell.notifyCalls[0].record;
  EXPECT_EQ(record, PackTrayIconData(main.TrayIconData));
  EXPECT_EQ(RecordField(record, 4), form.hWnd());
  EXPECT_EQ(RecordField(record, 20), form.Picture(CommandId::imgIcon));
  EXPECT_NE(form.Picture(CommandId::imgIcon), 0u);
  EXPECT_EQ(std::memcmp(record.data() + 24, "Quarrow Hovrel\0 ", 16), 0);
}

TEST(FrmMainTray, EveryWayOutDeletesTheSameIconFirst) {
  struct Case {
    const char* name;
    void (*act)(Program&);
  };
  const Case cases[] = {
      {"File Exit", [](Program& p) { p.form.Click(CommandId::mnuExit); }},
      {"icon menu Exit", [](Program& p) { p.form.Click(CommandId::popExit); }},
      {"close box", [](Program& p) { p.form.PressCloseBox(); }},
      {"close box while hidden",
       [](Program& p) {
         p.form.Minimise();
         p.form.PressCloseBox();
       }},
  };
  for (const Case& c : cases) {
    Program p;
    bool windowThereAtDelete = false;
    p.shell.onNotify = [&](unsigned message) {
      if (message == NIM_DELETE) windowThereAtDelete = p.desktop.Exists(p.form.hWnd()) && !p.form.ended();
    };
    c.act(p);
    EXPECT_TRUE(p.form.ended()) << c.name;
    ASSERT_EQ(p.shell.notifyCalls.size(), 2u) << c.name;
    EXPECT_EQ(p.shell.notifyCalls[1].message, NIM_DELETE) << c.name;
    EXPECT_EQ(p.shell.notifyCalls[1].record, p.shell.notifyCalls[0].record) << c.name;
    EXPECT_TRUE(windowThereAtDelete) << c.name << ": the icon went after the program";
  }
}

struct Seen {
  bool visible;
  int windowState;
  std::size_t popups;
  bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Seen& s) {
  return out << "{visible " << s.visible << " state " << s.windowState << " popups " << s.popups << "}";
}

TEST(FrmMainTray, OnlyTheIconsReleasesAndDoubleClickActOnTheHiddenWindow) {
  struct Case {
    const char* name;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    Seen expected;
  };
  constexpr Seen kRestored{true, kWindowNormal, 0};
  constexpr Seen kStillHidden{false, kWindowMinimised, 0};
  constexpr Seen kMenu{false, kWindowMinimised, 1};
  // clang-format off
  const Case cases[] = {
      {"left release",             kIconNumber, WM_LBUTTONUP,            kRestored},
      {"double-click",             kIconNumber, WM_LBUTTONDBLCLK,        kRestored},
      {"right release",            kIconNumber, WM_RBUTTONUP,            kMenu},
      {"left press",               kIconNumber, 0x201,                   kStillHidden},
      {"right press",              kIconNumber, 0x204,                   kStillHidden},
      {"move over the icon",       kIconNumber, WM_MOUSEMOVE,            kStillHidden},
      {"another icon's release",   2,           WM_LBUTTONUP,            kStillHidden},
      // A real pointer move: key flags in wParam, the position in lParam.
      {"pointer at x 514",         0,           Position(514, 0),        kStillHidden},
      {"pointer at x 517",         0,           Position(517, 0),        kStillHidden},
      {"pointer at 514, 30",       0,           Position(514, 30),       kStillHidden},
      {"right-dragged at x 517",   2,           Position(517, 0),        kStillHidden},
      {"pointer far left",         0,           Position(-3, 40),        kStillHidden},
  };
  // clang-format on
  for (const Case& c : cases) {
    Program p;
    p.form.Minimise();
    ASSERT_FALSE(p.form.Visible()) << c.name;
    p.form.MouseMove(c.wParam, c.lParam);
    const Seen seen{p.form.Visible(), p.form.WindowState(), p.form.popups().size()};
    EXPECT_EQ(seen, c.expected) << c.name;
    if (!p.form.popups().empty()) {
      EXPECT_EQ(p.form.popups()[0], (sim::PopupShown{CommandId::mnuPopup, p.form.hWnd()}))
          << c.name << ": the menu opened while another window was in front";
    }
  }
}

TEST(FrmMainTray, DecodesInEachScaleAndResolution) {
  struct Case {
    int scaleMode;
    float twipsPerPixelX;
  };
  const Case cases[] = {{kScaleTwips, 15}, {kScaleTwips, 12}, {kScaleTwips, 1440.0f / 144}, {kScalePixels, 15}};
  for (const Case& c : cases) {
    Program p;
    p.form.scaleMode = c.scaleMode;
    p.form.twipsPerPixelX = c.twipsPerPixelX;
    p.form.Minimise();
    p.form.MouseMove(kIconNumber, WM_LBUTTONUP);
    EXPECT_TRUE(p.form.Visible()) << "scale " << c.scaleMode << " at " << c.twipsPerPixelX;
    p.form.MouseMove(kIconNumber, WM_RBUTTONUP);
    EXPECT_EQ(p.form.popups().size(), 1u) << "scale " << c.scaleMode << " at " << c.twipsPerPixelX;
  }
}

TEST(FrmMainTray, MinimisingHidesOnlyWhileTheIconIsThere) {
  for (const bool iconTaken : {true, false}) {
    Program p(iconTaken);
    p.form.Minimise();
    EXPECT_EQ(p.form.Visible(), !iconTaken) << "icon taken " << iconTaken;
    EXPECT_EQ(p.form.WindowState(), kWindowMinimised);
    EXPECT_TRUE(p.desktop.IsMinimised(p.form.hWnd()));
    p.form.Click(CommandId::popRestore);
    EXPECT_TRUE(p.form.Visible());
    EXPECT_EQ(p.form.WindowState(), kWindowNormal);
    EXPECT_EQ(p.Requests(NIM_ADD), 1) << "restoring touched the icon";
  }
}

TEST(FrmMainTray, RestoreOnAShownWindowLeavesItShownAndNormal) {
  Program p;
  p.form.MouseMove(kIconNumber, WM_LBUTTONUP);
  p.form.MouseMove(kIconNumber, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(p.form.Visible());
  EXPECT_EQ(p.form.WindowState(), kWindowNormal);
}

TEST(FrmMainTray, ANewTaskbarGetsTheIconAgain) {
  Program p;
  p.form.TaskbarRecreated();
  ASSERT_EQ(p.Requests(NIM_ADD), 2);
  EXPECT_EQ(p.shell.notifyCalls[1].record, p.shell.notifyCalls[0].record);
}

TEST(FrmMainTray, AnIconRefusedAtStartAndTakenLaterLetsMinimisingHide) {
  Program p(false);
  p.shell.notifyAnswer = true;
  p.form.TaskbarRecreated();
  p.form.Minimise();
  EXPECT_FALSE(p.form.Visible());
}

TEST(FrmMainTray, AHiddenWindowComesBackWhenTheNewTaskbarRefusesTheIcon) {
  Program p;
  p.form.Minimise();
  ASSERT_FALSE(p.form.Visible());
  p.shell.notifyAnswer = false;
  p.form.TaskbarRecreated();
  EXPECT_TRUE(p.form.Visible());
  EXPECT_EQ(p.form.WindowState(), kWindowNormal);
}

TEST(FrmMainTray, NoIconIsAddedAfterTheProgramEnded) {
  Program p;
  p.form.Click(CommandId::mnuExit);
  p.form.TaskbarRecreated();
  EXPECT_EQ(p.Requests(NIM_ADD), 1);
  EXPECT_EQ(p.Requests(NIM_DELETE), 1);
}

}  // namespace
}  // namespace hovrel
