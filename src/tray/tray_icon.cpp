// The notification icon's registration; see tray_icon.h.
#include "tray/tray_icon.h"

namespace hovrel {

TrayIcon::TrayIcon(Shell& shell, const TrayIconData& data)
    : shell_(shell), record_(PackTrayIconData(data)) {}

TrayIcon::~TrayIcon() { Delete(); }

void TrayIcon::Add() {
  registered_ = true;
  present_ = shell_.Shell_NotifyIconA(NIM_ADD, record_);
}

void TrayIcon::Delete() {
  // Also after a failed add: the shell may answer late and still show the
  // icon, which would then linger after the program ends.
  if (!registered_) return;
  shell_.Shell_NotifyIconA(NIM_DELETE, record_);
  registered_ = false;
  present_ = false;
}

void TrayIcon::OnTaskbarCreated() {
  if (registered_) Add();
}

bool HidesOnResize(int windowState, bool iconPresent) {
  return windowState == kWindowMinimised && iconPresent;
}

}  // namespace hovrel
