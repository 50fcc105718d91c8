// The forms toolkit's portable half: where controls land at any resolution,
// and a menu table as the menus, captions, access keys and shortcuts the
// builder makes from it.
#include <gtest/gtest.h>

#include <tuple>

#include "forms/form_layout.h"
#include "forms/menu_tree.h"
#include "ui/frm_main_description.h"

namespace hovrel {
namespace {

PixelRect Place(CommandId name, int dpi) {
  return ControlRect(kMainForm.controls, *FindControl(kMainForm.controls, name), {dpi, dpi});
}

TEST(FormLayout, ControlsInAFrameAreOffsetByItAndStayFlushWithItAtEveryResolution) {
  // The list: the frame's (120, 0) plus its own (120, 240), 6255 x 2790 twips.
  const PixelRect list = Place(CommandId::lstApp, 96);
  EXPECT_EQ(std::tie(list.left, list.top, list.width, list.height), std::make_tuple(16, 16, 417, 186));
  for (const int dpi : {96, 110, 120, 144, 168, 192}) {
    const PixelRect frame = Place(CommandId::Frame1, dpi), last = Place(CommandId::btnRefresh, dpi);
    EXPECT_EQ(last.left + last.width, frame.left + frame.width) << dpi;
    EXPECT_EQ(Place(CommandId::btnTop, dpi).left, frame.left) << dpi;
  }
  EXPECT_EQ(ClientSize(kMainForm, {96, 120}).height, 308);  // 307.5 rounded
  EXPECT_EQ(FontHeight(kMainForm.font, 144), -17);          // the character's height, not the cell's
}

std::vector<std::string> Captions(const std::vector<MenuNode>& nodes) {
  std::vector<std::string> captions;
  for (const MenuNode& node : nodes) captions.push_back(DisplayCaption(*node.item));
  return captions;
}

TEST(MenuTree, LevelsNestHiddenTitlesBecomePopupsAndShortcutsShowInTheirColumn) {
  const MenuSpec menus[] = {
      {CommandId::mnuFile, 1, "&File"},
      {CommandId::mnuRefresh, 2, "&Refresh List", kEnabled, Shortcut::F5},
      {CommandId::mnuWebs, 2, "Fish && &Chips"},
      {CommandId::mnuNews, 3, "&News"},
      {CommandId::None, 3, kSeparator},
      {CommandId::mnuPopup, 1, "Pop Menu", kInvisible},
      {CommandId::popExit, 2, "E&xit"},
  };
  const MenuTree tree = BuildMenuTree(menus);
  ASSERT_EQ(Captions(tree.bar), std::vector<std::string>{"&File"});
  EXPECT_EQ(Captions(tree.bar[0].children), (std::vector<std::string>{"&Refresh List\tF5", "Fish && &Chips"}));
  EXPECT_EQ(Captions(tree.bar[0].children[1].children), (std::vector<std::string>{"&News", "-"}));
  EXPECT_TRUE(IsSeparator(*tree.bar[0].children[1].children[1].item));
  ASSERT_EQ(tree.popups.size(), 1u);
  EXPECT_EQ(Captions(tree.popups[0].children), std::vector<std::string>{"E&xit"});
  EXPECT_EQ(MenuBarAccessKeys(menus), "f");
  EXPECT_EQ(AccessKey("Fish && &Chips"), 'c');
  EXPECT_EQ(AccessKey("Salt && Pepper"), 0);
  const auto accelerators = Accelerators(menus);
  ASSERT_EQ(accelerators.size(), 1u);
  EXPECT_EQ(std::make_pair(accelerators[0].key, accelerators[0].command), std::make_pair(Shortcut::F5, CommandId::mnuRefresh));
}

}  // namespace
}  // namespace hovrel
