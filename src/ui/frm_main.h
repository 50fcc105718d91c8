// frmMain's handlers: the program's main window as the user works it. Each
// handler calls the window inventory, the notification icon, the shell or
// another handler; which user action raises which handler is the wiring
// table in frm_main_wiring.cpp.
#pragma once

#include <cstdint>
#include <optional>

#include "inventory/band_watch.h"
#include "inventory/opacity_work.h"
#include "inventory/window_look.h"
#include "platform/program_files.h"
#include "platform/shell.h"
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
  RowLook LookOfRow(CommandId list, std::uint32_t itemData, int iconPixels) override;
  void Form_DpiChanged() override;
  void TaskbarCreated() override;
  void Command(CommandId id) override;
  void Form_SessionEnd(bool closingProgram) override;

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
  void LookAtBands();
  // A rebuild the user did not ask for waits while the user is clicking the
  // list, so that both clicks of a double-click land on the same rows: true
  // when the timer was started again for later.
  bool PutOffForClicks(int timer);
  // The windows End Task asked have all answered: the list is rebuilt.
  void EndTaskDone();
  void StepSelectedOpacity(int steps);
  // The row of the window is drawn again, and nothing else.
  void RedrawRowOf(Hwnd hwnd);

  WindowSystem& ws_;
  Shell& shell_;
  ProgramFiles& files_;
  Forms& forms_;
  FormHost& form_;
  ListBox& lstApp_;
  std::optional<TrayIcon> trayIcon_;
  // End Task's windows are being asked, on a lane of their own, for the
  // row's window that was selected then.
  bool endingTasks_ = false;
  Hwnd endTaskRow_ = 0;
  BandWatch bandWatch_{ws_};
  OpacityWork opacity_;
  WindowLooks looks_{ws_, [this](Hwnd hwnd) { RedrawRowOf(hwnd); }};
};

}  // namespace hovrel
