// A form's shortcuts that work whichever window is in front: registered with
// the window system once the window is built, and raised as the form's
// commands when pressed.
#include "forms/win32/form_window_win32.h"

namespace hovrel {

void FormWindow::RegisterGlobalShortcuts() {
  // Refused when another program holds the same keys; the form then simply
  // goes without them. The window system drops a window's shortcuts when the
  // window is destroyed: there is nothing to release.
  for (const GlobalShortcut& shortcut : form_.globalShortcuts)
    ::RegisterHotKey(hwnd_, static_cast<int>(shortcut.name), shortcut.modifiers | MOD_NOREPEAT,
                     static_cast<UINT>(shortcut.key));
}

void FormWindow::OnHotKey(WPARAM id) {
  // The system's own ids (the snapshot keys) arrive here too.
  if (events_ == nullptr) return;
  for (const GlobalShortcut& shortcut : form_.globalShortcuts) {
    if (static_cast<WPARAM>(shortcut.name) == id) {
      events_->Command(shortcut.name);
      return;
    }
  }
}

}  // namespace hovrel
