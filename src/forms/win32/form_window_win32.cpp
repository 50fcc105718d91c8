// The forms' window procedure: one thunk that finds the form's window, and
// one handler per message, each raising the form's events.
#include "forms/win32/form_window_win32.h"

#include <commctrl.h>

namespace hovrel {
const ControlSpec* FormWindow::ControlById(WORD id) const {
  return FindControl(form_.controls, static_cast<CommandId>(id));
}

bool FormWindow::IsLinkField(HWND control) const {
  if (control == nullptr || ::GetParent(control) != hwnd_) return false;
  const ControlSpec* description = ControlById(static_cast<WORD>(::GetDlgCtrlID(control)));
  return description != nullptr && (description->options & kLinkLook) != 0;
}

LRESULT CALLBACK FormWindow::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* window = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    // Messages arrive before CreateWindowEx returns, so the handle is taken
    // here rather than from its result.
    window->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<FormWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window == nullptr) return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  return window->Dispatch(msg, wParam, lParam);
}

LRESULT CALLBACK FormWindow::LinkFieldProcedure(HWND hwnd, UINT msg, WPARAM wParam,
                                                       LPARAM lParam, UINT_PTR id, DWORD_PTR window) {
  if (msg == WM_NCDESTROY) ::RemoveWindowSubclass(hwnd, &LinkFieldProcedure, id);
  const LRESULT result = ::DefSubclassProc(hwnd, msg, wParam, lParam);
  if (msg == WM_LBUTTONDBLCLK) reinterpret_cast<FormWindow*>(window)->OnLinkFieldDoubleClick(hwnd);
  return result;
}

UINT TaskbarCreatedMessage() {
  static const UINT taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
  return taskbarCreated;
}

LRESULT FormWindow::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  const UINT taskbarCreated = TaskbarCreatedMessage();
  if (msg == taskbarCreated && taskbarCreated != 0) {
    OnTaskbarCreated();
    return 0;
  }
  const UINT workDone = WorkDoneMessage();
  if (msg == workDone && workDone != 0) {
    OnWorkDone(lParam);
    return 0;
  }
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(wParam, lParam);
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      return OnControlColour(msg, wParam, lParam);
    case WM_SETCURSOR:
      return OnSetCursor(msg, wParam, lParam);
    case WM_COMMAND:
      OnCommand(wParam, lParam);
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_ACTIVATE:
      OnActivate(wParam);
      return 0;
    case WM_ACTIVATEAPP:
      OnActivateApp(wParam);
      return 0;
    case DM_GETDEFID:
      return OnGetDefId();
    case WM_MEASUREITEM:
      if (OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
      return ::DefWindowProcW(hwnd_, msg, wParam, lParam);
    case WM_DRAWITEM:
      if (OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      return ::DefWindowProcW(hwnd_, msg, wParam, lParam);
    case WM_GETDPISCALEDSIZE:
      return OnGetDpiScaledSize(wParam, lParam);
    case WM_DPICHANGED:
      OnDpiChanged(wParam, lParam);
      return 0;
    case WM_HOTKEY:
      OnHotKey(wParam);
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_ENDSESSION:
      OnEndSession(wParam, lParam);
      return 0;
    default:
      return ::DefWindowProcW(hwnd_, msg, wParam, lParam);
  }
}

void FormWindow::OnPaint() {
  PaintScope paint(hwnd_);
  // The rebuild invalidates only the list control, never this client area,
  // so painting does not feed itself.
  if (events_ != nullptr) events_->Form_Paint();
}

void FormWindow::OnSize() {
  if (events_ != nullptr) events_->Form_Resize();
}

void FormWindow::OnMouseMove(WPARAM wParam, LPARAM lParam) {
  if (events_ == nullptr) return;
  // The icon's callback has the same message number as a real move, and a
  // drag with the left button along the client's top row has the icon's
  // wParam (MK_LBUTTON is 1) and an lParam such as 514. A real move is where
  // the pointer was: its point, on the screen, is what GetMessagePos says.
  const auto x = static_cast<short>(LOWORD(lParam));
  POINT point{x, static_cast<short>(HIWORD(lParam))};
  ::ClientToScreen(hwnd_, &point);
  const DWORD pointer = ::GetMessagePos();
  const bool atPointer =
      point.x == static_cast<short>(LOWORD(pointer)) && point.y == static_cast<short>(HIWORD(pointer));
  // The position is a signed pixel count, handed on in the form's unit.
  events_->Form_MouseMove({wParam, lParam, static_cast<float>(x) * TwipsPerPixelX(), atPointer});
}

LRESULT FormWindow::OnControlColour(UINT msg, WPARAM wParam, LPARAM lParam) {
  // A read-only edit asks with WM_CTLCOLORSTATIC, a writable one with
  // WM_CTLCOLOREDIT; both are answered for the address fields.
  if (!IsLinkField(reinterpret_cast<HWND>(lParam))) return ::DefWindowProcW(hwnd_, msg, wParam, lParam);
  HDC dc = reinterpret_cast<HDC>(wParam);
  // The system's link colour, which high-contrast themes set readable.
  ::SetTextColor(dc, ::GetSysColor(COLOR_HOTLIGHT));
  ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
  // A system colour brush belongs to the system: never deleted.
  return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT FormWindow::OnSetCursor(UINT msg, WPARAM wParam, LPARAM lParam) {
  // An edit control's class cursor is the text cursor; its parent is asked
  // first and may set another.
  if (!IsLinkField(reinterpret_cast<HWND>(wParam))) return ::DefWindowProcW(hwnd_, msg, wParam, lParam);
  ::SetCursor(::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));  // IDC_ARROW
  return TRUE;
}

void FormWindow::OnTaskbarCreated() {
  if (events_ != nullptr) events_->TaskbarCreated();
}

void FormWindow::OnLinkFieldDoubleClick(HWND field) {
  const ControlSpec* control = ControlById(static_cast<WORD>(::GetDlgCtrlID(field)));
  if (events_ != nullptr && control != nullptr) events_->Command(control->name);
}

void FormWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (events_ == nullptr) return;
  const WORD id = LOWORD(wParam);
  const WORD code = HIWORD(wParam);
  // Menu items and shortcuts come without a control; the dialog manager's
  // Enter and Esc come as ids 1 and 2 without one too.
  if (lParam == 0) {
    events_->Command(static_cast<CommandId>(id));
    return;
  }
  const ControlSpec* control = ControlById(id);
  if (control == nullptr) return;
  const bool clicked = control->kind == ControlKind::CommandButton && code == BN_CLICKED;
  const bool doubleClicked = control->kind == ControlKind::ListBox && code == LBN_DBLCLK;
  if (clicked || doubleClicked) events_->Command(control->name);
}

void FormWindow::OnTimer(WPARAM id) {
  // A window's timer repeats until it is killed; the form's run out once.
  // The window system hands WM_TIMER over only when no other message and no
  // painting waits.
  ::KillTimer(hwnd_, id);
  if (events_ != nullptr) events_->Form_Timer(static_cast<int>(id));
}

void FormWindow::OnWorkDone(LPARAM record) {
  // The worker is made once CreateWindowExW returns; a message another
  // program sends meanwhile finds none.
  if (worker_) worker_->TakeCompletion(record);
}

void FormWindow::OnClose() { Unload(); }

void FormWindow::OnEndSession(WPARAM ending, LPARAM reasons) {
  // Ending the session, the window system ends the process once this
  // returns; it sends no WM_CLOSE and destroys no window first. With
  // ENDSESSION_CLOSEAPP the session goes on: the Restart Manager asks this
  // program alone to end, and the window system does not end it.
  if (ending != FALSE && events_ != nullptr) events_->Form_SessionEnd((reasons & ENDSESSION_CLOSEAPP) != 0);
}

void FormWindow::OnActivate(WPARAM wParam) {
  // A plain window does not remember which control had the focus, as a
  // dialog does; without this the focus sits on the form after a switch and
  // Enter and the arrow keys reach no control.
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = ::GetFocus();
    if (focus != nullptr && ::IsChild(hwnd_, focus)) lastFocus_ = focus;
  } else if (lastFocus_ != nullptr && ::IsWindow(lastFocus_)) {
    ::SetFocus(lastFocus_);
  }
}

void FormWindow::OnActivateApp(WPARAM wParam) {
  // Sent to each window of the program when one of them takes the
  // activation from another program's window, and not when it passes
  // between the program's own windows.
  if (wParam != FALSE && shown_ && events_ != nullptr) events_->Form_Activate();
}

LRESULT FormWindow::OnGetDefId() {
  // The dialog manager asks the form for its default button when Enter is
  // pressed; a window that is not a dialog must answer itself.
  if (defaultButton_ == kNoCommand) return 0;
  return MAKELRESULT(static_cast<WORD>(defaultButton_), DC_HASDEFID);
}

}  // namespace hovrel
