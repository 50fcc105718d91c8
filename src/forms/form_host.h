// The small interface between a form's portable handlers and the window that
// was built for it. The window builder (forms/win32/form_win32.*) implements
// FormHost for real windows, the tests a headless double; a form's handler
// class implements FormEvents and is told of its window's events. Forms makes
// further windows (the About box) from their descriptions.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "forms/list_box.h"
#include "platform/window_system.h"
#include "forms/form_description.h"
#include "forms/window_state.h"

namespace hovrel {

// A form's ScaleMode when its coordinates are twips, as every form's are.
inline constexpr int kScaleTwips = 1;

// The window's mouse-move message as it came. The notification icon reports
// its mouse actions as this same message, so both kinds arrive here.
struct MouseMoveEvent {
  std::uintptr_t wParam;
  std::intptr_t lParam;
  float X;  // the horizontal position in lParam, in the form's scale unit
  // The pointer was at the point in lParam when the message was sent: a
  // real move. The icon's message comes while the pointer is over the icon.
  bool atPointer;
};

class FormEvents {
 public:
  virtual ~FormEvents() = default;

  // Before the window is first shown.
  virtual void Form_Load() {}
  // Each time the client area is repainted.
  virtual void Form_Paint() {}
  // The user came back to the window from another program's: by the
  // taskbar, Alt+Tab, a click, or the program bringing it back. Not raised
  // as it is first shown, just after its load.
  virtual void Form_Activate() {}
  // The window's size or state changed, minimising included.
  virtual void Form_Resize() {}
  virtual void Form_MouseMove(const MouseMoveEvent&) {}
  // The window is being closed: close box, or Unload() from a handler.
  virtual void Form_Unload() {}
  // The window moved to a monitor of another resolution, and was laid out
  // and given its icons and pictures anew for it.
  virtual void Form_DpiChanged() {}
  // A timer started with FormHost::StartTimer has run out.
  virtual void Form_Timer(int /*id*/) {}
  // Work started with FormHost::RunInBackground has returned.
  virtual void Form_WorkDone(int /*id*/) {}
  // The shell made its taskbar anew (Explorer restarted): every
  // notification icon it showed is gone.
  virtual void TaskbarCreated() {}
  // A button click, menu click, shortcut key or list double-click, by the
  // id of the control or menu item.
  virtual void Command(CommandId id) = 0;
  // The Windows session ends: the process is ended once this returns,
  // without Form_Unload.
  virtual void Form_SessionEnd() {}
};

class FormHost {
 public:
  virtual ~FormHost() = default;

  virtual Hwnd hWnd() const = 0;
  virtual std::string Caption() const = 0;
  // The list box control of that name.
  virtual ListBox& ListControl(CommandId name) = 0;
  // Sets the text of a label.
  virtual void SetCaption(CommandId label, std::string_view text) = 0;
  // The handle of the icon an image control holds, 0 for none; the window
  // owns it.
  virtual std::uint32_t Picture(CommandId image) const = 0;
  virtual bool Checked(CommandId menuItem) const = 0;
  virtual void SetChecked(CommandId menuItem, bool checked) = 0;

  virtual int ScaleMode() const = 0;
  // The screen's width of one pixel in twips.
  virtual float TwipsPerPixelX() const = 0;
  virtual int WindowState() const = 0;
  virtual void SetWindowState(int state) = 0;
  virtual bool Visible() const = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  // Opens a hidden top-level menu at the pointer; a chosen item raises
  // Command like any menu item.
  virtual void PopupMenu(CommandId menu) = 0;

  // Raises Form_Timer(id) once, `ms` milliseconds from now at the soonest,
  // and never before the input and painting already waiting are handled:
  // with 0, as soon as the program is idle. Started again before it runs
  // out, the timer counts from the new start. `id` is not 0.
  virtual void StartTimer(int id, unsigned ms) = 0;

  // Runs `work` on a thread of its own while the window goes on taking input
  // and painting, and once it has returned raises Form_WorkDone(id). Work of
  // one id runs in the order it was started, one at a time. The work must
  // not touch what the window's thread uses meanwhile.
  virtual void RunInBackground(int id, std::function<void()> work) = 0;
  // Waits until the work of that id started so far has returned, at most
  // `ms`, answering what is sent to the window meanwhile; false when the
  // time ran out first.
  virtual bool WaitForWork(int id, unsigned ms) = 0;

  // Raises Form_Load, then shows the window modal: the program's other
  // windows take no input until this one is unloaded, and only then does the
  // call return.
  virtual void ShowModal(FormEvents& events) = 0;
  // Raises Form_Unload, then destroys the window.
  virtual void Unload() = 0;
  // Ends the program at once: every window goes, no further event of any
  // window is raised, and the call does not return.
  virtual void End() = 0;
};

// Makes windows from their descriptions.
class Forms {
 public:
  virtual ~Forms() = default;
  // The window and its controls, built and hidden; no event raised yet.
  // It stays above `owner`, and has no taskbar button of its own.
  virtual std::unique_ptr<FormHost> Create(const FormDescription& form, const FormHost& owner) = 0;
};

}  // namespace hovrel
