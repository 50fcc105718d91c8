// The plain types in which a window is described as data: the window itself,
// its controls and its menu tree, with positions and sizes in twips. The
// tables of each form use them; the window builder (forms/win32/) and the
// headless forms of the tests read them.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace hovrel {

// The number of a control or menu item. The program names the values
// (ui/command_id.h); the toolkit only hands them on, and 0 means none.
enum class CommandId : unsigned short;
inline constexpr CommandId kNoCommand{};

inline constexpr int kTwipsPerInch = 1440;

enum class BorderStyle { FixedSingle, FixedDialog };

enum class ControlKind { CommandButton, Frame, ListBox, Image, Label, TextField };

// What the last column of a control table says about a control.
enum ControlOption : std::uint32_t {
  kNoOption = 0,
  kDefaultButton = 1u << 0,
  kHidden = 1u << 1,
  kSorted = 1u << 2,
  kBold = 1u << 3,
  kLinkLook = 1u << 4,  // blue, underlined, arrow pointer, no tab stop
  // A list whose item data are window handles: each row shows its window's
  // small icon and, while the window is in the topmost band, a pin mark.
  kWindowRows = 1u << 5,
};

inline constexpr int kNoTabIndex = -1;

struct ControlSpec {
  int index;
  CommandId name;
  ControlKind kind;
  std::string_view caption;
  int left, top, width, height;  // twips, relative to the container
  int tabIndex;
  std::uint32_t options;
  CommandId container = kNoCommand;  // none: the form itself
  int picture = 0;                        // icon resource of an image, 0 for none
};

// Function keys carry their virtual-key codes, so the builder can hand them
// to the accelerator table unchanged.
enum class Shortcut : std::uint8_t { None = 0, F1 = 0x70, F5 = 0x74 };

enum MenuState : std::uint32_t {
  kEnabled = 0,
  kChecked = 1u << 0,
  kInvisible = 1u << 1,
};

inline constexpr std::string_view kSeparator = "-";

struct MenuSpec {
  CommandId name;  // None for separators
  int level;       // 1 = menu-bar title, 2 = its item, 3 = item of a submenu
  std::string_view caption;
  std::uint32_t state = kEnabled;
  Shortcut shortcut = Shortcut::None;
};

// The modifier keys carry the window system's MOD_ values, so the builder can
// hand them on unchanged.
enum ShortcutModifier : std::uint32_t {
  kAltKey = 0x1,
  kControlKey = 0x2,
  kShiftKey = 0x4,
  kWinKey = 0x8,
};

// A shortcut that reaches the form whichever window is in front, for as long
// as the form exists; it raises Command(name) as a menu item's shortcut does.
// If another program holds those keys already, the form goes without it.
// Two rows may raise one command, from two keys.
struct GlobalShortcut {
  CommandId name;
  std::uint32_t modifiers;  // ShortcutModifier bits
  std::uint8_t key;         // a virtual-key code; an upper-case letter or a digit is its own
};

// A key that raises Command(name) while the list `list` has the focus, with
// exactly these modifiers held.
struct ListShortcut {
  CommandId list;
  std::uint32_t modifiers;  // ShortcutModifier bits
  std::uint8_t key;         // a virtual-key code
  CommandId name;
};

struct FontSpec {
  std::string_view face;
  int hundredthsOfPoint;  // 825 for 8.25 pt
};

struct FormDescription {
  std::string_view caption;
  BorderStyle border;
  bool minButton;
  bool showInTaskbar;
  int clientWidth, clientHeight;  // twips
  FontSpec font;
  int icon;  // icon resource for the title bar, 0 for none
  std::span<const ControlSpec> controls;
  std::span<const MenuSpec> menus;
  std::span<const GlobalShortcut> globalShortcuts = {};
  std::span<const ListShortcut> listShortcuts = {};
};

}  // namespace hovrel
