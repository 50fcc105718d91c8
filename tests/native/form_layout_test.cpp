// Twips to pixels for the main window at several screen resolutions, the
// font size, the order in which the controls are created, and a menu table
// as the menus the window system gets: bar, hidden popup, submenus, captions
// with shortcuts, accelerators and access keys.
#include <gtest/gtest.h>

#include <array>

#include "ui/form_layout.h"
#include "ui/frm_main_description.h"
#include "ui/menu_tree.h"

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

std::vector<std::string> Captions(const std::vector<MenuNode>& nodes) {
  std::vector<std::string> captions;
  for (const MenuNode& node : nodes) captions.push_back(DisplayCaption(*node.item));
  return captions;
}

TEST(MenuTree, LevelsNestAndHiddenTitlesBecomePopups) {
  const MenuSpec menus[] = {
      {CommandId::mnuTop, 2, "Orphan before any title"},
      {CommandId::mnuFile, 1, "&File"},
      {CommandId::mnuRefresh, 2, "&Refresh List", kEnabled, Shortcut::F5},
      {CommandId::mnuHome, 4, "Skips a level"},
      {CommandId::mnuWebs, 2, "&Web"},
      {CommandId::mnuNews, 3, "&News"},
      {CommandId::None, 3, kSeparator},
      {CommandId::mnuPopup, 1, "Pop Menu", kInvisible},
      {CommandId::popExit, 2, "E&xit"},
  };
  const MenuTree tree = BuildMenuTree(menus);
  EXPECT_EQ(Captions(tree.bar), std::vector<std::string>{"&File"});
  EXPECT_EQ(Captions(tree.bar[0].children), (std::vector<std::string>{"&Refresh List\tF5", "&Web"}));
  EXPECT_EQ(Captions(tree.bar[0].children[0].children), std::vector<std::string>{"Skips a level"});
  EXPECT_EQ(Captions(tree.bar[0].children[1].children), (std::vector<std::string>{"&News", "-"}));
  EXPECT_TRUE(IsSeparator(*tree.bar[0].children[1].children[1].item));
  ASSERT_EQ(tree.popups.size(), 1u);
  EXPECT_EQ(Captions(tree.popups[0].children), std::vector<std::string>{"E&xit"});
  EXPECT_EQ(MenuBarAccessKeys(menus), "f");
  const auto accelerators = Accelerators(menus);
  ASSERT_EQ(accelerators.size(), 1u);
  EXPECT_EQ(accelerators[0].key, Shortcut::F5);
  EXPECT_EQ(accelerators[0].command, CommandId::mnuRefresh);
}

TEST(MenuTree, AccessKeyIsTheLetterAfterASingleAmpersand) {
  const std::pair<const char*, char> cases[] = {
      {"&File", 'f'},        {"A&lways on Top", 'l'}, {"Fish && &Chips", 'c'},
      {"Salt && Pepper", 0}, {"Trailing&", 0},        {"", 0},
  };
  for (const auto& [caption, key] : cases) EXPECT_EQ(AccessKey(caption), key) << caption;
}

}  // namespace
}  // namespace hovrel
