// frmMain's handlers and their wiring; see frm_main.h.
#include "ui/frm_main.h"

#include "inventory/end_apps.h"
#include "inventory/placement.h"
#include "inventory/window_list.h"
#include "ui/build_number.h"
#include "links/read_me.h"
#include "links/web_links.h"
#include "tray/tray_notification.h"
#include "ui/frm_about.h"
#include "ui/frm_about_description.h"

namespace hovrel {
namespace {

constexpr int kAddIconTimer = 1;
constexpr int kLookAgainTimer = 2;
constexpr int kBandTimer = 3;
constexpr int kEndTaskWork = 1;
constexpr int kSeeThroughWork = 2;
// At the end, how long the windows seen through may take to be given back
// their state, all together, before the program ends all the same.
constexpr unsigned kRestoreWaitMs = 3'000;
// Many programs close a moment after they are asked (from a timer, or a
// close they post themselves); End Task looks at the desktop again then.
constexpr unsigned kLateCloseMs = 500;
// A window is posted its move between the bands, and makes it when its
// thread reads its messages: its row is drawn again once it has. The band is
// looked at every kBandLookMs; a window that has not moved after kBandLooks
// looks (5 s: a hung one) gets its row drawn as it is.
constexpr unsigned kBandLookMs = 50;
constexpr int kBandLooks = 100;

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

frmMain::frmMain(WindowSystem& ws, Shell& shell, ProgramFiles& files, Forms& forms, FormHost& form)
    : ws_(ws), shell_(shell), files_(files), forms_(forms), form_(form), lstApp_(form.ListControl(CommandId::lstApp)) {}

void frmMain::Form_Load() {
  AppFilterMask = kAppFilterMask;
  FindAllApps();
  TrayIconData = FillTrayIconData(form_.hWnd(), form_.Picture(CommandId::imgIcon), form_.Caption());
  trayIcon_.emplace(shell_, TrayIconData);
  // The first screen needs no icon, and the shell may take a while to answer:
  // the icon is added once the window is shown and painted.
  form_.StartTimer(kAddIconTimer, 0);
}

void frmMain::Form_Paint() { FindAllApps(); }

// A composited desktop keeps a picture of every window, and shows the
// uncovered window without asking it to paint: the repaint's rebuild would
// then hardly ever run. A user coming back sees the windows as they are now.
// Looked at here, before the click that brought the window back is handled,
// so that both clicks of a double-click land on the same rows.
void frmMain::Form_Activate() { RefreshIfChanged(); }

void frmMain::Form_Resize() { HideIfMinimised(); }

void frmMain::Form_MouseMove(const MouseMoveEvent& event) {
  // A real pointer move over the window carries its position, not an
  // action on the icon, and must not restore or open anything.
  if (!IsTrayNotification(event.wParam, event.lParam, event.atPointer)) return;
  const std::int32_t message = DecodeTrayMessage(event.X, form_.ScaleMode(), form_.TwipsPerPixelX());
  switch (TrayActionFor(message)) {
    case TrayAction::Restore:
      popRestore_Click();
      break;
    case TrayAction::Popup:
      ws_.SetForegroundWindow(form_.hWnd());
      form_.PopupMenu(CommandId::mnuPopup);
      break;
    case TrayAction::None:
      break;
  }
}

void frmMain::Form_Unload() {
  // Every way out comes here but the session's end: no window is left seen through.
  RestoreSeenThrough();
  if (trayIcon_) trayIcon_->Delete();
  form_.End();
}

void frmMain::Form_Timer(int id) {
  if (id == kAddIconTimer && trayIcon_) {
    trayIcon_->Add();
    // Started minimised (a shortcut set to run so), the window was
    // minimised before there was an icon to bring it back.
    HideIfMinimised();
  }
  if (id == kLookAgainTimer) RefreshIfChanged();
  if (id == kBandTimer) LookAtBand();
}

void frmMain::Form_WorkDone(int id) {
  if (id == kSeeThroughWork && !seenThroughRows_.empty()) {
    lstApp_.RedrawRow(RowOfItemData(lstApp_, seenThroughRows_.front()));
    seenThroughRows_.pop_front();
  }
  if (id != kEndTaskWork) return;
  endingTasks_ = false;
  FindAllApps();
  form_.StartTimer(kLookAgainTimer, kLateCloseMs);
}

void frmMain::Form_DpiChanged() {
  // The image holds the icon anew at the new resolution's size; the shell
  // is handed it before the old one goes.
  TrayIconData.hIcon = form_.Picture(CommandId::imgIcon);
  if (trayIcon_) trayIcon_->Modify(TrayIconData);
}

void frmMain::TaskbarCreated() {
  if (!trayIcon_) return;
  trayIcon_->OnTaskbarCreated();
  // Hidden behind an icon the new taskbar would not take, the window would
  // be out of the user's reach.
  if (!trayIcon_->Present() && !form_.Visible()) popRestore_Click();
}

void frmMain::Command(CommandId id) {
  for (const Wiring& row : kWiring) {
    if (row.source == id) {
      (this->*row.handler)();
      return;
    }
  }
}

void frmMain::btnTop_Click() { MoveBetweenBands(Placement::Top); }

void frmMain::btnReset_Click() { MoveBetweenBands(Placement::Reset); }

void frmMain::btnSwitch_Click() { PlaceSelectedWindow(ws_, lstApp_, Placement::Switch); }

// Each window asked may ask its user in turn and be waited for, up to a
// minute: the windows are asked on a thread of their own, and the program
// goes on meanwhile. One run at a time.
void frmMain::btnEnd_Click() {
  const int selected = lstApp_.ListIndex();
  if (selected < 0 || endingTasks_) {
    ws_.MessageBeep(MB_OK);
    return;
  }
  endingTasks_ = true;
  form_.RunInBackground(kEndTaskWork,
                        [&ws = ws_, text = lstApp_.List(selected)] { modEndApps::EndAppsByTitle(ws, text); });
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

void frmMain::mnuReadMe_Click() { OpenReadMe(shell_, files_, form_.hWnd()); }

// The owner is read at each click: the window's handle is the shell's
// parent for any message it shows.
void frmMain::mnuHome_Click() { OpenLink(shell_, form_.hWnd(), LinkTarget(Link::Home)); }

void frmMain::mnuNews_Click() { OpenLink(shell_, form_.hWnd(), LinkTarget(Link::News)); }

void frmMain::mnuDownload_Click() { OpenLink(shell_, form_.hWnd(), LinkTarget(Link::Download)); }

void frmMain::mnuSendMail_Click() { OpenLink(shell_, form_.hWnd(), LinkTarget(Link::SendMail)); }

void frmMain::mnuGuestBook_Click() { OpenLink(shell_, form_.hWnd(), LinkTarget(Link::GuestBook)); }

void frmMain::mnuGetPaid_Click() { OpenLink(shell_, form_.hWnd(), LinkTarget(Link::GetPaid)); }

void frmMain::mnuHomePage_Click() { OpenLink(shell_, form_.hWnd(), LinkTarget(Link::HomePage)); }

void frmMain::mnuAbout_Click() {
  // Built anew at each opening and gone when this returns, so the build
  // number is filled in every time.
  const std::unique_ptr<FormHost> window = forms_.Create(kAboutForm, form_);
  frmAbout about(shell_, *window);
  window->SetCaption(CommandId::BuildNo, BuildNumber(files_));
  window->ShowModal(about);
}

void frmMain::popRestore_Click() {
  form_.SetWindowState(kWindowNormal);
  form_.Show();
}

void frmMain::popExit_Click() { mnuExit_Click(); }

void frmMain::Hotkey_PinForeground() {
  const Hwnd front = ws_.GetForegroundWindow();
  // On the program's own window the shortcut is "Always on Top", check mark and all.
  if (front == form_.hWnd()) {
    mnuAlwaysOnTop_Click();
    return;
  }
  // Pressed again before a busy window has made the last move, the shortcut
  // takes back that move rather than the band the window is still in.
  const bool moving = bandWatch_.looksLeft > 0 && bandWatch_.window == front;
  const bool topmost = !(moving ? bandWatch_.topmost : IsTopmost(ws_, front));
  if (PlaceInBand(ws_, front, topmost)) RedrawRowOnceMoved(front, topmost);
}

void frmMain::FindAllApps() {
  RebuildWindowList(ws_, lstApp_, form_.hWnd(), form_.Checked(CommandId::mnuShowOnlyApp),
                      AppFilterMask);
}

void frmMain::RefreshIfChanged() {
  // Unchanged, the list is left alone, and with it the user's selection.
  if (WindowListIsCurrent(ws_, lstApp_, form_.hWnd(), form_.Checked(CommandId::mnuShowOnlyApp), AppFilterMask))
    return;
  // The user did not ask for this rebuild, and may be about to click.
  const ListPlace place = PlaceIn(lstApp_);
  FindAllApps();
  ReturnTo(lstApp_, place);
}

void frmMain::HideIfMinimised() {
  // Hidden, the window leaves the taskbar too; only the icon can bring it
  // back, so without one it stays minimised where the user can find it.
  if (HidesOnResize(form_.WindowState(), IconPresent())) form_.Hide();
}

void frmMain::MoveBetweenBands(Placement placement) {
  const int selected = lstApp_.ListIndex();
  PlaceSelectedWindow(ws_, lstApp_, placement);
  if (selected >= 0) RedrawRowOnceMoved(lstApp_.ItemData(selected), placement == Placement::Top);
}

void frmMain::RedrawRowOnceMoved(Hwnd hwnd, bool topmost) {
  bandWatch_ = {hwnd, topmost, kBandLooks};
  form_.StartTimer(kBandTimer, 0);
}

void frmMain::LookAtBand() {
  if (bandWatch_.looksLeft <= 0) return;
  // A window that has gone (it has no thread) moves no more.
  const bool moving = IsTopmost(ws_, bandWatch_.window) != bandWatch_.topmost &&
                      ws_.GetWindowThreadProcessId(bandWatch_.window, nullptr) != 0;
  if (moving && --bandWatch_.looksLeft > 0) {
    form_.StartTimer(kBandTimer, kBandLookMs);
    return;
  }
  bandWatch_.looksLeft = 0;
  lstApp_.RedrawRow(RowOfItemData(lstApp_, bandWatch_.window));
}

void frmMain::SetTopMost(bool onTop) {
  ws_.SetWindowPos(form_.hWnd(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   kPlaceOwnFlags);
}

void frmMain::Form_SessionEnd() { RestoreSeenThrough(); }

void frmMain::RestoreSeenThrough() {
  seenThroughRows_.push_back(0);
  form_.RunInBackground(kSeeThroughWork, [this] { seeThrough_.RestoreAll(); });
  form_.WaitForWork(kSeeThroughWork, kRestoreWaitMs);
}

void frmMain::Hotkey_LowerOpacity() { StepOpacity(ws_.GetForegroundWindow(), -1); }

void frmMain::Hotkey_RaiseOpacity() { StepOpacity(ws_.GetForegroundWindow(), +1); }

void frmMain::lstApp_LowerOpacity() { StepSelectedOpacity(-1); }

void frmMain::lstApp_RaiseOpacity() { StepSelectedOpacity(+1); }

// A window's style is changed by messages it must answer, and a busy window
// would hold the program until it does: the changes are made one after
// another on a thread of their own, and the row is drawn once each is made.
void frmMain::StepOpacity(Hwnd hwnd, int steps) {
  seenThroughRows_.push_back(hwnd);
  form_.RunInBackground(kSeeThroughWork, [this, hwnd, steps] { seeThrough_.Step(hwnd, steps); });
}

void frmMain::StepSelectedOpacity(int steps) {
  const int selected = lstApp_.ListIndex();
  if (selected < 0) {
    ws_.MessageBeep(MB_OK);
    return;
  }
  StepOpacity(lstApp_.ItemData(selected), steps);
}

}  // namespace hovrel
