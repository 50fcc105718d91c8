// The message loops: the program's own and a modal form's, with the
// shortcut, menu-bar and dialog keys translated for the form they reach.
#include <cctype>

#include "forms/win32/form_window_win32.h"
#include "platform/win32_handle.h"

namespace hovrel {

void FormWindow::Load(FormEvents& events, int show) {
  events_ = &events;
  events.Form_Load();
  ShowFirstTime(show);
}

void FormWindow::ShowFirstTime(int show) {
  ::ShowWindow(hwnd_, show);
  shown_ = true;
  if (HWND first = ::GetNextDlgTabItem(hwnd_, nullptr, FALSE)) {
    ::SetFocus(first);
    lastFocus_ = first;
  }
}

bool FormWindow::MenuBarClaims(const MSG& msg) const {
  if (msg.message != WM_SYSCHAR) return false;
  const char key = static_cast<char>(std::tolower(static_cast<int>(msg.wParam & 0xFF)));
  return menuBarKeys_.find(key) != std::string::npos;
}

void FormWindow::NoteListClick(const MSG& msg) {
  if (msg.message != WM_LBUTTONDOWN && msg.message != WM_LBUTTONDBLCLK && msg.message != WM_RBUTTONDOWN) return;
  for (auto& [name, list] : lists_)
    if (ToHwnd(list.Handle()) == msg.hwnd) list.NoteClick(msg.time);
}

bool FormWindow::Preprocess(MSG& msg) {
  if (hwnd_ == nullptr || !IsOurs(msg.hwnd)) return false;
  NoteListClick(msg);
  if (accelerators_ && ::TranslateAcceleratorW(hwnd_, accelerators_.get(), &msg)) return true;
  // Alt and a letter that a menu-bar title and a control share opens the
  // menu, as in any window with a menu bar; the dialog manager would press
  // the control instead.
  if (MenuBarClaims(msg)) {
    ::SendMessageW(hwnd_, WM_SYSCOMMAND, SC_KEYMENU, msg.wParam);
    return true;
  }
  if (ListShortcutClaims(msg)) return true;
  return ::IsDialogMessageW(hwnd_, &msg) != FALSE;
}

int FormWindow::RunMessageLoop() {
  MSG msg{};
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (Preprocess(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

void FormWindow::RunModalLoop() {
  // Only this window takes keys meanwhile: the others are disabled, so no
  // other window's shortcuts or dialog keys need translating here.
  MSG msg{};
  while (hwnd_ != nullptr) {
    if (::GetMessageW(&msg, nullptr, 0, 0) <= 0) {
      // The program's own loop must see the request to quit as well.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (Preprocess(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

}  // namespace hovrel
