// The numbers that identify every control and menu item of the program's
// windows: the window builder gives them to the controls and menu items, and
// the forms dispatch their clicks by them.
#pragma once

namespace hovrel {

// Starts well above 2: the dialog manager sends IDOK (1) and IDCANCEL (2) for
// Enter and Esc, and neither may run a command by accident.
enum class CommandId : unsigned short {
  None = 0,
  // frmMain's controls
  btnEnd = 100,
  btnRefresh,
  btnSwitch,
  btnReset,
  btnTop,
  Frame1,
  lstApp,
  imgIcon,
  // frmMain's menus
  mnuFile = 200,
  mnuTop,
  mnuReset,
  mnuEndTask,
  mnuSwitch,
  mnuExit,
  mnuView,
  mnuShowOnlyApp,
  mnuRefresh,
  mnuAlwaysOnTop,
  mnuHelp,
  mnuReadMe,
  mnuWebs,
  mnuHome,
  mnuNews,
  mnuDownload,
  mnuSendMail,
  mnuGuestBook,
  mnuGetPaid,
  mnuHomePage,
  mnuAbout,
  mnuPopup,
  popRestore,
  popExit,
  // frmMain's shortcut that works from any window
  hkPinForeground = 250,
  // frmMain's opacity keys: from any window, and on the list
  hkLowerOpacity,
  hkRaiseOpacity,
  lstLowerOpacity,
  lstRaiseOpacity,
  // frmAbout's controls
  LOnlineAddress = 300,
  LEmail,
  LHomepage,
  btnOK,
  Label9,
  Label3,
  BuildNo,
  Label7,
  Label6,
  Label5,
  Label4,
  Image,
  Label2,
  Label1,
};

static_assert(static_cast<unsigned>(CommandId::btnEnd) > 2, "ids 1 and 2 belong to Enter and Esc");

}  // namespace hovrel
