// The window builder: makes a real window from a form description (window,
// controls, menus, shortcuts, fonts and icons at the screen's resolution),
// raises the form's events from its messages and runs the message loops, the
// program's and a modal window's. The only code that creates windows;
// Win32Forms hands it to the portable code.
#pragma once

#include <memory>

#include "ui/form_description.h"
#include "ui/form_host.h"

namespace hovrel {

class Win32Form final : public FormHost {
 public:
  // Builds the window and its controls, hidden; no event is raised yet.
  explicit Win32Form(const FormDescription& form);
  ~Win32Form() override;
  Win32Form(const Win32Form&) = delete;
  Win32Form& operator=(const Win32Form&) = delete;

  // Raises Form_Load, then shows the window with the focus on the first
  // control in tab order that takes it.
  void Load(FormEvents& events);
  // Runs the program's message loop; returns when the loop is told to quit.
  int RunMessageLoop();

  Hwnd hWnd() const override;
  std::string Caption() const override;
  ListBox& ListControl(CommandId name) override;
  void SetCaption(CommandId label, std::string_view text) override;
  std::uint32_t Picture(CommandId image) const override;
  bool Checked(CommandId menuItem) const override;
  void SetChecked(CommandId menuItem, bool checked) override;
  int ScaleMode() const override;
  float TwipsPerPixelX() const override;
  int WindowState() const override;
  void SetWindowState(int state) override;
  bool Visible() const override;
  void Show() override;
  void Hide() override;
  void PopupMenu(CommandId menu) override;
  void ShowModal(FormEvents& events) override;
  void Unload() override;
  [[noreturn]] void End() override;

 private:
  class Window;
  std::unique_ptr<Window> window_;
};

class Win32Forms final : public Forms {
 public:
  std::unique_ptr<FormHost> Create(const FormDescription& form) override;
};

}  // namespace hovrel
