// The headless window; see headless_form.h.
#include "sim/headless_form.h"

#include "forms/form_layout.h"

namespace hovrel::sim {

std::unique_ptr<FormHost> HeadlessForms::Create(const FormDescription& form, const FormHost&) {
  return std::make_unique<HeadlessForm>(desktop, form, *this);
}

HeadlessForm::HeadlessForm(SimulatedDesktop& desktop, const FormDescription& form, HeadlessForms& forms)
    : desktop_(desktop), form_(form), forms_(forms), hwnd_(desktop.Add(std::string(form.caption), kFramedStyle & ~WS_VISIBLE)) {
  for (const ControlSpec& control : form.controls) captions_[control.name] = std::string(control.caption);
  for (const MenuSpec& item : form.menus)
    if (item.name != kNoCommand) checked_[item.name] = (item.state & kChecked) != 0;
}

std::uint32_t HeadlessForm::Picture(CommandId image) const {
  const ControlSpec* control = FindControl(form_.controls, image);
  return control && control->picture ? 0x7000 + control->picture : 0;
}

void HeadlessForm::ShowModal(FormEvents& events) {
  Load(events);
  if (forms_.whileModal) forms_.whileModal(*this);
  if (loaded) ++forms_.leftOpen;
}

}  // namespace hovrel::sim
