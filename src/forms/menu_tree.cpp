// The menu table as a tree; see menu_tree.h.
#include "forms/menu_tree.h"

#include <cctype>

namespace hovrel {
namespace {

struct ShortcutName {
  Shortcut key;
  std::string_view text;
};

constexpr ShortcutName kShortcutNames[] = {
    {Shortcut::F1, "F1"},
    {Shortcut::F5, "F5"},
};

std::string_view NameOf(Shortcut key) {
  for (const auto& name : kShortcutNames)
    if (name.key == key) return name.text;
  return {};
}

bool IsInBar(const MenuSpec& title) { return (title.state & kInvisible) == 0; }

}  // namespace

bool IsSeparator(const MenuSpec& item) { return item.caption == kSeparator; }

MenuTree BuildMenuTree(std::span<const MenuSpec> menus) {
  MenuTree tree;
  std::vector<MenuNode>* topLevel = nullptr;
  for (const MenuSpec& item : menus) {
    if (item.level <= 1) {
      topLevel = IsInBar(item) ? &tree.bar : &tree.popups;
      topLevel->push_back({&item, {}});
      continue;
    }
    // Items before the first title have no menu to go into.
    if (topLevel == nullptr) continue;
    // Walk down the last branch to the item's parent; a level that skips
    // one lands under the deepest menu there is.
    MenuNode* parent = &topLevel->back();
    for (int level = 2; level < item.level && !parent->children.empty(); ++level)
      parent = &parent->children.back();
    parent->children.push_back({&item, {}});
  }
  return tree;
}

std::string DisplayCaption(const MenuSpec& item) {
  std::string caption(item.caption);
  const std::string_view key = NameOf(item.shortcut);
  if (!key.empty()) caption.append("\t").append(key);
  return caption;
}

char AccessKey(std::string_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
  }
  return 0;
}

std::string MenuBarAccessKeys(std::span<const MenuSpec> menus) {
  std::string keys;
  for (const MenuSpec& item : menus)
    if (item.level == 1 && IsInBar(item))
      if (const char key = AccessKey(item.caption)) keys.push_back(key);
  return keys;
}

std::vector<Accelerator> Accelerators(std::span<const MenuSpec> menus) {
  std::vector<Accelerator> accelerators;
  for (const MenuSpec& item : menus)
    if (item.shortcut != Shortcut::None) accelerators.push_back({item.shortcut, item.name});
  return accelerators;
}

}  // namespace hovrel
