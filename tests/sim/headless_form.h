// A headless double of a built window: its handle is a window on the simulated
// desktop, its list box a FakeListBox, its check marks and captions start as
// the form description says. Tests raise its events on the form's handlers.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "forms/form_host.h"
#include "forms/form_layout.h"
#include "sim/fake_list_box.h"
#include "sim/simulated_desktop.h"

namespace hovrel::sim {

class HeadlessForm;

// Plays the user while a window is shown modal: the real show returns only
// once the window is unloaded, so one the test left open is counted.
struct HeadlessForms final : Forms {
  explicit HeadlessForms(SimulatedDesktop& desktop) : desktop(desktop) {}
  std::unique_ptr<FormHost> Create(const FormDescription& form, const FormHost& owner) override;
  SimulatedDesktop& desktop;
  std::function<void(HeadlessForm&)> whileModal;
  int leftOpen = 0;
};

// Thrown by End(), as the real one never returns: the process is gone.
struct ProgramEnded {};

class HeadlessForm final : public FormHost, Worker {
 public:
  // Not yet loaded: no event has been raised.
  HeadlessForm(SimulatedDesktop& desktop, const FormDescription& form, HeadlessForms& forms)
      : desktop_(desktop), form_(form), forms_(forms), hwnd_(desktop.Add(WindowOptions{.title = std::string(form.caption), .style = kFramedStyle & ~WS_VISIBLE, .thread = kProgramThread})) {
    for (const ControlSpec& control : form.controls) captions_[control.name] = std::string(control.caption);
    for (const MenuSpec& item : form.menus)
      if (item.name != kNoCommand) checked_[item.name] = (item.state & kChecked) != 0;
  }

  // Raises Form_Load and shows the window, as the program's start does, then
  // the timers due as soon as it is idle (later ones never run here).
  void Load(FormEvents& events) {
    events_ = &events;
    loaded = true;
    events.Form_Load();
    Show();
    // The first show takes the state the program was started in.
    if (startState != kWindowNormal) SetWindowState(startState);
    RunIdleTimers();
  }
  // Raises the timers due as soon as the program is idle, as it gets there;
  // with `all`, every timer, as their time comes.
  void RunIdleTimers(bool all = false) {
    for (const auto& [id, ms] : std::exchange(timers_, {}))
      if (ms == 0 || all) events_->Form_Timer(id);
  }
  FormEvents& events() { return *events_; }
  FakeListBox& List() { return list_; }
  std::string ControlCaption(CommandId control) const { return captions_.at(control); }

  bool loaded = false, ended = false;
  // Each menu opened at the pointer, with the foreground window then.
  std::vector<std::pair<CommandId, Hwnd>> popups;
  // Each note shown: the window it lay over, and its text.
  std::vector<std::pair<Hwnd, std::string>> notes;
  float twipsPerPixelX = 15;
  int startState = kWindowNormal;

  // FormHost
  Hwnd hWnd() const override { return hwnd_; }
  std::string Caption() const override { return std::string(form_.caption); }
  ListBox& ListControl(CommandId) override { return list_; }
  void SetCaption(CommandId label, std::string_view text) override { captions_.at(label) = text; }
  // A handle made up from the image's icon resource.
  std::uint32_t Picture(CommandId image) const override {
    const ControlSpec* control = FindControl(form_.controls, image);
    return control && control->picture ? 0x7000 + control->picture : 0;
  }
  bool Checked(CommandId menuItem) const override { return checked_.at(menuItem); }
  void SetChecked(CommandId menuItem, bool checked) override { checked_.at(menuItem) = checked; }
  int ScaleMode() const override { return kScaleTwips; }
  float TwipsPerPixelX() const override { return twipsPerPixelX; }
  int WindowState() const override { return windowState_; }
  // As the window system does, a change of state is a resize.
  void SetWindowState(int state) override {
    windowState_ = state;
    events_->Form_Resize();
  }
  bool Visible() const override { return visible_; }
  void Show() override { visible_ = true; }
  void Hide() override { visible_ = false; }
  void PopupMenu(CommandId menu) override { popups.emplace_back(menu, desktop_.foreground); }
  void ShowNote(Hwnd over, std::string_view text) override { notes.emplace_back(over, text); }
  void StartTimer(int id, unsigned ms) override { timers_[id] = ms; }
  Worker& Background() override { return *this; }
  // Kept until the test lets it run with FinishWork.
  void Run(int, Job job) override { work_.push_back(std::move(job)); }
  // Runs the background work, off the program's thread, each job's
  // completion then on it, until no job is left.
  void FinishWork() {
    while (!work_.empty()) {
      for (Job& job : std::exchange(work_, {})) {
        desktop_.programThread = false;
        const Completion done = job();
        desktop_.programThread = true;
        if (done) done();
      }
    }
  }
  bool Wait(int, unsigned) override {
    FinishWork();
    return true;
  }
  // The test plays the user before the show returns.
  void ShowModal(FormEvents& events) override {
    Load(events);
    if (forms_.whileModal) forms_.whileModal(*this);
    if (loaded) ++forms_.leftOpen;
  }
  void Unload() override {
    loaded = false;
    events_->Form_Unload();
    desktop_.Remove(hwnd_);
  }
  // The background work not yet done goes with the process.
  void End() override {
    ended = true;
    work_.clear();
    desktop_.Remove(hwnd_);
    throw ProgramEnded{};
  }

 private:
  SimulatedDesktop& desktop_;
  const FormDescription& form_;
  HeadlessForms& forms_;
  Hwnd hwnd_;
  FormEvents* events_ = nullptr;
  FakeListBox list_;
  std::map<CommandId, bool> checked_;
  std::map<CommandId, std::string> captions_;
  std::map<int, unsigned> timers_;  // by id, the milliseconds left
  std::vector<Job> work_;
  int windowState_ = kWindowNormal;
  bool visible_ = false;
};

inline std::unique_ptr<FormHost> HeadlessForms::Create(const FormDescription& form, const FormHost&) {
  return std::make_unique<HeadlessForm>(desktop, form, *this);
}

}  // namespace hovrel::sim
