// The main window's tables as the toolkit reads them: where its controls land
// at 144 dpi, where a pixel is 10 twips, and the Help menu's web submenu.
#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <utility>

#include "forms/form_layout.h"
#include "forms/menu_tree.h"
#include "ui/frm_main_description.h"

namespace hovrel {
namespace {

TEST(Forms, AtHighResolutionEdgesAreRoundedAndTheListIsPlacedInsideItsFrame) {
  // The list's right edge, 120 + 120 + 6255 twips, is 649.5 pixels.
  const std::pair<CommandId, std::array<int, 4>> cases[] = {
      {CommandId::lstApp, {24, 24, 626, 279}}, {CommandId::btnTop, {12, 324, 122, 35}}};
  for (const auto& [name, expected] : cases) {
    const PixelRect rect = ControlRect(kMainForm.controls, *FindControl(kMainForm.controls, name), {144, 144});
    EXPECT_EQ((std::array{rect.left, rect.top, rect.width, rect.height}), expected) << static_cast<int>(name);
  }
  const PixelSize client = ClientSize(kMainForm, {144, 144});
  EXPECT_EQ(std::pair(client.width, client.height), std::pair(677, 369));
}

TEST(Forms, TheWebLinksAreASubmenuOfHelp) {
  const MenuTree tree = BuildMenuTree(kMainForm.menus);
  ASSERT_EQ(tree.bar.size(), 3u);
  const std::vector<MenuNode>& help = tree.bar[2].children;  // Read Me, the links, a separator, About
  ASSERT_EQ(help.size(), 4u);
  EXPECT_EQ(help[1].item->name, CommandId::mnuWebs);
  EXPECT_EQ(help[1].children.size(), 9u);
}

}  // namespace
}  // namespace hovrel
