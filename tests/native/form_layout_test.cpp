// Twips to pixels for the main window at several screen resolutions, the
// font size, and the order in which the controls are created.
#include <gtest/gtest.h>

#include <array>

#include "ui/form_layout.h"
#include "ui/frm_main_description.h"

namespace hovrel {
namespace {

const ControlSpec& Control(CommandId name) { return *FindControl(kMainForm.controls, name); }

TEST(FormLayout, TwipsRoundToTheNearestPixel) {
  struct Case {
    int twips, dpi, pixels;
  };
  const Case cases[] = {
      {6765, 96, 451}, {3690, 96, 246}, {15, 96, 1},    {7, 96, 0},     {8, 96, 1},
      {6765, 144, 677}, {3690, 120, 308}, {-120, 96, -8}, {-8, 96, -1}, {0, 192, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi;
}

TEST(FormLayout, MainWindowClientAreaAtCommonResolutions) {
  struct Case {
    Dpi dpi;
    PixelSize size;
  };
  const Case cases[] = {
      {{96, 96}, {451, 246}}, {{120, 120}, {564, 308}}, {{144, 144}, {677, 369}}, {{96, 120}, {451, 308}}};
  for (const Case& c : cases) {
    const PixelSize size = ClientSize(kMainForm, c.dpi);
    EXPECT_EQ(size.width, c.size.width) << c.dpi.x;
    EXPECT_EQ(size.height, c.size.height) << c.dpi.y;
  }
}

TEST(FormLayout, ListIsPlacedInsideItsFrame) {
  const PixelRect list = ControlRect(kMainForm.controls, Control(CommandId::lstApp), {96, 96});
  // Frame (120, 0) plus its own (120, 240), 6255 x 2790 twips.
  EXPECT_EQ(list.left, 16);
  EXPECT_EQ(list.top, 16);
  EXPECT_EQ(list.width, 417);
  EXPECT_EQ(list.height, 186);
}

TEST(FormLayout, ButtonRowStaysFlushWithTheFrameAtEveryResolution) {
  for (const int dpi : {96, 110, 120, 144, 168, 192}) {
    const PixelRect frame = ControlRect(kMainForm.controls, Control(CommandId::Frame1), {dpi, dpi});
    const PixelRect last = ControlRect(kMainForm.controls, Control(CommandId::btnRefresh), {dpi, dpi});
    const PixelRect first = ControlRect(kMainForm.controls, Control(CommandId::btnTop), {dpi, dpi});
    EXPECT_EQ(last.left + last.width, frame.left + frame.width) << dpi;
    EXPECT_EQ(first.left, frame.left) << dpi;
    EXPECT_EQ(first.top, last.top) << dpi;
  }
}

TEST(FormLayout, FrameNestingThatLoopsStillEnds) {
  const std::array<ControlSpec, 2> loop = {{
      {1, CommandId::Frame1, ControlKind::Frame, "", 10, 10, 100, 100, 0, kNoOption, CommandId::lstApp},
      {2, CommandId::lstApp, ControlKind::Frame, "", 20, 20, 50, 50, 1, kNoOption, CommandId::Frame1},
  }};
  const PixelRect rect = ControlRect(loop, loop[1], {1440, 1440});
  EXPECT_GE(rect.left, 20);
}

TEST(FormLayout, FontHeightOfEightAndAQuarterPoints) {
  struct Case {
    int dpi, height;
  };
  const Case cases[] = {{96, -11}, {120, -14}, {144, -17}, {192, -22}};
  for (const Case& c : cases) EXPECT_EQ(FontHeight(kMainForm.font, c.dpi), c.height) << c.dpi;
}

TEST(FormLayout, ControlsAreCreatedInTabOrderWithTheImageLast) {
  std::vector<CommandId> order;
  for (const ControlSpec* control : CreationOrder(kMainForm.controls)) order.push_back(control->name);
  const std::vector<CommandId> expected = {
      CommandId::Frame1,  CommandId::lstApp,    CommandId::btnTop,     CommandId::btnReset,
      CommandId::btnEnd,  CommandId::btnSwitch, CommandId::btnRefresh, CommandId::imgIcon};
  EXPECT_EQ(order, expected);
}

}  // namespace
}  // namespace hovrel
