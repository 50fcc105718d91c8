// frmMain's notification icon on the headless window and the recording
// shell: the record added at load, the icon's messages against real pointer
// moves, minimising, and the icon coming back with a new taskbar.
#include <gtest/gtest.h>

#include <tuple>

#include "native/program.h"
#include "tray/tray_icon_data.h"
#include "tray/tray_notification.h"

namespace hovrel {
namespace {

constexpr std::uintptr_t kIconNumber = 1;

std::intptr_t Position(int x, int y) { return static_cast<std::intptr_t>((y << 16) | (x & 0xFFFF)); }

TEST(FrmMainTray, LoadAddsTheIconWithTheImagesPictureAndTheCaption) {
  Program p;
  p.Start();
  ASSERT_EQ(p.shell.notifyCalls.size(), 1u);
  EXPECT_EQ(p.shell.notifyCalls[0].message, NIM_ADD);
  const std::uint32_t picture = p.form.Picture(CommandId::imgIcon);
  EXPECT_NE(picture, 0u);
  EXPECT_EQ(p.shell.notifyCalls[0].record,
            PackTrayIconData(FillTrayIconData(p.form.hWnd(), picture, "Quarrow Hovrel")));
}

TEST(FrmMainTray, OnlyTheIconsReleasesAndDoubleClickActOnTheHiddenWindow) {
  using Seen = std::pair<bool, std::size_t>;  // visible, menus opened
  constexpr Seen kRestored{true, 0};
  constexpr Seen kStillHidden{false, 0};
  constexpr Seen kMenu{false, 1};
  // clang-format off
  const std::tuple<const char*, std::uintptr_t, std::intptr_t, Seen> cases[] = {
      {"left release",           kIconNumber, WM_LBUTTONUP,     kRestored},
      {"double-click",           kIconNumber, WM_LBUTTONDBLCLK, kRestored},
      {"right release",          kIconNumber, WM_RBUTTONUP,     kMenu},
      {"left press",             kIconNumber, 0x201,            kStillHidden},
      {"right press",            kIconNumber, 0x204,            kStillHidden},
      {"right double-click",     kIconNumber, 0x206,            kStillHidden},
      {"move over the icon",     kIconNumber, WM_MOUSEMOVE,     kStillHidden},
      {"another icon's release", 2,           WM_LBUTTONUP,     kStillHidden},
      // A real pointer move: key flags in wParam, the position in lParam.
      {"pointer at x 514",       0,           Position(514, 0), kStillHidden},
      {"pointer at 517, 30",     0,           Position(517, 30), kStillHidden},
      {"right-dragged at x 517", 2,           Position(517, 0), kStillHidden},
  };
  // clang-format on
  // The form's scale and the screen's resolution decide the event's X.
  const std::pair<int, float> scales[] = {{kScaleTwips, 15}, {kScaleTwips, 12}, {kScalePixels, 15}};
  for (const auto& [name, wParam, lParam, expected] : cases) {
    for (const auto& [scaleMode, twipsPerPixel] : scales) {
      Program p;
      p.form.scaleMode = scaleMode;
      p.form.twipsPerPixelX = twipsPerPixel;
      p.Start();
      p.form.Minimise();
      p.form.MouseMove(wParam, lParam);
      EXPECT_EQ((Seen{p.form.Visible(), p.form.popups().size()}), expected) << name << " at scale " << scaleMode << ", " << twipsPerPixel;
      EXPECT_EQ(p.form.WindowState(), expected.first ? kWindowNormal : kWindowMinimised) << name;
      for (const auto& popup : p.form.popups())
        EXPECT_EQ(popup, std::make_pair(CommandId::mnuPopup, p.form.hWnd())) << name << ": menu opened behind another window";
    }
  }
}

TEST(FrmMainTray, MinimisingHidesOnlyWhileTheIconIsThere) {
  for (const bool iconTaken : {true, false}) {
    Program p;
    p.shell.notifyAnswer = iconTaken;
    p.Start();
    p.form.Minimise();
    EXPECT_EQ(p.form.Visible(), !iconTaken) << "icon taken " << iconTaken;
    p.form.Click(CommandId::popRestore);
    EXPECT_TRUE(p.form.Visible());
    EXPECT_EQ(p.form.WindowState(), kWindowNormal);
    EXPECT_EQ(p.Requests(NIM_ADD), 1) << "restoring touched the icon";
  }
}

TEST(FrmMainTray, ANewTaskbarGetsTheIconAgain) {
  struct Case {
    const char* name;
    bool takenAtStart, hiddenBefore, takenAgain;
  } cases[] = {
      {"taken both times", true, false, true},
      {"refused at start, taken later", false, false, true},
      {"hidden, then refused by the new taskbar", true, true, false},
  };
  for (const Case& c : cases) {
    Program p;
    p.shell.notifyAnswer = c.takenAtStart;
    p.Start();
    if (c.hiddenBefore) p.form.Minimise();
    p.shell.notifyAnswer = c.takenAgain;
    p.form.TaskbarRecreated();
    ASSERT_EQ(p.Requests(NIM_ADD), 2) << c.name;
    EXPECT_EQ(p.shell.notifyCalls[1].record, p.shell.notifyCalls[0].record) << c.name;
    // Hidden behind an icon the new taskbar refused, the window comes back.
    EXPECT_TRUE(p.form.Visible()) << c.name;
    EXPECT_EQ(p.form.WindowState(), kWindowNormal) << c.name;
    p.form.Minimise();
    EXPECT_EQ(p.form.Visible(), !c.takenAgain) << c.name << ": minimised";
  }
}

}  // namespace
}  // namespace hovrel
