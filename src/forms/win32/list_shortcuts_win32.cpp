// A form's keys that work while one of its lists has the focus: taken from
// the message loop before the list or the dialog manager see them, and
// raised as the form's commands.
#include "forms/win32/form_window_win32.h"

namespace hovrel {
namespace {

// The modifiers held as the key came, as ShortcutModifier bits.
std::uint32_t HeldModifiers() {
  const auto held = [](int key, std::uint32_t modifier) { return ::GetKeyState(key) < 0 ? modifier : 0u; };
  return held(VK_MENU, kAltKey) | held(VK_CONTROL, kControlKey) | held(VK_SHIFT, kShiftKey) | held(VK_LWIN, kWinKey) |
         held(VK_RWIN, kWinKey);
}

}  // namespace

bool FormWindow::ListShortcutClaims(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || events_ == nullptr) return false;
  for (const ListShortcut& shortcut : form_.listShortcuts) {
    if (msg.wParam == shortcut.key && msg.hwnd == ::GetDlgItem(hwnd_, static_cast<int>(shortcut.list)) &&
        HeldModifiers() == shortcut.modifiers) {
      events_->Command(shortcut.name);
      return true;
    }
  }
  return false;
}

}  // namespace hovrel
