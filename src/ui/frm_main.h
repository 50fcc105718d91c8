// frmMain's handlers: the program's main window as the user works it. Each
// handler calls the window inventory, the notification icon, the shell or
// another handler; which user action raises which handler is the wiring
// table in frm_main.cpp.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>

#include "platform/program_files.h"
#include "platform/shell.h"
#include "inventory/opacity.h"
#include "inventory/placement.h"
#include "platform/window_system.h"
#include "tray/tray_icon.h"
#include "tray/tray_icon_data.h"
#include "forms/form_host.h"
#include "ui/command_id.h"

namespace hovrel {

// Named as the window's designer named its members.
class frmMain final : public FormEvents {
 public:
  // `form` is the window built from kMainForm; `forms` builds the About box.
  frmMain(WindowSystem& ws, Shell& shell, ProgramFiles& files, Forms& forms, FormHost& form);
  frmMain(const frmMain&) = delete;
  frmMain& operator=(const frmMain&) = delete;

  void Form_Load() override;
  void Form_Paint() override;
  void Form_Activate() override;
  void Form_Resize() override;
  void Form_MouseMove(const MouseMoveEvent& event) override;
  void Form_Unload() override;
  void Form_Timer(int id) override;
  void Form_WorkDone(int id) override;
  void Form_DpiChanged() override;
  void TaskbarCreated() override;
  void Command(CommandId id) override;
  void Form_SessionEnd() override;

  void btnTop_Click();
  void btnReset_Click();
  void btnSwitch_Click();
  void btnEnd_Click();
  void btnRefresh_Click();
  void lstApp_DblClick();
  void mnuTop_Click();
  void mnuReset_Click();
  void mnuEndTask_Click();
  void mnuSwitch_Click();
  void mnuExit_Click();
  void mnuShowOnlyApp_Click();
  void mnuRefresh_Click();
  void mnuAlwaysOnTop_Click();
  void mnuReadMe_Click();
  void mnuHome_Click();
  void mnuNews_Click();
  void mnuDownload_Click();
  void mnuSendMail_Click();
  void mnuGuestBook_Click();
  void mnuGetPaid_Click();
  void mnuHomePage_Click();
  void mnuAbout_Click();
  void popRestore_Click();
  void popExit_Click();
  void Hotkey_PinForeground();
  void Hotkey_LowerOpacity();
  void Hotkey_RaiseOpacity();
  void lstApp_LowerOpacity();
  void lstApp_RaiseOpacity();

  // Empties the list and fills it anew with the filter as checked.
  void FindAllApps();
  // FindAllApps, but only if the list no longer shows what it would list;
  // the selected window stays selected and the view where it was.
  void RefreshIfChanged();

  std::uint32_t AppFilterMask = 0;
  // Filled at load and handed to the shell; only its picture changes, with
  // the resolution.
  hovrel::TrayIconData TrayIconData;

 private:
  void SetTopMost(bool onTop);
  // Top and Reset: the selected row's window changes band, and the row shows it.
  void MoveBetweenBands(Placement placement);
  bool IconPresent() const { return trayIcon_ && trayIcon_->Present(); }
  // Minimised, the window goes to the notification area while the icon is there.
  void HideIfMinimised();
  // Draws the window's row again once the window is in the band it was
  // posted to, which its own thread moves it into.
  void RedrawRowOnceMoved(Hwnd hwnd, bool topmost);
  void LookAtBand();
  // The opacity keys: the window in front, or the selected row's, one step;
  // its row shows the new figure.
  void StepOpacity(Hwnd hwnd, int steps);
  void StepSelectedOpacity(int steps);
  // Every window seen through gets its state back before the program ends.
  void RestoreSeenThrough();

  WindowSystem& ws_;
  Shell& shell_;
  ProgramFiles& files_;
  Forms& forms_;
  FormHost& form_;
  ListBox& lstApp_;
  std::optional<TrayIcon> trayIcon_;
  // End Task's windows are being asked, on a thread of their own.
  bool endingTasks_ = false;
  // The window whose row waits for its move between the bands.
  struct BandWatch {
    Hwnd window;
    bool topmost;
    int looksLeft;
  } bandWatch_{0, false, 0};
  // Used only by the work of kSeeThroughWork, which runs one at a time.
  SeeThrough seeThrough_{ws_};
  // The window of each opacity change under way, in turn; 0 for the restore.
  std::deque<Hwnd> seenThroughRows_;
};

}  // namespace hovrel
