// The notification-icon record: the exact bytes handed to the shell, and how
// captions of every length fit the 128-byte tip.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tray/tray_icon_data.h"

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
  const std::string ascii127(127, 'a');
  // "é" is two bytes; the 64th starts at byte 126 and would end past 127.
  std::string accented;
  for (int i = 0; i < 64; ++i) accented += "\xC3\xA9";
  struct Case {
    const char* name;
    std::string caption;
    std::string text;  // what stands before the zero
  } cases[] = {
      {"empty", "", ""},
      {"fills all but the zero", ascii127, ascii127},
      {"one too long", std::string(128, 'b'), std::string(127, 'b')},
      {"far too long", std::string(400, 'c'), std::string(127, 'c')},
      {"two-byte letter at the cut", accented, accented.substr(0, 126)},
  };
  for (const Case& c : cases) {
    const TrayRecord record = PackTrayIconData(FillTrayIconData(1, 2, c.caption));
    const std::string tip(record.begin() + 24, record.end());
    std::string expected = c.text + '\0';
    expected.resize(128, ' ');
    EXPECT_EQ(tip, expected) << c.name;
  }
}

}  // namespace
}  // namespace hovrel
