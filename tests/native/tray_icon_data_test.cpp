// The notification-icon record: its fields and the exact bytes handed to the
// shell, and how captions of every length fit the 128-byte tip.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tray/tray_icon_data.h"

namespace hovrel {
namespace {

std::string TipOf(const TrayRecord& record) { return std::string(record.begin() + 24, record.end()); }

TEST(TrayIconDataTest, PacksTheMainWindowsRecordByteForByte) {
  const TrayRecord record = PackTrayIconData(FillTrayIconData(0x0004A1B2, 0x1C0FFEE5, "Quarrow Hovrel"));

  std::vector<std::uint8_t> expected = {
      0x98, 0x00, 0x00, 0x00,  // cbSize 152
      0xB2, 0xA1, 0x04, 0x00,  // hWnd
      0x01, 0x00, 0x00, 0x00,  // uID 1
      0x07, 0x00, 0x00, 0x00,  // uFlags: message, icon, tip
      0x00, 0x02, 0x00, 0x00,  // uCallbackMessage 0x200
      0xE5, 0xFE, 0x0F, 0x1C,  // hIcon
  };
  const std::string caption = "Quarrow Hovrel";
  expected.insert(expected.end(), caption.begin(), caption.end());
  expected.push_back(0);
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
      {"short", "Quarrow Hovrel", "Quarrow Hovrel"},
      {"fills all but the zero", ascii127, ascii127},
      {"one too long", std::string(128, 'b'), std::string(127, 'b')},
      {"far too long", std::string(400, 'c'), std::string(127, 'c')},
      {"two-byte letter at the cut", accented, accented.substr(0, 126)},
      {"non-ASCII short", "Fenster \xE2\x80\x93 Gr\xC3\xB6\xC3\x9F" "e", "Fenster \xE2\x80\x93 Gr\xC3\xB6\xC3\x9F" "e"},
  };
  for (const Case& c : cases) {
    const std::string tip = TipOf(PackTrayIconData(FillTrayIconData(1, 2, c.caption)));
    ASSERT_EQ(tip.size(), 128u) << c.name;
    EXPECT_EQ(tip.substr(0, c.text.size()), c.text) << c.name;
    EXPECT_EQ(tip[c.text.size()], '\0') << c.name;
    EXPECT_EQ(std::count(tip.begin(), tip.end(), '\0'), 1) << c.name;
    EXPECT_EQ(tip.find_first_not_of(' ', c.text.size() + 1), std::string::npos) << c.name;
  }
}

TEST(TrayIconDataTest, PackingAddsNoTerminatorOfItsOwn) {
  TrayIconData data;
  data.szTip.fill('x');
  const std::string tip = TipOf(PackTrayIconData(data));
  EXPECT_EQ(tip, std::string(128, 'x'));
}

}  // namespace
}  // namespace hovrel
