// The forms toolkit on real windows: Win32Form is the FormHost of a window
// built from a form description (form_builder_win32.cpp), Win32Forms makes
// them for the portable code. The program's entry point runs the main
// form's message loop through it.
#pragma once

#include <memory>

#include "forms/form_description.h"
#include "forms/form_host.h"

namespace hovrel {

class FormWindow;

class Win32Form final : public FormHost {
 public:
  // Builds the window and its controls, hidden; no event is raised yet.
  // An owned window (owner not 0) stays above its owner.
  explicit Win32Form(const FormDescription& form, Hwnd owner = 0);
  ~Win32Form() override;
  Win32Form(const Win32Form&) = delete;
  Win32Form& operator=(const Win32Form&) = delete;

  // Raises Form_Load, then shows the window as `show` says (the program's
  // start: a shortcut may say to run it minimised) with the focus on the
  // first control in tab order that takes it.
  void Load(FormEvents& events, int show);
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
  void ShowNote(Hwnd over, std::string_view text) override;
  void StartTimer(int id, unsigned ms) override;
  Worker& Background() override;
  void ShowModal(FormEvents& events) override;
  void Unload() override;
  [[noreturn]] void End() override;

 private:
  std::unique_ptr<FormWindow> window_;
};

class Win32Forms final : public Forms {
 public:
  std::unique_ptr<FormHost> Create(const FormDescription& form, const FormHost& owner) override;
};

}  // namespace hovrel
