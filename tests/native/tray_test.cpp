// The notification icon's record byte for byte, its registration against the
// recording shell, and decoding its callback from the mouse-move event's X.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <tuple>

#include "sim/fake_shell.h"
#include "tray/tray_icon.h"
#include "tray/tray_icon_data.h"
#include "tray/tray_notification.h"
#include "forms/form_host.h"

namespace hovrel {
namespace {

TEST(TrayIconDataTest, PacksTheMainWindowsRecordByteForByte) {
  const TrayRecord record = PackTrayIconData(FillTrayIconData(0x0004A1B2, 0x1C0FFEE5, "Quarrow Hovrel"));
  std::vector<std::uint8_t> expected = {
      0x98, 0x00, 0x00, 0x00,  // cbSize 152
      0xB2, 0xA1, 0x04, 0x00,  // hWnd
      0x01, 0x00, 0x00, 0x00,  // uID 1
      0x07, 0x00, 0x00, 0x00,  // uFlags: message, icon, tip
      0x00, 0x02, 0x00, 0x00,  // uCallbackMessage 0x200
      0xE5, 0xFE, 0x0F, 0x1C,  // hIcon
      'Q', 'u', 'a', 'r', 'r', 'o', 'w', ' ', 'H', 'o', 'v', 'r', 'e', 'l', 0,
  };
  expected.resize(152, ' ');
  EXPECT_EQ(std::vector<std::uint8_t>(record.begin(), record.end()), expected);
}

TEST(TrayIconDataTest, TipKeepsItsZeroAndNeverSplitsALetter) {
  // "é" is two bytes; the 64th starts at byte 126 and would end past 127.
  std::string accented;
  for (int i = 0; i < 64; ++i) accented += "\xC3\xA9";
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

TEST(TrayIconTest, EachLifeHandsTheSameRecordToTheShellAndDeletesOnce) {
  // Whether the shell takes the icon; the steps (Add, Delete, Taskbar recreated),
  // adds taken, icon shown all the same, the steps after which the icon
  // ends; what the shell was asked; present before the end.
  const std::tuple<bool, bool, std::string, std::string, bool> cases[] = {
      {true, false, "", "", false},
      {true, false, "T", "", false},
      {true, false, "A", "AD", true},
      {true, false, "AD", "AD", false},
      {true, false, "ADT", "AD", false},
      {true, false, "AT", "AAD", true},
      // The shell may still show an icon it refused, so it is deleted too.
      {false, false, "A", "AMD", false},
      {false, false, "AT", "AMAMD", false},
      // An add refused because the shell has the icon already.
      {false, true, "AT", "AMAMD", true},
  };
  const TrayIconData data = FillTrayIconData(0x2A, 0x51, "Quarrow Hovrel");
  for (const auto& [shellTakes, shownAnyway, steps, asked, presentBeforeEnd] : cases) {
    sim::FakeShell shell;
    shell.notifyAnswer = shellTakes;
    shell.iconShown = shownAnyway;
    std::optional<TrayIcon> icon{std::in_place, shell, data};
    for (const char step : steps) {
      if (step == 'A') icon->Add();
      if (step == 'D') icon->Delete();
      if (step == 'T') icon->OnTaskbarCreated();
    }
    const std::string name = steps + (shellTakes ? "" : " refused");
    EXPECT_EQ(icon->Present(), presentBeforeEnd) << name;
    icon.reset();
    std::string requests;
    for (const auto& call : shell.notifyCalls) {
      requests += "AMD?"[std::min(call.message, 3u)];
      EXPECT_EQ(call.record, PackTrayIconData(data)) << name;
    }
    EXPECT_EQ(requests, asked) << name;
  }
}

TEST(TrayNotificationTest, DecodesXBackIntoTheMessageNumber) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  const std::tuple<const char*, float, int, float, std::int32_t> cases[] = {  // name, x, scale, twips/pixel, message
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
  for (const auto& [name, x, scaleMode, twipsPerPixel, message] : cases)
    EXPECT_EQ(DecodeTrayMessage(x, scaleMode, twipsPerPixel), message) << name;
}

}  // namespace
}  // namespace hovrel
