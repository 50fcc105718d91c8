// Decoding the icon's callback as the main window's mouse-move handler does:
// the event's X back into a message number, and the number into an action.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tray/tray_notification.h"
#include "ui/form_host.h"

namespace hovrel {
namespace {

TEST(TrayNotificationTest, DecodesXBackIntoTheMessageNumber) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  struct Case {
    const char* name;
    float x;
    int scaleMode;
    float twipsPerPixel;
    std::int32_t message;
  } cases[] = {
      {"pixels ignore twips per pixel", 517, kScalePixels, 0, 517},
      {"twips at 120 dpi", 517 * 12, kScaleTwips, 12, 517},
      {"user scale divides too", 515 * 15, 0, 15, 515},
      {"half down to even", 514.5f, kScalePixels, 15, 514},
      {"half up to even", 515.5f, kScalePixels, 15, 516},
      {"twips half up to even", 515.5f * 15, kScaleTwips, 15, 516},
      {"largest float below 2^31", 2147483520.0f, kScalePixels, 15, 2147483520},
      {"lowest 32-bit number", -2147483648.0f, kScalePixels, 15, std::numeric_limits<std::int32_t>::min()},
      {"2^31 overflows", 2147483648.0f, kScalePixels, 15, 0},
      {"quotient overflows", 3e30f, kScaleTwips, 1e-20f, 0},
      {"zero twips per pixel", 7710, kScaleTwips, 0, 0},
      {"not a number", std::nanf(""), kScaleTwips, 15, 0},
      {"infinite", kInf, kScalePixels, 15, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeTrayMessage(c.x, c.scaleMode, c.twipsPerPixel), c.message) << c.name;
}

TEST(TrayNotificationTest, OnlyButtonReleasesAndDoubleClickAct) {
  const std::pair<std::int32_t, TrayAction> cases[] = {
      {0x200, TrayAction::None},  {0x201, TrayAction::None},    {0x202, TrayAction::Restore},
      {0x203, TrayAction::Restore}, {0x204, TrayAction::None},  {0x205, TrayAction::Popup},
      {0x206, TrayAction::None},  {514 + 0x10000, TrayAction::None},
  };
  for (const auto& [message, action] : cases) EXPECT_EQ(TrayActionFor(message), action) << message;
}

}  // namespace
}  // namespace hovrel
