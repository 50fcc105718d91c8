// frmMain's wiring: which handler each button, menu item, shortcut and list
// double-click raises.
#include "ui/frm_main.h"

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
    {CommandId::mnuReadMe,      &frmMain::mnuReadMe_Click},
    {CommandId::mnuHome,        &frmMain::mnuHome_Click},
    {CommandId::mnuNews,        &frmMain::mnuNews_Click},
    {CommandId::mnuDownload,    &frmMain::mnuDownload_Click},
    {CommandId::mnuSendMail,    &frmMain::mnuSendMail_Click},
    {CommandId::mnuGuestBook,   &frmMain::mnuGuestBook_Click},
    {CommandId::mnuGetPaid,     &frmMain::mnuGetPaid_Click},
    {CommandId::mnuHomePage,    &frmMain::mnuHomePage_Click},
    {CommandId::mnuAbout,       &frmMain::mnuAbout_Click},
    {CommandId::popRestore,     &frmMain::popRestore_Click},
    {CommandId::popExit,        &frmMain::popExit_Click},
    {CommandId::hkPinForeground, &frmMain::Hotkey_PinForeground},
    {CommandId::hkLowerOpacity,  &frmMain::Hotkey_LowerOpacity},
    {CommandId::hkRaiseOpacity,  &frmMain::Hotkey_RaiseOpacity},
    {CommandId::lstLowerOpacity, &frmMain::lstApp_LowerOpacity},
    {CommandId::lstRaiseOpacity, &frmMain::lstApp_RaiseOpacity},
};
// clang-format on

}  // namespace

void frmMain::Command(CommandId id) {
  for (const Wiring& row : kWiring) {
    if (row.source == id) {
      (this->*row.handler)();
      return;
    }
  }
}

}  // namespace hovrel
