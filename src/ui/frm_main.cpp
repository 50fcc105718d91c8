// frmMain's handlers, but for the Help menu's (frm_main_help.cpp); which
// action raises which is in frm_main_wiring.cpp. See frm_main.h.
#include "ui/frm_main.h"

#include "inventory/end_apps.h"
#include "inventory/placement.h"
#include "inventory/notes.h"
#include "inventory/rights.h"
#include "inventory/shell_windows.h"
#include "inventory/window_list.h"
#include "tray/tray_notification.h"

namespace hovrel {
namespace {

constexpr int kAddIconTimer = 1;
constexpr int kLookAgainTimer = 2;
constexpr int kBandTimer = 3;
constexpr int kEndTaskDoneTimer = 4;
constexpr int kEndTaskLane = 1;
constexpr int kOpacityLane = 2;
// Many programs close a moment after they are asked (from a timer, or a
// close they post themselves); End Task looks at the desktop again then.
constexpr unsigned kLateCloseMs = 500;

}  // namespace

frmMain::frmMain(WindowSystem& ws, Shell& shell, ProgramFiles& files, Forms& forms, FormHost& form)
    : ws_(ws),
      shell_(shell),
      files_(files),
      forms_(forms),
      form_(form),
      lstApp_(form.ListControl(CommandId::lstApp)),
      opacity_(ws, form, kOpacityLane, lstApp_) {}

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
  opacity_.RestoreAll();
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
  if (id == kLookAgainTimer && !PutOffForClicks(id)) RefreshIfChanged();
  if (id == kEndTaskDoneTimer && !PutOffForClicks(id)) EndTaskDone();
  if (id == kBandTimer) LookAtBands();
}

RowLook frmMain::LookOfRow(CommandId, std::uint32_t itemData, int iconPixels) {
  return looks_.Look(itemData, iconPixels);
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

void frmMain::btnTop_Click() { MoveBetweenBands(Placement::Top); }

void frmMain::btnReset_Click() { MoveBetweenBands(Placement::Reset); }

void frmMain::btnSwitch_Click() { PlaceSelectedWindow(ws_, lstApp_, Placement::Switch); }

// Each window asked may ask its user in turn and be waited for, up to a
// minute: the windows are asked on a lane of their own, and the program
// goes on meanwhile. One run at a time.
void frmMain::btnEnd_Click() {
  const int selected = lstApp_.ListIndex();
  if (selected < 0 || endingTasks_) {
    ws_.MessageBeep(MB_OK);
    return;
  }
  endingTasks_ = true;
  endTaskRow_ = lstApp_.ItemData(selected);
  std::uint32_t ownProcess = 0;
  ws_.GetWindowThreadProcessId(form_.hWnd(), &ownProcess);
  form_.Background().Run(kEndTaskLane, [this, text = lstApp_.List(selected), ownProcess] {
    modEndApps::EndAppsByTitle(ws_, text, ownProcess);
    return Completion([this] {
      endingTasks_ = false;
      form_.StartTimer(kEndTaskDoneTimer, 0);
    });
  });
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
    form_.ShowNote(front, NoteText(form_.Checked(CommandId::mnuAlwaysOnTop) ? Outcome::KeptOnTop : Outcome::NoLongerOnTop));
    return;
  }
  if (front == 0 || IsDesktopOrTaskbar(ws_, front)) return;
  if (OutOfReach(ws_, front)) {
    ws_.MessageBeep(MB_OK);
    form_.ShowNote(front, NoteText(Outcome::OutOfReach));
    return;
  }
  // Pressed again before a busy window has made the last move, the shortcut
  // takes back that move rather than the band the window is still in.
  const bool topmost = !bandWatch_.Pending(front).value_or(IsTopmost(ws_, front));
  PlaceInBand(ws_, front, topmost);
  RedrawRowOnceMoved(front, topmost);
  form_.ShowNote(front, NoteText(topmost ? Outcome::KeptOnTop : Outcome::NoLongerOnTop));
}

void frmMain::FindAllApps() {
  looks_.Forget();
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
  // A program with more rights would take the move as if it had made it.
  if (selected >= 0 && OutOfReach(ws_, lstApp_.ItemData(selected))) {
    ws_.MessageBeep(MB_OK);
    return;
  }
  PlaceSelectedWindow(ws_, lstApp_, placement);
  if (selected >= 0) RedrawRowOnceMoved(lstApp_.ItemData(selected), placement == Placement::Top);
}

void frmMain::RedrawRowOnceMoved(Hwnd hwnd, bool topmost) {
  bandWatch_.Watch(hwnd, topmost);
  form_.StartTimer(kBandTimer, 0);
}

void frmMain::LookAtBands() {
  for (const Hwnd moved : bandWatch_.Look()) RedrawRowOf(moved);
  if (bandWatch_.Watching()) form_.StartTimer(kBandTimer, BandWatch::kLookMs);
}

bool frmMain::PutOffForClicks(int timer) {
  const unsigned wait = lstApp_.MsUntilClicksSettle();
  if (wait != 0) form_.StartTimer(timer, wait);
  return wait != 0;
}

void frmMain::EndTaskDone() {
  // A row the user picked while the windows were asked stays picked.
  const ListPlace place = PlaceIn(lstApp_);
  FindAllApps();
  if (place.selected >= 0 && place.selectedData != endTaskRow_) ReturnTo(lstApp_, place);
  form_.StartTimer(kLookAgainTimer, kLateCloseMs);
}

void frmMain::SetTopMost(bool onTop) {
  ws_.SetWindowPos(form_.hWnd(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   kPlaceOwnFlags);
}

// The Restart Manager closes a program so for an installer or an update,
// and the session goes on: the program ends as at Exit.
void frmMain::Form_SessionEnd(bool closingProgram) {
  if (closingProgram)
    form_.Unload();
  else
    opacity_.RestoreAll();
}

void frmMain::Hotkey_LowerOpacity() { opacity_.Step(ws_.GetForegroundWindow(), -1, true); }

void frmMain::Hotkey_RaiseOpacity() { opacity_.Step(ws_.GetForegroundWindow(), +1, true); }

void frmMain::lstApp_LowerOpacity() { StepSelectedOpacity(-1); }

void frmMain::lstApp_RaiseOpacity() { StepSelectedOpacity(+1); }

void frmMain::StepSelectedOpacity(int steps) {
  const int selected = lstApp_.ListIndex();
  if (selected < 0) {
    ws_.MessageBeep(MB_OK);
    return;
  }
  // The row shows what was done: no note.
  opacity_.Step(lstApp_.ItemData(selected), steps, false);
}

void frmMain::RedrawRowOf(Hwnd hwnd) { lstApp_.RedrawRow(RowOfItemData(lstApp_, hwnd)); }

}  // namespace hovrel
