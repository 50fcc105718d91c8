// A sorted LISTBOX behind the ListBox interface; its rows are kept as UTF-16.
#include "forms/win32/list_box_win32.h"

// After our headers: see window_system.h.
#include <windows.h>

#include "platform/wide_text_win32.h"
#include "platform/win32_handle.h"

namespace hovrel {
namespace {

LRESULT Send(Hwnd control, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
  return ::SendMessageW(ToHwnd(control), msg, wParam, lParam);
}

// Rows average well under this many bytes of title; LB_INITSTORAGE only
// needs an estimate.
constexpr int kBytesPerRowEstimate = 48;

// How soon to ask again while a button is held on the list.
constexpr unsigned kHeldButtonPollMs = 50;

}  // namespace

void Win32ListBox::Clear() {
  Send(control_, LB_RESETCONTENT);
  newIndex_ = -1;
}

void Win32ListBox::AddItem(std::string_view text) {
  const std::wstring row = Widen(text);
  const auto index = Send(control_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
  newIndex_ = index < 0 ? -1 : static_cast<int>(index);
}

void Win32ListBox::SetItemData(int index, std::uint32_t data) {
  Send(control_, LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
}

std::uint32_t Win32ListBox::ItemData(int index) const {
  return static_cast<std::uint32_t>(Send(control_, LB_GETITEMDATA, static_cast<WPARAM>(index)));
}

std::string Win32ListBox::List(int index) const {
  const auto length = Send(control_, LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied = Send(control_, LB_GETTEXT, static_cast<WPARAM>(index),
                           reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
  return Narrow(text);
}

int Win32ListBox::ListCount() const { return static_cast<int>(Send(control_, LB_GETCOUNT)); }

int Win32ListBox::ListIndex() const { return static_cast<int>(Send(control_, LB_GETCURSEL)); }

void Win32ListBox::SetListIndex(int index) { Send(control_, LB_SETCURSEL, static_cast<WPARAM>(index)); }

int Win32ListBox::TopIndex() const { return static_cast<int>(Send(control_, LB_GETTOPINDEX)); }

void Win32ListBox::SetTopIndex(int index) { Send(control_, LB_SETTOPINDEX, static_cast<WPARAM>(index)); }

void Win32ListBox::RedrawRow(int index) {
  RECT row{};
  if (Send(control_, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&row)) == LB_ERR) return;
  // Painted now rather than at the next paint, and only the list: a repaint
  // of the main window would rebuild the whole list.
  ::RedrawWindow(ToHwnd(control_), &row, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

unsigned Win32ListBox::MsUntilClicksSettle() const {
  // A list box captures the mouse while its left button is held on it.
  if (::GetCapture() == ToHwnd(control_)) return kHeldButtonPollMs;
  if (!lastClick_) return 0;
  // Unsigned, so right across the tick count's wrap every 49.7 days.
  const DWORD since = ::GetTickCount() - *lastClick_;
  const UINT doubleClick = ::GetDoubleClickTime();
  return since < doubleClick ? doubleClick - since : 0;
}

void Win32ListBox::BeginRefill() {
  // Without this the list repaints and scrolls after every added row.
  Send(control_, WM_SETREDRAW, FALSE);
}

void Win32ListBox::Reserve(int rows) {
  if (rows > 0)
    Send(control_, LB_INITSTORAGE, static_cast<WPARAM>(rows),
         static_cast<LPARAM>(rows) * kBytesPerRowEstimate);
}

void Win32ListBox::EndRefill() {
  Send(control_, WM_SETREDRAW, TRUE);
  // Only the list itself is invalidated: invalidating its parent would
  // repaint the main window, whose repaint rebuilds the list again.
  ::RedrawWindow(ToHwnd(control_), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

}  // namespace hovrel
