// A menu table as the menus the window system gets: the bar, the hidden
// popup, submenus, captions with shortcuts, accelerators and access keys.
#include <gtest/gtest.h>

#include "ui/menu_tree.h"

namespace hovrel {
namespace {

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
