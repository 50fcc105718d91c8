// The small interface between a form's portable handlers and the window that
// was built for it. The window builder (forms/win32/form_win32.*) implements
// FormHost for real windows, the tests a headless double; a form's handler
// class implements FormEvents and is told of its window's events. Forms makes
// further windows (the About box) from their descriptions.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "forms/form_description.h"
#include "forms/list_box.h"
#include "forms/row_look.h"
#include "forms/window_state.h"
#include "forms/worker.h"
#include "platform/window_system.h"

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
  // What a row of a list of windows shows beside its text, asked as the row
  // is drawn: `itemData` is the row's, `iconPixels` the size of its icon's
  // cell. Only what is read without waiting on any window belongs here.
  virtual RowLook LookOfRow(CommandId /*list*/, std::uint32_t /*itemData*/, int /*iconPixels*/) { return {}; }
  // The shell made its taskbar anew (Explorer restarted): every
  // notification icon it showed is gone.
  virtual void TaskbarCreated() {}
  // A button click, menu click, shortcut key or list double-click, by the
  // id of the control or menu item.
  virtual void Command(CommandId id) = 0;
  // The Windows session ends: the process is ended once this returns,
  // without Form_Unload. With `closingProgram`, the session goes on and only
  // this program is asked to end (the Restart Manager does so for an
  // installer or an update), and nothing ends it but the program itself.
  virtual void Form_SessionEnd(bool /*closingProgram*/) {}
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
  // Shows a short note over the top middle of the window `over` (any
  // program's), inside its monitor's work area: above every window, taking
  // neither the activation nor clicks, gone by itself after a moment. A new
  // note takes the place of the one shown.
  virtual void ShowNote(Hwnd over, std::string_view text) = 0;

  // Raises Form_Timer(id) once, `ms` milliseconds from now at the soonest,
  // and never before the input and painting already waiting are handled:
  // with 0, as soon as the program is idle. Started again before it runs
  // out, the timer counts from the new start. `id` is not 0.
  virtual void StartTimer(int id, unsigned ms) = 0;

  // Work that must not hold up the window: its completions run on the
  // window's thread, between this window's messages.
  virtual Worker& Background() = 0;

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
