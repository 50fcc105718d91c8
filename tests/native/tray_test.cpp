// The notification icon's tip, cut to fit its record, and decoding the icon's
// callback from the mouse-move event's X. The whole record is checked where
// the main window adds its icon.
#include <gtest/gtest.h>

#include <tuple>

#include "forms/form_host.h"
#include "tray/tray_icon_data.h"
#include "tray/tray_notification.h"

namespace hovrel {
namespace {

TEST(TrayIconData, TipKeepsItsZeroAndNeverSplitsALetter) {
  // "é" is two bytes; the 64th starts at byte 126 and would end past 127.
  std::string accented;
  for (int i = 0; i < 64; ++i) accented += "é";
  const std::pair<std::string, std::string> cases[] = {  // caption, what stands before the zero
      {"", ""},
      {std::string(127, 'a'), std::string(127, 'a')},
      {std::string(128, 'b'), std::string(127, 'b')},
      {std::string(400, 'c'), std::string(127, 'c')},
      {accented, accented.substr(0, 126)},
  };
  for (const auto& [caption, text] : cases) {
    const TrayRecord record = PackTrayIconData(FillTrayIconData(1, 2, caption));
    std::string expected = text + '\0';
    expected.resize(128, ' ');
    EXPECT_EQ(std::string(record.begin() + 24, record.end()), expected) << caption.size() << " bytes";
  }
}

TEST(TrayNotification, DecodesXBackIntoTheMessageNumberRoundingHalfToEven) {
  const std::tuple<const char*, float, int, float, std::int32_t> cases[] = {  // name, x, scale, twips/pixel, message
      {"pixels ignore twips per pixel", 517, kScalePixels, 0, 517},
      {"twips at 120 dpi", 517 * 12, kScaleTwips, 12, 517},
      {"half down to even", 514.5f, kScalePixels, 15, 514},
      {"twips half up to even", 515.5f * 15, kScaleTwips, 15, 516},
      {"past 32 bits", 2147483648.0f, kScalePixels, 15, 0},
  };
  for (const auto& [name, x, scaleMode, twipsPerPixel, message] : cases)
    EXPECT_EQ(DecodeTrayMessage(x, scaleMode, twipsPerPixel), message) << name;
}

}  // namespace
}  // namespace hovrel
