// Win32Form, the FormHost of a real window: each call goes to its
// FormWindow; see form_win32.h.
#include "forms/win32/form_win32.h"

#include "forms/win32/form_window_win32.h"
#include "platform/win32_handle.h"

namespace hovrel {

Win32Form::Win32Form(const FormDescription& form, Hwnd owner)
    : window_(std::make_unique<FormWindow>(form, ToHwnd(owner))) {}

Win32Form::~Win32Form() = default;

void Win32Form::Load(FormEvents& events, int show) { window_->Load(events, show); }
int Win32Form::RunMessageLoop() { return window_->RunMessageLoop(); }

Hwnd Win32Form::hWnd() const { return FromHwnd(window_->Handle()); }
std::string Win32Form::Caption() const { return window_->Caption(); }
ListBox& Win32Form::ListControl(CommandId name) { return window_->ListControl(name); }
void Win32Form::SetCaption(CommandId label, std::string_view text) { window_->SetCaption(label, text); }
std::uint32_t Win32Form::Picture(CommandId image) const { return window_->Picture(image); }
bool Win32Form::Checked(CommandId menuItem) const { return window_->Checked(menuItem); }
void Win32Form::SetChecked(CommandId menuItem, bool checked) { window_->SetChecked(menuItem, checked); }
int Win32Form::ScaleMode() const { return kScaleTwips; }
float Win32Form::TwipsPerPixelX() const { return window_->TwipsPerPixelX(); }
int Win32Form::WindowState() const { return window_->WindowState(); }
void Win32Form::SetWindowState(int state) { window_->SetWindowState(state); }
bool Win32Form::Visible() const { return window_->Visible(); }
void Win32Form::Show() { window_->Show(); }
void Win32Form::Hide() { window_->Hide(); }
void Win32Form::PopupMenu(CommandId menu) { window_->PopupMenu(menu); }
void Win32Form::ShowNote(Hwnd over, std::string_view text) { window_->ShowNote(over, text); }
void Win32Form::StartTimer(int id, unsigned ms) { window_->StartTimer(id, ms); }
Worker& Win32Form::Background() { return window_->Background(); }
void Win32Form::ShowModal(FormEvents& events) { window_->ShowModal(events); }
void Win32Form::Unload() { window_->Unload(); }

void Win32Form::End() {
  // At once: no window of the program gets another message, also when this
  // is called from inside another window's message or an enumeration. Lanes
  // end wherever they are.
  ::ExitProcess(0);
}

std::unique_ptr<FormHost> Win32Forms::Create(const FormDescription& form, const FormHost& owner) {
  return std::make_unique<Win32Form>(form, owner.hWnd());
}

}  // namespace hovrel
