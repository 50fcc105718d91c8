// Turns a flat menu table (level 1, 2, 3 rows) into the menus the window
// system builds: the menu bar and the hidden top-level menus that are only
// opened as popups. Also the captions as shown, the access keys and the
// function-key shortcuts. Used by the window builder and the headless forms.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "forms/form_description.h"

namespace hovrel {

struct MenuNode {
  const MenuSpec* item;
  std::vector<MenuNode> children;
};

struct MenuTree {
  std::vector<MenuNode> bar;
  // Level-1 menus that are not visible: never in the bar, opened as popups.
  std::vector<MenuNode> popups;
};

MenuTree BuildMenuTree(std::span<const MenuSpec> menus);

bool IsSeparator(const MenuSpec& item);

// The caption with its shortcut after a tab ("&Refresh List\tF5"), which is
// how a menu shows a shortcut in a right-aligned column.
std::string DisplayCaption(const MenuSpec& item);

// The lower-case access key that '&' marks in a caption ("&&" is a plain
// ampersand), or 0 when there is none.
char AccessKey(std::string_view caption);

// The access keys of the visible menu-bar titles.
std::string MenuBarAccessKeys(std::span<const MenuSpec> menus);

struct Accelerator {
  Shortcut key;
  CommandId command;
};

std::vector<Accelerator> Accelerators(std::span<const MenuSpec> menus);

}  // namespace hovrel
