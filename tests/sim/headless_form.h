// A headless double of a built window: what the window builder would make
// from a form description, without any window system. Its handle is a
// window on the simulated desktop, its list boxes are FakeListBoxes, its
// menu check marks and label captions start as the description says, and
// the test plays the user: clicks, repaints, minimising, the close box, the
// notification icon's messages. HeadlessForms makes further windows and lets
// the test act while one of them is shown modal.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sim/fake_list_box.h"
#include "sim/simulated_desktop.h"
#include "ui/form_description.h"
#include "ui/form_host.h"

namespace hovrel::sim {

class HeadlessForm;

class HeadlessForms final : public Forms {
 public:
  explicit HeadlessForms(SimulatedDesktop& desktop) : desktop_(desktop) {}

  std::unique_ptr<FormHost> Create(const FormDescription& form) override;

  // Plays the user while a window is shown modal. The real show returns
  // only once the window is unloaded; one the test left open is counted.
  std::function<void(HeadlessForm&)> whileModal;
  int created = 0;
  int modalShows = 0;
  int leftOpen = 0;

 private:
  SimulatedDesktop& desktop_;
};

struct PopupShown {
  CommandId menu;
  Hwnd foreground;  // the foreground window when it opened
  bool operator==(const PopupShown&) const = default;
};

class HeadlessForm final : public FormHost {
 public:
  // The window exists, not yet loaded: no event has been raised.
  HeadlessForm(SimulatedDesktop& desktop, const FormDescription& form,
               HeadlessForms* forms = nullptr);

  // What the forms runtime does at start: raises Form_Load, shows the window.
  void Load(FormEvents& events);

  // The user's actions. None of them raises anything once the program ended.
  void Click(CommandId id);
  void Repaint();
  void PressCloseBox();
  void Minimise();
  // The window's WM_MOUSEMOVE as the window system delivers it: X is the
  // low word of lParam, a pixel position, in the form's scale unit.
  void MouseMove(std::uintptr_t wParam, std::intptr_t lParam);
  // The shell's "TaskbarCreated" broadcast.
  void TaskbarRecreated();

  FakeListBox& List(CommandId name) { return *lists_.at(name); }
  // The captions of the menu bar, left to right.
  std::vector<std::string> MenuBar() const;
  std::string ControlCaption(CommandId control) const;
  bool ended() const { return ended_; }
  bool loaded() const { return loaded_; }
  int unloads() const { return unloads_; }
  const std::vector<PopupShown>& popups() const { return popups_; }

  int scaleMode = kScaleTwips;
  float twipsPerPixelX = 15;

  // FormHost
  Hwnd hWnd() const override { return hwnd_; }
  std::string Caption() const override { return std::string(form_.caption); }
  ListBox& ListControl(CommandId name) override { return List(name); }
  void SetCaption(CommandId label, std::string_view text) override;
  // A handle made up from the image's icon resource.
  std::uint32_t Picture(CommandId image) const override;
  bool Checked(CommandId menuItem) const override;
  void SetChecked(CommandId menuItem, bool checked) override;
  int ScaleMode() const override { return scaleMode; }
  float TwipsPerPixelX() const override { return twipsPerPixelX; }
  int WindowState() const override { return windowState_; }
  void SetWindowState(int state) override;
  bool Visible() const override { return visible_; }
  void Show() override;
  void Hide() override;
  void PopupMenu(CommandId menu) override;
  void ShowModal(FormEvents& events) override;
  void Unload() override;
  // Does not return, as the real one does not: unwinds to the user action
  // that led here.
  void End() override;

 private:
  template <typename Action>
  void Raise(Action action);
  void UpdateStyle();

  SimulatedDesktop& desktop_;
  const FormDescription& form_;
  HeadlessForms* forms_;
  Hwnd hwnd_;
  FormEvents* events_ = nullptr;
  std::map<CommandId, std::unique_ptr<FakeListBox>> lists_;
  std::map<CommandId, bool> checked_;
  std::map<CommandId, std::string> captions_;
  std::vector<PopupShown> popups_;
  int windowState_ = kWindowNormal;
  bool visible_ = false;
  bool loaded_ = false;
  bool ended_ = false;
  int unloads_ = 0;
};

}  // namespace hovrel::sim
