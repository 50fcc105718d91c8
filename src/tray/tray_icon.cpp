// The notification icon's registration; see tray_icon.h.
#include "tray/tray_icon.h"

namespace hovrel {

TrayIcon::TrayIcon(Shell& shell, const TrayIconData& data)
    : shell_(shell), record_(PackTrayIconData(data)) {}

TrayIcon::~TrayIcon() { Delete(); }

void TrayIcon::Add() {
  registered_ = true;
  // An add fails also when the shell already shows this icon: after a
  // "TaskbarCreated" that another program broadcast, or an add that timed
  // out at logon and went through anyway. A modify tells the two apart.
  present_ = shell_.Shell_NotifyIconA(NIM_ADD, record_) || shell_.Shell_NotifyIconA(NIM_MODIFY, record_);
}

void TrayIcon::Delete() {
  // Also after a failed add: the shell may answer late and still show the
  // icon, which would then linger after the program ends.
  if (!registered_) return;
  shell_.Shell_NotifyIconA(NIM_DELETE, record_);
  registered_ = false;
  present_ = false;
}

void TrayIcon::Modify(const TrayIconData& data) {
  record_ = PackTrayIconData(data);
  if (registered_) shell_.Shell_NotifyIconA(NIM_MODIFY, record_);
}

void TrayIcon::OnTaskbarCreated() {
  if (registered_) Add();
}

bool HidesOnResize(int windowState, bool iconPresent) {
  return windowState == kWindowMinimised && iconPresent;
}

}  // namespace hovrel
