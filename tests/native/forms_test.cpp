// The main window's tables as the toolkit reads them: where its controls land
// at 144 dpi, where a pixel is 10 twips, and the Help menu's web submenu; and
// which icon a row of windows asks its window for, and which opacity it shows.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <tuple>
#include <utility>

#include "forms/form_layout.h"
#include "forms/menu_tree.h"
#include "forms/row_icon.h"
#include "forms/row_opacity.h"
#include "sim/simulated_desktop.h"
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

TEST(Forms, ARowAsksForTheIconOfItsSizeFirstAndNeverWaitsOnAHungWindow) {
  using Icons = std::map<std::intptr_t, std::uint32_t>;  // by WM_GETICON kind (0 small, 1 big, 2 small2), by GCLP_ index
  using sim::CloseAnswer;
  const std::tuple<const char*, int, CloseAnswer, Icons, std::uint32_t, int> cases[] = {
      // the window, the cell's pixels, how it answers, its icons, the icon shown, the requests it had
      {"small2 first", 16, CloseAnswer::Closes, {{0, 10}, {1, 11}, {2, 12}}, 12, 1},
      {"then its class's small", 16, CloseAnswer::Closes, {{1, 11}, {-34, 20}, {-14, 21}}, 20, 2},
      {"big first, cell 24", 24, CloseAnswer::Closes, {{0, 10}, {1, 11}, {2, 12}}, 11, 1},
      {"small without a big", 24, CloseAnswer::Closes, {{0, 10}, {-34, 20}}, 10, 3},
      {"hung", 24, CloseAnswer::Hangs, {{1, 11}, {-34, 20}}, 20, 1},
  };
  for (const auto& [name, size, answer, icons, shown, requests] : cases) {
    sim::SimulatedDesktop desktop;
    const Hwnd window = desktop.Add({"window", sim::kFramedStyle, answer, sim::kNotPlaced, "Sim", false, icons});
    EXPECT_EQ(RowIcon(desktop, window, size), shown) << name;
    EXPECT_EQ(desktop.Sent(window, 0x7F), requests) << name;  // WM_GETICON
    EXPECT_FALSE(desktop.froze) << name;
  }
}

TEST(Forms, ARowShowsTheOpacityOfAWindowSeenThroughByItsAlphaOnly) {
  const std::tuple<std::uint32_t, sim::Layered, std::string> cases[] = {  // extended style, layered attributes, figure
      {0, {}, ""}, {WS_EX_LAYERED, {}, ""}, {WS_EX_LAYERED, {{0, 255, LWA_ALPHA}}, ""}, {WS_EX_LAYERED, {{0, 153, LWA_ALPHA}}, "60%"},
      {WS_EX_LAYERED, {{0, 173, LWA_ALPHA}}, "68%"}, {WS_EX_LAYERED, {{0xFF, 0, LWA_COLORKEY}}, ""}};
  for (const auto& [exStyle, layered, figure] : cases) {
    sim::SimulatedDesktop desktop;
    const Hwnd hwnd = desktop.Add({.title = "", .exStyle = exStyle, .layered = layered});
    EXPECT_EQ(OpacityFigure(WindowOpacity(desktop, hwnd, exStyle)), figure) << figure;
  }
}

}  // namespace
}  // namespace hovrel
