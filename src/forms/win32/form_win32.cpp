// Win32Form, the FormHost of a real window; see form_win32.h.
#include "forms/win32/form_win32.h"

#include "forms/win32/form_window_win32.h"
#include "platform/wide_text_win32.h"
#include "platform/win32_handle.h"

namespace hovrel {

Win32Form::Win32Form(const FormDescription& form, Hwnd owner)
    : window_(std::make_unique<FormWindow>(*this, form, ToHwnd(owner))) {
  window_->Create();
}

Win32Form::~Win32Form() {
  window_->disabled_.reset();
  if (window_->hwnd_ != nullptr && ::IsWindow(window_->hwnd_)) ::DestroyWindow(window_->hwnd_);
}

void Win32Form::Load(FormEvents& events, int show) { window_->Load(events, show); }

int Win32Form::RunMessageLoop() { return window_->RunMessageLoop(); }

Hwnd Win32Form::hWnd() const { return FromHwnd(window_->hwnd_); }

std::string Win32Form::Caption() const {
  std::wstring caption(static_cast<std::size_t>(::GetWindowTextLengthW(window_->hwnd_)) + 1, L'\0');
  caption.resize(static_cast<std::size_t>(
      ::GetWindowTextW(window_->hwnd_, caption.data(), static_cast<int>(caption.size()))));
  return Narrow(caption);
}

ListBox& Win32Form::ListControl(CommandId name) { return window_->lists_.at(name); }

void Win32Form::SetCaption(CommandId label, std::string_view text) {
  ::SetDlgItemTextW(window_->hwnd_, static_cast<int>(label), Widen(text).c_str());
}

std::uint32_t Win32Form::Picture(CommandId image) const {
  // The image control keeps the icon; pictures_ owns it.
  const LRESULT icon = ::SendDlgItemMessageW(window_->hwnd_, static_cast<int>(image), STM_GETICON, 0, 0);
  return static_cast<std::uint32_t>(icon);
}

bool Win32Form::Checked(CommandId menuItem) const {
  const UINT id = static_cast<UINT>(menuItem);
  // GetMenuState searches submenus too, and answers -1 for an id the menu
  // does not hold.
  UINT state = ::GetMenuState(::GetMenu(window_->hwnd_), id, MF_BYCOMMAND);
  for (const auto& [name, popup] : window_->popups_)
    if (state == static_cast<UINT>(-1)) state = ::GetMenuState(popup.get(), id, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

void Win32Form::SetChecked(CommandId menuItem, bool checked) {
  const UINT flags = MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED);
  const UINT id = static_cast<UINT>(menuItem);
  ::CheckMenuItem(::GetMenu(window_->hwnd_), id, flags);
  for (const auto& [name, popup] : window_->popups_) ::CheckMenuItem(popup.get(), id, flags);
}

int Win32Form::ScaleMode() const { return kScaleTwips; }

float Win32Form::TwipsPerPixelX() const { return window_->TwipsPerPixelX(); }

int Win32Form::WindowState() const {
  if (::IsIconic(window_->hwnd_)) return kWindowMinimised;
  if (::IsZoomed(window_->hwnd_)) return kWindowMaximised;
  return kWindowNormal;
}

void Win32Form::SetWindowState(int state) {
  if (state == WindowState()) return;
  ::ShowWindow(window_->hwnd_, state == kWindowMinimised ? SW_MINIMIZE : SW_RESTORE);
}

bool Win32Form::Visible() const { return ::IsWindowVisible(window_->hwnd_) != FALSE; }

void Win32Form::Show() {
  ::ShowWindow(window_->hwnd_, SW_SHOW);
  // While a modal window that it owns is open, that one is brought to the
  // front: this one is disabled and takes no input.
  ::SetForegroundWindow(::GetLastActivePopup(window_->hwnd_));
}

void Win32Form::Hide() { ::ShowWindow(window_->hwnd_, SW_HIDE); }

void Win32Form::PopupMenu(CommandId menu) {
  const auto found = window_->popups_.find(menu);
  if (found == window_->popups_.end()) return;
  POINT pointer{};
  ::GetCursorPos(&pointer);
  // The chosen item arrives as WM_COMMAND like any menu item's.
  ::TrackPopupMenu(found->second.get(), 0, pointer.x, pointer.y, 0, window_->hwnd_, nullptr);
  // A menu opened for a notification icon closes on a click elsewhere only
  // while its window is the foreground window (the caller makes it so), and
  // the next click on the icon would close it at once unless a message
  // reaches the window after it: hence this empty one.
  ::PostMessageW(window_->hwnd_, WM_NULL, 0, 0);
}

void Win32Form::StartTimer(int id, unsigned ms) {
  ::SetTimer(window_->hwnd_, static_cast<UINT_PTR>(id), ms, nullptr);
}

namespace {

struct BackgroundWork {
  HWND window;
  int id;
  std::function<void()> work;
  // The thread of the work of the same id started before, waited for
  // first; null for none. The job owns this handle.
  HANDLE before;
};

DWORD WINAPI RunBackgroundWork(void* parameter) {
  const std::unique_ptr<BackgroundWork> job(static_cast<BackgroundWork*>(parameter));
  if (job->before != nullptr) {
    ::WaitForSingleObject(job->before, INFINITE);
    ::CloseHandle(job->before);
  }
  job->work();
  // Posted: the window's thread raises the event between its other messages.
  ::PostMessageW(job->window, kWorkDoneMessage, static_cast<WPARAM>(job->id), 0);
  return 0;
}

}  // namespace

void Win32Form::RunInBackground(int id, std::function<void()> work) {
  OwnedHandle& last = window_->lastWork_[id];
  HANDLE before = nullptr;
  if (last) ::DuplicateHandle(::GetCurrentProcess(), last.get(), ::GetCurrentProcess(), &before, SYNCHRONIZE, FALSE, 0);
  auto job = std::make_unique<BackgroundWork>(BackgroundWork{window_->hwnd_, id, std::move(work), before});
  // The program waits for a thread only in WaitForWork; its end, at Exit,
  // ends the thread wherever it is.
  if (HANDLE thread = ::CreateThread(nullptr, 0, &RunBackgroundWork, job.get(), 0, nullptr)) {
    job.release();
    last = OwnedHandle(thread);
    return;
  }
  // No thread to be had: the work is done all the same, here and now.
  RunBackgroundWork(job.release());
}

bool Win32Form::WaitForWork(int id, unsigned ms) {
  const auto found = window_->lastWork_.find(id);
  if (found == window_->lastWork_.end()) return true;
  HANDLE thread = found->second.get();
  const DWORD deadline = ::GetTickCount() + ms;
  // The work may send this window a message (a change of its own style, say)
  // and wait for the answer: what is sent is answered while waiting.
  for (;;) {
    const DWORD now = ::GetTickCount(), left = static_cast<LONG>(deadline - now) > 0 ? deadline - now : 0;
    const DWORD woken = ::MsgWaitForMultipleObjects(1, &thread, FALSE, left, QS_SENDMESSAGE);
    if (woken == WAIT_OBJECT_0) return true;
    if (woken != WAIT_OBJECT_0 + 1) return false;
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

void Win32Form::ShowModal(FormEvents& events) {
  window_->events_ = &events;
  events.Form_Load();
  window_->disabled_.emplace(window_->hwnd_);
  window_->ShowFirstTime(SW_SHOWNORMAL);
  window_->RunModalLoop();
}

void Win32Form::Unload() {
  if (window_->events_ != nullptr) window_->events_->Form_Unload();
  // Enabled before this window goes, so the window system hands the
  // activation back to them rather than to some other program's window.
  window_->disabled_.reset();
  if (window_->hwnd_ != nullptr) ::DestroyWindow(window_->hwnd_);
  window_->hwnd_ = nullptr;
}

void Win32Form::End() {
  // At once: no window of the program gets another message, also when this
  // is called from inside another window's message or an enumeration.
  ::ExitProcess(0);
}


std::unique_ptr<FormHost> Win32Forms::Create(const FormDescription& form, const FormHost& owner) {
  return std::make_unique<Win32Form>(form, owner.hWnd());
}

}  // namespace hovrel
