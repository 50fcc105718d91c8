// A form's shortcuts that work whichever window is in front: registered with
// the window system once the window is built, and raised as the form's
// commands when pressed.
#include "forms/win32/form_window_win32.h"

namespace hovrel {

// Each row is registered under its place in the table, from 1: one
// command may have two keys, and the window system takes one key an id.
void FormWindow::RegisterGlobalShortcuts() {
  // Refused when another program holds the same keys; the form then simply
  // goes without them. The window system drops a window's shortcuts when the
  // window is destroyed: there is nothing to release.
  int id = 0;
  for (const GlobalShortcut& shortcut : form_.globalShortcuts)
    ::RegisterHotKey(hwnd_, ++id, shortcut.modifiers | MOD_NOREPEAT, shortcut.key);
}

void FormWindow::OnHotKey(WPARAM id) {
  // The system's own ids (the snapshot keys) arrive here too.
  if (events_ == nullptr || id == 0 || id > form_.globalShortcuts.size()) return;
  events_->Command(form_.globalShortcuts[id - 1].name);
}

}  // namespace hovrel
