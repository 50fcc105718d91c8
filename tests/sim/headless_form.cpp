// The headless window; see headless_form.h.
#include "sim/headless_form.h"

#include "ui/menu_tree.h"

namespace hovrel::sim {
namespace {

// Thrown by End() and caught where the user's action began: the process is
// gone, so nothing after End() may run.
struct ProgramEnded {};

// The program's own windows belong to another process than the fixtures.
constexpr unsigned kOwnProcess = 1;

}  // namespace

HeadlessForm::HeadlessForm(SimulatedDesktop& desktop, const FormDescription& form)
    : desktop_(desktop),
      form_(form),
      hwnd_(desktop.Add(WindowOptions{std::string(form.caption), kFramedStyle, false, kOwnProcess})) {
  for (const ControlSpec& control : form.controls)
    if (control.kind == ControlKind::ListBox)
      lists_.emplace(control.name, std::make_unique<FakeListBox>());
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
  Raise([](FormEvents& e) { e.Form_Load(); });
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

std::vector<std::string> HeadlessForm::MenuBar() const {
  std::vector<std::string> captions;
  for (const MenuNode& title : BuildMenuTree(form_.menus).bar)
    captions.emplace_back(DisplayCaption(*title.item));
  return captions;
}

bool HeadlessForm::Checked(CommandId menuItem) const {
  const auto found = checked_.find(menuItem);
  return found != checked_.end() && found->second;
}

void HeadlessForm::SetChecked(CommandId menuItem, bool checked) {
  if (const auto found = checked_.find(menuItem); found != checked_.end()) found->second = checked;
}

void HeadlessForm::Unload() {
  ++unloads_;
  events_->Form_Unload();
  desktop_.Remove(hwnd_);
}

void HeadlessForm::End() {
  ended_ = true;
  desktop_.Remove(hwnd_);
  throw ProgramEnded{};
}

}  // namespace hovrel::sim
