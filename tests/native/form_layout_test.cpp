// Twips to pixels for the main window at several screen resolutions, the
// font size, and the order in which the controls are created.
#include <gtest/gtest.h>

#include <array>

#include "ui/form_layout.h"
#include "ui/frm_main_description.h"

namespace hovrel {
namespace {

PixelRect Place(CommandId name, int dpi) {
  return ControlRect(kMainForm.controls, *FindControl(kMainForm.controls, name), {dpi, dpi});
}

TEST(FormLayout, TwipsRoundToTheNearestPixel) {
  const std::array<int, 3> cases[] = {
      {7, 96, 0}, {8, 96, 1}, {6765, 144, 677}, {3690, 120, 308}, {-120, 96, -8}, {-8, 96, -1},
  };
  for (const auto& [twips, dpi, pixels] : cases) EXPECT_EQ(TwipsToPixels(twips, dpi), pixels) << twips << " at " << dpi;
  const PixelSize client = ClientSize(kMainForm, {96, 120});
  EXPECT_EQ(client.width, 451);
  EXPECT_EQ(client.height, 308);
  EXPECT_EQ(FontHeight(kMainForm.font, 96), -11);
  EXPECT_EQ(FontHeight(kMainForm.font, 144), -17);
}

TEST(FormLayout, ControlsInAFrameAreOffsetByItAndButtonsStayFlushWithIt) {
  const PixelRect list = Place(CommandId::lstApp, 96);
  // Frame (120, 0) plus its own (120, 240), 6255 x 2790 twips.
  EXPECT_EQ(list.left, 16);
  EXPECT_EQ(list.top, 16);
  EXPECT_EQ(list.width, 417);
  EXPECT_EQ(list.height, 186);
  for (const int dpi : {96, 110, 120, 144, 168, 192}) {
    const PixelRect frame = Place(CommandId::Frame1, dpi);
    const PixelRect last = Place(CommandId::btnRefresh, dpi);
    EXPECT_EQ(last.left + last.width, frame.left + frame.width) << dpi;
    EXPECT_EQ(Place(CommandId::btnTop, dpi).left, frame.left) << dpi;
  }
}

TEST(FormLayout, ControlsAreCreatedInTabOrderWithTheImageLast) {
  std::vector<CommandId> order;
  for (const ControlSpec* control : CreationOrder(kMainForm.controls)) order.push_back(control->name);
  const std::vector<CommandId> expected = {
      CommandId::Frame1, CommandId::lstApp,    CommandId::btnTop,     CommandId::btnReset,
      CommandId::btnEnd, CommandId::btnSwitch, CommandId::btnRefresh, CommandId::imgIcon};
  EXPECT_EQ(order, expected);
}

}  // namespace
}  // namespace hovrel
