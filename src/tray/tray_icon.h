// The main window's icon in the notification area: added at load, added
// again when the shell's taskbar is recreated, deleted at unload. frmMain asks
// it whether minimising may hide the window.
#pragma once

#include "platform/shell.h"
#include "tray/tray_icon_data.h"
#include "forms/window_state.h"

namespace hovrel {

class TrayIcon {
 public:
  // The record is kept unchanged for every later request.
  TrayIcon(Shell& shell, const TrayIconData& data);
  // Deletes the icon if it is still registered.
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  void Add();
  void Delete();
  // Takes the new record (another picture, say) for every later request,
  // and hands it to the shell now if the icon is registered.
  void Modify(const TrayIconData& data);
  // The shell broadcasts the registered "TaskbarCreated" message when
  // Explorer restarts; every icon it showed is gone and must be added again.
  void OnTaskbarCreated();

  // True while the shell shows the icon, as far as its answers tell.
  bool Present() const { return present_; }

 private:
  Shell& shell_;
  TrayRecord record_;
  bool registered_ = false;  // added and not yet deleted
  bool present_ = false;
};

// Form_Resize: a minimised window is hidden only while the icon can bring it
// back; without the icon it stays minimised on the taskbar.
bool HidesOnResize(int windowState, bool iconPresent);

}  // namespace hovrel
