// What a form's portable handlers ask of their window through Win32Form:
// its texts, pictures and menu checks, its state and visibility, pop-up
// menus, notes, timers, modality and unloading.
#include "forms/win32/form_window_win32.h"

#include "platform/wide_text_win32.h"
#include "platform/win32_handle.h"

namespace hovrel {

FormWindow::~FormWindow() {
  disabled_.reset();
  if (hwnd_ != nullptr && ::IsWindow(hwnd_)) ::DestroyWindow(hwnd_);
}

std::string FormWindow::Caption() const {
  std::wstring caption(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd_)) + 1, L'\0');
  caption.resize(static_cast<std::size_t>(::GetWindowTextW(hwnd_, caption.data(), static_cast<int>(caption.size()))));
  return Narrow(caption);
}

void FormWindow::SetCaption(CommandId label, std::string_view text) {
  ::SetDlgItemTextW(hwnd_, static_cast<int>(label), Widen(text).c_str());
}

std::uint32_t FormWindow::Picture(CommandId image) const {
  // The image control keeps the icon; pictures_ owns it.
  const LRESULT icon = ::SendDlgItemMessageW(hwnd_, static_cast<int>(image), STM_GETICON, 0, 0);
  return static_cast<std::uint32_t>(icon);
}

bool FormWindow::Checked(CommandId menuItem) const {
  const UINT id = static_cast<UINT>(menuItem);
  // GetMenuState searches submenus too, and answers -1 for an id the menu
  // does not hold.
  UINT state = ::GetMenuState(::GetMenu(hwnd_), id, MF_BYCOMMAND);
  for (const auto& [name, popup] : popups_)
    if (state == static_cast<UINT>(-1)) state = ::GetMenuState(popup.get(), id, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

void FormWindow::SetChecked(CommandId menuItem, bool checked) {
  const UINT flags = MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED);
  const UINT id = static_cast<UINT>(menuItem);
  ::CheckMenuItem(::GetMenu(hwnd_), id, flags);
  for (const auto& [name, popup] : popups_) ::CheckMenuItem(popup.get(), id, flags);
}

int FormWindow::WindowState() const {
  if (::IsIconic(hwnd_)) return kWindowMinimised;
  if (::IsZoomed(hwnd_)) return kWindowMaximised;
  return kWindowNormal;
}

void FormWindow::SetWindowState(int state) {
  if (state == WindowState()) return;
  ::ShowWindow(hwnd_, state == kWindowMinimised ? SW_MINIMIZE : SW_RESTORE);
}

bool FormWindow::Visible() const { return ::IsWindowVisible(hwnd_) != FALSE; }

void FormWindow::Show() {
  ::ShowWindow(hwnd_, SW_SHOW);
  // While a modal window that it owns is open, that one is brought to the
  // front: this one is disabled and takes no input.
  ::SetForegroundWindow(::GetLastActivePopup(hwnd_));
}

void FormWindow::Hide() { ::ShowWindow(hwnd_, SW_HIDE); }

void FormWindow::PopupMenu(CommandId menu) {
  const auto found = popups_.find(menu);
  if (found == popups_.end()) return;
  POINT pointer{};
  ::GetCursorPos(&pointer);
  // The chosen item arrives as WM_COMMAND like any menu item's.
  ::TrackPopupMenu(found->second.get(), 0, pointer.x, pointer.y, 0, hwnd_, nullptr);
  // A menu opened for a notification icon closes on a click elsewhere only
  // while its window is the foreground window (the caller makes it so), and
  // the next click on the icon would close it at once unless a message
  // reaches the window after it: hence this empty one.
  ::PostMessageW(hwnd_, WM_NULL, 0, 0);
}

void FormWindow::ShowNote(Hwnd over, std::string_view text) {
  if (!note_) note_.emplace();
  note_->Show(ToHwnd(over), Widen(text));
}

void FormWindow::StartTimer(int id, unsigned ms) { ::SetTimer(hwnd_, static_cast<UINT_PTR>(id), ms, nullptr); }

void FormWindow::ShowModal(FormEvents& events) {
  events_ = &events;
  events.Form_Load();
  disabled_.emplace(hwnd_);
  ShowFirstTime(SW_SHOWNORMAL);
  RunModalLoop();
}

void FormWindow::Unload() {
  if (events_ != nullptr) events_->Form_Unload();
  // Enabled before this window goes, so the window system hands the
  // activation back to them rather than to some other program's window.
  disabled_.reset();
  if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
  hwnd_ = nullptr;
}

}  // namespace hovrel
