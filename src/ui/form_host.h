// The small interface between a form's portable handlers and the window that
// was built for it. The window builder (platform/form_win32.*) implements
// FormHost for real windows, the tests a headless double; a form's handler
// class implements FormEvents and is told of its window's events.
#pragma once

#include "inventory/list_box.h"
#include "platform/window_system.h"
#include "ui/command_id.h"

namespace hovrel {

class FormEvents {
 public:
  virtual ~FormEvents() = default;

  // Before the window is first shown.
  virtual void Form_Load() {}
  // Each time the client area is repainted.
  virtual void Form_Paint() {}
  // The window is being closed: close box, or Unload() from a handler.
  virtual void Form_Unload() {}
  // A button click, menu click, shortcut key or list double-click, by the
  // id of the control or menu item.
  virtual void Command(CommandId id) = 0;
};

class FormHost {
 public:
  virtual ~FormHost() = default;

  virtual Hwnd hWnd() const = 0;
  // The list box control of that name.
  virtual ListBox& ListControl(CommandId name) = 0;
  virtual bool Checked(CommandId menuItem) const = 0;
  virtual void SetChecked(CommandId menuItem, bool checked) = 0;
  // Raises Form_Unload, then destroys the window.
  virtual void Unload() = 0;
  // Ends the program at once: every window goes, no further event of any
  // window is raised, and the call does not return.
  virtual void End() = 0;
};

}  // namespace hovrel
