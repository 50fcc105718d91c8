// The main window's menu table as the menus the window system gets: the bar,
// the hidden popup, submenus, captions with shortcuts and access keys.
#include <gtest/gtest.h>

#include "ui/frm_main_description.h"
#include "ui/menu_tree.h"

namespace hovrel {
namespace {

std::vector<std::string> Captions(const std::vector<MenuNode>& nodes) {
  std::vector<std::string> captions;
  for (const MenuNode& node : nodes) captions.emplace_back(node.item->caption);
  return captions;
}

TEST(MenuTree, MainMenusSplitIntoBarAndHiddenPopup) {
  const MenuTree tree = BuildMenuTree(kMainForm.menus);
  EXPECT_EQ(Captions(tree.bar), (std::vector<std::string>{"&File", "&View", "&Help"}));
  ASSERT_EQ(tree.popups.size(), 1u);
  EXPECT_EQ(tree.popups[0].item->name, CommandId::mnuPopup);
  EXPECT_EQ(Captions(tree.popups[0].children), (std::vector<std::string>{"Re&store", "-", "E&xit"}));

  const MenuNode& help = tree.bar[2];
  EXPECT_EQ(Captions(help.children),
            (std::vector<std::string>{"&Read Me", "Quarrow Team on the &Web", "-", "&About Quarrow Hovrel"}));
  const MenuNode& webs = help.children[1];
  EXPECT_EQ(webs.children.size(), 9u);
  EXPECT_EQ(webs.children.back().item->name, CommandId::mnuHomePage);
  EXPECT_TRUE(IsSeparator(*webs.children[3].item));
}

TEST(MenuTree, MalformedLevelsStayInsideTheirMenu) {
  const MenuSpec menus[] = {
      {CommandId::mnuTop, 2, "Orphan before any title"},
      {CommandId::mnuFile, 1, "&File"},
      {CommandId::mnuHome, 3, "Skips a level"},
      {CommandId::mnuView, 1, "&View"},
  };
  const MenuTree tree = BuildMenuTree(menus);
  EXPECT_EQ(Captions(tree.bar), (std::vector<std::string>{"&File", "&View"}));
  EXPECT_EQ(Captions(tree.bar[0].children), (std::vector<std::string>{"Skips a level"}));
  EXPECT_TRUE(tree.popups.empty());
}

TEST(MenuTree, ShortcutsShowBesideTheirCaptionsAndBecomeAccelerators) {
  const MenuSpec* refresh = nullptr;
  const MenuSpec* readMe = nullptr;
  const MenuSpec* exit = nullptr;
  for (const MenuSpec& item : kMainForm.menus) {
    if (item.name == CommandId::mnuRefresh) refresh = &item;
    if (item.name == CommandId::mnuReadMe) readMe = &item;
    if (item.name == CommandId::mnuExit) exit = &item;
  }
  EXPECT_EQ(DisplayCaption(*refresh), "&Refresh List\tF5");
  EXPECT_EQ(DisplayCaption(*readMe), "&Read Me\tF1");
  EXPECT_EQ(DisplayCaption(*exit), "E&xit");

  const auto accelerators = Accelerators(kMainForm.menus);
  ASSERT_EQ(accelerators.size(), 2u);
  EXPECT_EQ(accelerators[0].key, Shortcut::F5);
  EXPECT_EQ(accelerators[0].command, CommandId::mnuRefresh);
  EXPECT_EQ(accelerators[1].key, Shortcut::F1);
  EXPECT_EQ(accelerators[1].command, CommandId::mnuReadMe);
}

TEST(MenuTree, AccessKeyIsTheLetterAfterASingleAmpersand) {
  struct Case {
    const char* caption;
    char key;
  };
  const Case cases[] = {
      {"&File", 'f'},       {"Re&fresh", 'f'}, {"A&lways on Top", 'l'}, {"Fish && &Chips", 'c'},
      {"Salt && Pepper", 0}, {"Trailing&", 0},  {"", 0},                 {"No key", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(AccessKey(c.caption), c.key) << c.caption;
}

TEST(MenuTree, OnlyVisibleBarTitlesClaimAccessKeys) {
  EXPECT_EQ(MenuBarAccessKeys(kMainForm.menus), "fvh");
  const MenuSpec menus[] = {
      {CommandId::mnuFile, 1, "&File"},
      {CommandId::mnuTop, 2, "&Top"},
      {CommandId::mnuPopup, 1, "&Popup", kInvisible},
  };
  EXPECT_EQ(MenuBarAccessKeys(menus), "f");
}

}  // namespace
}  // namespace hovrel
