// frmMain's handlers and their wiring; see frm_main.h.
#include "ui/frm_main.h"

#include "inventory/end_apps.h"
#include "inventory/placement.h"
#include "inventory/window_list.h"

namespace hovrel {
namespace {

struct Wiring {
  CommandId source;
  void (frmMain::*handler)();
};

// Which handler each button, menu item, shortcut and list double-click
// raises. An id without a row runs nothing.
// clang-format off
constexpr Wiring kWiring[] = {
    {CommandId::btnTop,         &frmMain::btnTop_Click},
    {CommandId::btnReset,       &frmMain::btnReset_Click},
    {CommandId::btnSwitch,      &frmMain::btnSwitch_Click},
    {CommandId::btnEnd,         &frmMain::btnEnd_Click},
    {CommandId::btnRefresh,     &frmMain::btnRefresh_Click},
    {CommandId::lstApp,         &frmMain::lstApp_DblClick},
    {CommandId::mnuTop,         &frmMain::mnuTop_Click},
    {CommandId::mnuReset,       &frmMain::mnuReset_Click},
    {CommandId::mnuEndTask,     &frmMain::mnuEndTask_Click},
    {CommandId::mnuSwitch,      &frmMain::mnuSwitch_Click},
    {CommandId::mnuExit,        &frmMain::mnuExit_Click},
    {CommandId::mnuShowOnlyApp, &frmMain::mnuShowOnlyApp_Click},
    {CommandId::mnuRefresh,     &frmMain::mnuRefresh_Click},
    {CommandId::mnuAlwaysOnTop, &frmMain::mnuAlwaysOnTop_Click},
};
// clang-format on

}  // namespace

frmMain::frmMain(WindowSystem& ws, FormHost& form)
    : ws_(ws), form_(form), lstApp_(form.ListControl(CommandId::lstApp)) {}

void frmMain::Form_Load() {
  AppFilterMask = kAppFilterMask;
  FindAllApps();
}

void frmMain::Form_Paint() { FindAllApps(); }

void frmMain::Form_Unload() { form_.End(); }

void frmMain::Command(CommandId id) {
  for (const Wiring& row : kWiring) {
    if (row.source == id) {
      (this->*row.handler)();
      return;
    }
  }
}

void frmMain::btnTop_Click() { PlaceSelectedWindow(ws_, lstApp_, Placement::Top); }

void frmMain::btnReset_Click() { PlaceSelectedWindow(ws_, lstApp_, Placement::Reset); }

void frmMain::btnSwitch_Click() { PlaceSelectedWindow(ws_, lstApp_, Placement::Switch); }

void frmMain::btnEnd_Click() {
  if (EndSelectedTask(ws_, lstApp_)) FindAllApps();
}

void frmMain::btnRefresh_Click() { FindAllApps(); }

void frmMain::lstApp_DblClick() { btnSwitch_Click(); }

void frmMain::mnuTop_Click() { btnTop_Click(); }

void frmMain::mnuReset_Click() { btnReset_Click(); }

void frmMain::mnuEndTask_Click() { btnEnd_Click(); }

void frmMain::mnuSwitch_Click() { btnSwitch_Click(); }

void frmMain::mnuExit_Click() { form_.Unload(); }

void frmMain::mnuShowOnlyApp_Click() {
  form_.SetChecked(CommandId::mnuShowOnlyApp, !form_.Checked(CommandId::mnuShowOnlyApp));
  FindAllApps();
}

void frmMain::mnuRefresh_Click() { btnRefresh_Click(); }

void frmMain::mnuAlwaysOnTop_Click() {
  const bool onTop = !form_.Checked(CommandId::mnuAlwaysOnTop);
  form_.SetChecked(CommandId::mnuAlwaysOnTop, onTop);
  SetTopMost(onTop);
}

void frmMain::FindAllApps() {
  hovrel::FindAllApps(ws_, lstApp_, form_.hWnd(), form_.Checked(CommandId::mnuShowOnlyApp),
                      AppFilterMask);
}

void frmMain::SetTopMost(bool onTop) {
  ws_.SetWindowPos(form_.hWnd(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   kPlaceOwnFlags);
}

}  // namespace hovrel
