// One form's real window: what the builder made from its description (the
// window, its controls, fonts, icons, menus and shortcuts), its message
// handlers, its message loops and its worker. Win32Form (form_win32.h)
// forwards the form's portable handlers to it. Only for forms/win32/ files.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "forms/form_description.h"
#include "forms/form_host.h"
#include "forms/form_layout.h"
#include "forms/menu_tree.h"
#include "forms/win32/list_box_win32.h"
#include "forms/win32/worker_win32.h"

// After our headers: see window_system.h.
#include <windows.h>

#include "forms/win32/modal_win32.h"
#include "forms/win32/note_win32.h"
#include "forms/win32/win32_owned.h"

namespace hovrel {

// The window class every form's window is made of.
inline constexpr wchar_t kFormClass[] = L"QuarrowHovrelForm";

// Explorer broadcasts this when it starts again and has lost every icon.
UINT TaskbarCreatedMessage();

// The screen's resolution as the system reports it to every window.
Dpi SystemDpi();
// The icon resource's image of that size; none if the resource is missing.
OwnedIcon LoadIconResource(int resource, int width, int height);

// Everything the window builder made for one form, and the message handlers.
class FormWindow {
 public:
  // Builds the window and its controls, hidden. `owner` (none: null) keeps
  // the window above it.
  FormWindow(const FormDescription& form, HWND owner);
  // Destroys the window, if it is still there.
  ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Raises Form_Load, then shows the window as `show` says.
  void Load(FormEvents& events, int show);
  int RunMessageLoop();

  // What FormHost asks of the window (form_requests_win32.cpp).
  HWND Handle() const { return hwnd_; }
  std::string Caption() const;
  ListBox& ListControl(CommandId name) { return lists_.at(name); }
  void SetCaption(CommandId label, std::string_view text);
  std::uint32_t Picture(CommandId image) const;
  bool Checked(CommandId menuItem) const;
  void SetChecked(CommandId menuItem, bool checked);
  float TwipsPerPixelX() const { return static_cast<float>(kTwipsPerInch) / static_cast<float>(dpi_.x); }
  int WindowState() const;
  void SetWindowState(int state);
  bool Visible() const;
  void Show();
  void Hide();
  void PopupMenu(CommandId menu);
  void ShowNote(Hwnd over, std::string_view text);
  void StartTimer(int id, unsigned ms);
  Worker& Background() { return *worker_; }
  void ShowModal(FormEvents& events);
  void Unload();

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK LinkFieldProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR id, DWORD_PTR window);

  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  void OnPaint();
  void OnSize();
  void OnMouseMove(WPARAM wParam, LPARAM lParam);
  void OnCommand(WPARAM wParam, LPARAM lParam);
  void OnClose();
  void OnActivate(WPARAM wParam);
  void OnActivateApp(WPARAM wParam);
  LRESULT OnGetDefId();
  LRESULT OnControlColour(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnSetCursor(UINT msg, WPARAM wParam, LPARAM lParam);
  void OnTaskbarCreated();
  void OnLinkFieldDoubleClick(HWND field);
  bool OnMeasureItem(MEASUREITEMSTRUCT& item);
  bool OnDrawItem(const DRAWITEMSTRUCT& item);
  LRESULT OnGetDpiScaledSize(WPARAM wParam, LPARAM lParam) const;
  void OnDpiChanged(WPARAM wParam, LPARAM lParam);
  void OnHotKey(WPARAM id);
  void OnTimer(WPARAM id);
  void OnWorkDone(LPARAM record);
  void OnEndSession(WPARAM ending, LPARAM reasons);

  void Create();
  // Shows the window, as `show` says, and gives the first control the focus.
  void ShowFirstTime(int show);
  bool Preprocess(MSG& msg);
  void RunModalLoop();
  bool IsOurs(HWND hwnd) const { return hwnd == hwnd_ || ::IsChild(hwnd_, hwnd); }
  bool MenuBarClaims(const MSG& msg) const;
  // A click on one of the form's lists, which the list remembers.
  void NoteListClick(const MSG& msg);

  HWND CreateControl(const ControlSpec& control);
  HFONT FontFor(const ControlSpec& control);
  HMENU BuildMenu(const MenuNode& node);
  void BuildMenus();
  void BuildAccelerators();
  void RegisterGlobalShortcuts();
  // Takes the resolution of the monitor the new window is on, and sizes
  // and centres the window and loads its icons for it.
  void SizeForMonitor();
  // The window's size for a client area of its table's size at `dpi`.
  PixelSize FrameSize(Dpi dpi) const;
  // Resizes the window so that its client area is its table's at dpi_.
  void FitClientArea();
  // The title bar's and taskbar's icons at dpi_'s sizes.
  void LoadIcons();
  // Places the control, gives it its font, measures its rows and loads its
  // picture at dpi_.
  void LayOut(const ControlSpec& control);
  // Gives an image control its icon at its size; the form keeps it.
  void SetPicture(const ControlSpec& control, HWND image, const PixelRect& rect);
  // The height of a row in a list of windows, in its font, at dpi_.
  int WindowRowHeight(const ControlSpec& list);
  // The system's shield at `size` pixels, loaded again only for another
  // size; null where the system has none to give.
  HICON ShieldIcon(int size);
  // The description of the list of windows with that id; null for any other control.
  const ControlSpec* WindowRowsById(UINT id) const;
  const ControlSpec* ControlById(WORD id) const;
  bool IsLinkField(HWND control) const;
  // A key for one of the form's lists, raised as its command: true when taken.
  bool ListShortcutClaims(const MSG& msg);

  const FormDescription& form_;
  Dpi dpi_;
  HWND owner_;
  DWORD style_ = 0;
  DWORD exStyle_ = 0;
  HWND hwnd_ = nullptr;
  // Shown at least once: activations from then on are the user's.
  bool shown_ = false;
  FormEvents* events_ = nullptr;
  HWND lastFocus_ = nullptr;
  CommandId defaultButton_ = kNoCommand;
  std::string menuBarKeys_;
  std::map<std::pair<bool, bool>, OwnedFont> fonts_;  // by (bold, underlined)
  OwnedIcon bigIcon_;
  OwnedIcon smallIcon_;
  std::map<CommandId, OwnedIcon> pictures_;  // by image control
  std::map<CommandId, OwnedMenu> popups_;
  OwnedAccelerators accelerators_;
  std::map<CommandId, Win32ListBox> lists_;
  // Set while the form is shown modal.
  std::optional<DisabledWindows> disabled_;
  // Made once the window is: its completions are posted to it.
  std::optional<Win32Worker> worker_;
  // Made at the first note, not at start.
  std::optional<Note> note_;
  OwnedIcon shield_;
  int shieldSize_ = 0;
};

}  // namespace hovrel
