// A headless double of a built window: what the window builder would make
// from a form description, without any window system. Its handle is a
// window on the simulated desktop, its list boxes are FakeListBoxes, its
// menu check marks start as the description says, and the test plays the
// user: clicks, repaints, the close box.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sim/fake_list_box.h"
#include "sim/simulated_desktop.h"
#include "ui/form_description.h"
#include "ui/form_host.h"

namespace hovrel::sim {

class HeadlessForm final : public FormHost {
 public:
  // The window exists, not yet loaded: no event has been raised.
  HeadlessForm(SimulatedDesktop& desktop, const FormDescription& form);

  // What the forms runtime does at start: raises Form_Load, shows the window.
  void Load(FormEvents& events);

  // The user's actions. None of them raises anything once the program ended.
  void Click(CommandId id);
  void Repaint();
  void PressCloseBox();

  FakeListBox& List(CommandId name) { return *lists_.at(name); }
  // The captions of the menu bar, left to right.
  std::vector<std::string> MenuBar() const;
  bool ended() const { return ended_; }
  int unloads() const { return unloads_; }

  // FormHost
  Hwnd hWnd() const override { return hwnd_; }
  ListBox& ListControl(CommandId name) override { return List(name); }
  bool Checked(CommandId menuItem) const override;
  void SetChecked(CommandId menuItem, bool checked) override;
  void Unload() override;
  // Does not return, as the real one does not: unwinds to the user action
  // that led here.
  void End() override;

 private:
  template <typename Action>
  void Raise(Action action);

  SimulatedDesktop& desktop_;
  const FormDescription& form_;
  Hwnd hwnd_;
  FormEvents* events_ = nullptr;
  std::map<CommandId, std::unique_ptr<FakeListBox>> lists_;
  std::map<CommandId, bool> checked_;
  bool ended_ = false;
  int unloads_ = 0;
};

}  // namespace hovrel::sim
