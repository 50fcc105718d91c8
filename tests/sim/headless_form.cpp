// The headless window; see headless_form.h.
#include "sim/headless_form.h"

#include "tray/tray_icon.h"
#include "tray/tray_notification.h"
#include "ui/form_layout.h"
#include "ui/menu_tree.h"

namespace hovrel::sim {
namespace {

// Thrown by End() and caught where the user's action began: the process is
// gone, so nothing after End() may run.
struct ProgramEnded {};

// The program's own windows belong to another process than the fixtures.
constexpr unsigned kOwnProcess = 1;

constexpr std::uint32_t kPictureHandleBase = 0x7000;

}  // namespace

std::unique_ptr<FormHost> HeadlessForms::Create(const FormDescription& form) {
  ++created;
  return std::make_unique<HeadlessForm>(desktop_, form, this);
}

HeadlessForm::HeadlessForm(SimulatedDesktop& desktop, const FormDescription& form,
                           HeadlessForms* forms)
    : desktop_(desktop),
      form_(form),
      forms_(forms),
      hwnd_(desktop.Add(WindowOptions{std::string(form.caption), kFramedStyle & ~WS_VISIBLE, false,
                                      kOwnProcess})) {
  for (const ControlSpec& control : form.controls) {
    if (control.kind == ControlKind::ListBox)
      lists_.emplace(control.name, std::make_unique<FakeListBox>());
    captions_[control.name] = std::string(control.caption);
  }
  for (const MenuSpec& item : form.menus)
    if (item.name != CommandId::None) checked_[item.name] = (item.state & kChecked) != 0;
}

template <typename Action>
void HeadlessForm::Raise(Action action) {
  if (ended_ || events_ == nullptr) return;
  try {
    action(*events_);
  } catch (const ProgramEnded&) {
  }
}

void HeadlessForm::Load(FormEvents& events) {
  events_ = &events;
  loaded_ = true;
  Raise([this](FormEvents& e) {
    e.Form_Load();
    Show();
  });
}

void HeadlessForm::Click(CommandId id) {
  Raise([id](FormEvents& e) { e.Command(id); });
}

void HeadlessForm::Repaint() {
  Raise([](FormEvents& e) { e.Form_Paint(); });
}

void HeadlessForm::PressCloseBox() {
  Raise([this](FormEvents&) { Unload(); });
}

void HeadlessForm::Minimise() {
  Raise([this](FormEvents&) { SetWindowState(kWindowMinimised); });
}

void HeadlessForm::MouseMove(std::uintptr_t wParam, std::intptr_t lParam) {
  const auto pixels = static_cast<float>(static_cast<std::int16_t>(lParam & 0xFFFF));
  const float x = scaleMode == kScalePixels ? pixels : pixels * twipsPerPixelX;
  Raise([&](FormEvents& e) { e.Form_MouseMove({wParam, lParam, x}); });
}

void HeadlessForm::TaskbarRecreated() {
  Raise([](FormEvents& e) { e.TaskbarCreated(); });
}

std::vector<std::string> HeadlessForm::MenuBar() const {
  std::vector<std::string> captions;
  for (const MenuNode& title : BuildMenuTree(form_.menus).bar)
    captions.emplace_back(DisplayCaption(*title.item));
  return captions;
}

std::string HeadlessForm::ControlCaption(CommandId control) const {
  const auto found = captions_.find(control);
  return found == captions_.end() ? std::string() : found->second;
}

void HeadlessForm::SetCaption(CommandId label, std::string_view text) {
  if (const auto found = captions_.find(label); found != captions_.end()) found->second = text;
}

std::uint32_t HeadlessForm::Picture(CommandId image) const {
  const ControlSpec* control = FindControl(form_.controls, image);
  if (control == nullptr || control->picture == 0) return 0;
  return kPictureHandleBase + static_cast<std::uint32_t>(control->picture);
}

bool HeadlessForm::Checked(CommandId menuItem) const {
  const auto found = checked_.find(menuItem);
  return found != checked_.end() && found->second;
}

void HeadlessForm::SetChecked(CommandId menuItem, bool checked) {
  if (const auto found = checked_.find(menuItem); found != checked_.end()) found->second = checked;
}

void HeadlessForm::UpdateStyle() {
  std::uint32_t style = kFramedStyle & ~WS_VISIBLE;
  if (visible_) style |= WS_VISIBLE;
  if (windowState_ == kWindowMinimised) style |= WS_MINIMIZE;
  desktop_.SetStyle(hwnd_, style);
}

// As the window system does, a change of state is a resize.
void HeadlessForm::SetWindowState(int state) {
  windowState_ = state;
  UpdateStyle();
  if (events_ != nullptr) events_->Form_Resize();
}

void HeadlessForm::Show() {
  visible_ = true;
  UpdateStyle();
}

void HeadlessForm::Hide() {
  visible_ = false;
  UpdateStyle();
}

void HeadlessForm::PopupMenu(CommandId menu) { popups_.push_back({menu, desktop_.foreground}); }

void HeadlessForm::ShowModal(FormEvents& events) {
  events_ = &events;
  loaded_ = true;
  events.Form_Load();
  Show();
  if (forms_ == nullptr) return;
  ++forms_->modalShows;
  if (forms_->whileModal) forms_->whileModal(*this);
  if (loaded_) ++forms_->leftOpen;
}

void HeadlessForm::Unload() {
  ++unloads_;
  loaded_ = false;
  events_->Form_Unload();
  desktop_.Remove(hwnd_);
}

void HeadlessForm::End() {
  ended_ = true;
  desktop_.Remove(hwnd_);
  throw ProgramEnded{};
}

}  // namespace hovrel::sim
