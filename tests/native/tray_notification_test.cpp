// Decoding the icon's callback as the main window's mouse-move handler does,
// and telling the icon's callbacks from real pointer moves over the window.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tray/tray_notification.h"

namespace hovrel {
namespace {

constexpr int kScaleTwips = 1;
constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(TrayNotificationTest, DecodesXBackIntoTheMessageNumber) {
  struct Case {
    const char* name;
    float x;
    int scaleMode;
    float twipsPerPixel;
    std::int32_t message;
  } cases[] = {
      {"pixels", 514, kScalePixels, 15, 514},
      {"pixels ignore twips per pixel", 517, kScalePixels, 0, 517},
      {"twips at 96 dpi", 514 * 15, kScaleTwips, 15, 514},
      {"twips at 120 dpi", 517 * 12, kScaleTwips, 12, 517},
      {"user scale divides too", 515 * 15, 0, 15, 515},
      {"half down to even", 514.5f, kScalePixels, 15, 514},
      {"half up to even", 515.5f, kScalePixels, 15, 516},
      {"twips half up to even", 515.5f * 15, kScaleTwips, 15, 516},
      {"below half", 517.49f, kScalePixels, 15, 517},
      {"negative half to even", -1.5f, kScalePixels, 15, -2},
      {"largest float below 2^31", 2147483520.0f, kScalePixels, 15, 2147483520},
      {"lowest 32-bit number", -2147483648.0f, kScalePixels, 15, std::numeric_limits<std::int32_t>::min()},
      {"2^31 overflows", 2147483648.0f, kScalePixels, 15, 0},
      {"huge", 3e30f, kScalePixels, 15, 0},
      {"huge negative", -3e30f, kScalePixels, 15, 0},
      {"quotient overflows", 3e30f, kScaleTwips, 1e-20f, 0},
      {"zero twips per pixel", 7710, kScaleTwips, 0, 0},
      {"not a number", std::nanf(""), kScalePixels, 15, 0},
      {"not a number in twips", std::nanf(""), kScaleTwips, 15, 0},
      {"infinite", kInf, kScalePixels, 15, 0},
      {"infinite in twips", -kInf, kScaleTwips, 15, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecodeTrayMessage(c.x, c.scaleMode, c.twipsPerPixel), c.message) << c.name;
  }
}

TEST(TrayNotificationTest, OnlyButtonReleasesAndDoubleClickAct) {
  struct Case {
    std::int32_t message;
    TrayAction action;
  } cases[] = {
      {0x200, TrayAction::None},     // move over the icon
      {0x201, TrayAction::None},     // left press
      {0x202, TrayAction::Restore},  // left release
      {0x203, TrayAction::Restore},  // left double-click
      {0x204, TrayAction::None},     // right press
      {0x205, TrayAction::Popup},    // right release
      {0x206, TrayAction::None},     // right double-click
      {0, TrayAction::None},
      {-514, TrayAction::None},
      {514 + 0x10000, TrayAction::None},
  };
  for (const Case& c : cases) EXPECT_EQ(TrayActionFor(c.message), c.action) << c.message;
}

TEST(TrayNotificationTest, TwipsCoordinateOfARightReleaseOpensTheMenu) {
  EXPECT_EQ(TrayActionFor(DecodeTrayMessage(517 * 15, kScaleTwips, 15)), TrayAction::Popup);
  EXPECT_EQ(TrayActionFor(DecodeTrayMessage(514.5f, kScalePixels, 15)), TrayAction::Restore);
  EXPECT_EQ(TrayActionFor(DecodeTrayMessage(515.5f, kScalePixels, 15)), TrayAction::None);
}

constexpr std::intptr_t PointerAt(int x, int y) { return (y << 16) | x; }
constexpr std::uintptr_t MK_LBUTTON = 0x1;
constexpr std::uintptr_t MK_RBUTTON = 0x2;
constexpr std::uintptr_t MK_SHIFT = 0x4;

TEST(TrayNotificationTest, TellsIconCallbacksFromPointerMoves) {
  struct Case {
    const char* name;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    bool fromIcon;
  } cases[] = {
      {"icon left release", 1, 0x202, true},
      {"icon double-click", 1, 0x203, true},
      {"icon right release", 1, 0x205, true},
      {"icon move", 1, 0x200, true},
      {"icon last mouse message", 1, 0x20E, true},
      {"past the mouse messages", 1, 0x20F, false},
      {"before the mouse messages", 1, 0x1FF, false},
      {"another icon's number", 2, 0x202, false},
      {"pointer at x 514, no keys", 0, PointerAt(514, 0), false},
      {"pointer at x 517 on row 3", 0, PointerAt(517, 3), false},
      {"pointer with left button held", MK_LBUTTON, PointerAt(514, 20), false},
      {"pointer with right button held", MK_RBUTTON, PointerAt(515, 0), false},
      {"pointer with shift held", MK_SHIFT, PointerAt(120, 80), false},
      {"pointer just above the window", 0, static_cast<std::intptr_t>(0xFFFF0202u), false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsTrayNotification(c.wParam, c.lParam), c.fromIcon) << c.name;
}

}  // namespace
}  // namespace hovrel
