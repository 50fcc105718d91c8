// The forms toolkit's portable half: twips to pixels at any resolution, and
// a menu table as the tree, captions, access keys and shortcuts the builder
// makes from it.
#include <gtest/gtest.h>

#include <array>

#include "forms/form_layout.h"
#include "forms/menu_tree.h"
#include "ui/frm_main_description.h"

namespace hovrel {
namespace {

PixelRect Place(CommandId name, int dpi) {
  return ControlRect(kMainForm.controls, *FindControl(kMainForm.controls, name), {dpi, dpi});
}

TEST(FormLayout, TwipsRoundToTheNearestPixelAndControlsInAFrameStayFlushWithIt) {
  const std::array<int, 3> cases[] = {{7, 96, 0}, {8, 96, 1}, {6765, 144, 677}, {-120, 96, -8}, {-8, 96, -1}};
  for (const auto& [twips, dpi, pixels] : cases) EXPECT_EQ(TwipsToPixels(twips, dpi), pixels) << twips << " at " << dpi;
  EXPECT_EQ(ClientSize(kMainForm, {96, 120}).height, 308);
  EXPECT_EQ(FontHeight(kMainForm.font, 144), -17);
  // The list: the frame's (120, 0) plus its own (120, 240), 6255 x 2790 twips.
  const PixelRect list = Place(CommandId::lstApp, 96);
  EXPECT_EQ(std::tie(list.left, list.top, list.width, list.height), std::make_tuple(16, 16, 417, 186));
  for (const int dpi : {96, 110, 120, 144, 168, 192}) {
    const PixelRect frame = Place(CommandId::Frame1, dpi);
    const PixelRect last = Place(CommandId::btnRefresh, dpi);
    EXPECT_EQ(last.left + last.width, frame.left + frame.width) << dpi;
    EXPECT_EQ(Place(CommandId::btnTop, dpi).left, frame.left) << dpi;
  }
}

std::vector<std::string> Captions(const std::vector<MenuNode>& nodes) {
  std::vector<std::string> captions;
  for (const MenuNode& node : nodes) captions.push_back(DisplayCaption(*node.item));
  return captions;
}

TEST(MenuTree, LevelsNestHiddenTitlesBecomePopupsAndShortcutsShowInTheirColumn) {
  const MenuSpec menus[] = {
      {CommandId::mnuTop, 2, "Orphan before any title"},
      {CommandId::mnuFile, 1, "&File"},
      {CommandId::mnuRefresh, 2, "&Refresh List", kEnabled, Shortcut::F5},
      {CommandId::mnuHome, 4, "Skips a level"},
      {CommandId::mnuWebs, 2, "Fish && &Chips"},
      {CommandId::mnuNews, 3, "&News"},
      {CommandId::None, 3, kSeparator},
      {CommandId::mnuPopup, 1, "Pop Menu", kInvisible},
      {CommandId::popExit, 2, "E&xit"},
  };
  const MenuTree tree = BuildMenuTree(menus);
  EXPECT_EQ(Captions(tree.bar), std::vector<std::string>{"&File"});
  EXPECT_EQ(Captions(tree.bar[0].children), (std::vector<std::string>{"&Refresh List\tF5", "Fish && &Chips"}));
  EXPECT_EQ(Captions(tree.bar[0].children[0].children), std::vector<std::string>{"Skips a level"});
  EXPECT_EQ(Captions(tree.bar[0].children[1].children), (std::vector<std::string>{"&News", "-"}));
  EXPECT_TRUE(IsSeparator(*tree.bar[0].children[1].children[1].item));
  ASSERT_EQ(tree.popups.size(), 1u);
  EXPECT_EQ(Captions(tree.popups[0].children), std::vector<std::string>{"E&xit"});
  EXPECT_EQ(MenuBarAccessKeys(menus), "f");
  const auto accelerators = Accelerators(menus);
  ASSERT_EQ(accelerators.size(), 1u);
  EXPECT_EQ(std::make_pair(accelerators[0].key, accelerators[0].command), std::make_pair(Shortcut::F5, CommandId::mnuRefresh));
  const std::pair<const char*, char> keys[] = {
      {"A&lways on Top", 'l'}, {"Fish && &Chips", 'c'}, {"Salt && Pepper", 0}, {"Trailing&", 0}, {"", 0}};
  for (const auto& [caption, key] : keys) EXPECT_EQ(AccessKey(caption), key) << caption;
}

}  // namespace
}  // namespace hovrel
