// One form's real window: what the builder made from its description (the
// window, its controls, fonts, icons, menus and shortcuts), its message
// handlers and its message loops. Win32Form (form_win32.h) hands it to the
// form's portable handlers. Only for forms/win32/ files.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "forms/form_description.h"
#include "forms/form_host.h"
#include "forms/form_layout.h"
#include "forms/menu_tree.h"
#include "forms/win32/list_box_win32.h"

// After our headers: see window_system.h.
#include <windows.h>

#include "forms/win32/modal_win32.h"
#include "forms/win32/win32_owned.h"

namespace hovrel {

// The window class every form's window is made of.
inline constexpr char kFormClass[] = "QuarrowHovrelForm";

// Explorer broadcasts this when it starts again and has lost every icon.
UINT TaskbarCreatedMessage();

// Everything the window builder made for one form, and the message handlers.
class FormWindow {
 public:
  // `owner` (none: null) keeps the window above it.
  FormWindow(FormHost& host, const FormDescription& form, HWND owner);

  void Create();
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
  LRESULT OnGetDefId();
  LRESULT OnControlColour(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnSetCursor(UINT msg, WPARAM wParam, LPARAM lParam);
  void OnTaskbarCreated();
  void OnLinkFieldDoubleClick(HWND field);
  bool OnMeasureItem(MEASUREITEMSTRUCT& item);
  bool OnDrawItem(const DRAWITEMSTRUCT& item);
  void OnDpiChanged(WPARAM wParam, LPARAM lParam);
  void OnHotKey(WPARAM id);
  void OnTimer(WPARAM id);

  void Load(FormEvents& events);
  void ShowFirstTime();
  bool Preprocess(MSG& msg);
  int RunMessageLoop();
  void RunModalLoop();
  bool IsOurs(HWND hwnd) const { return hwnd == hwnd_ || ::IsChild(hwnd_, hwnd); }
  bool MenuBarClaims(const MSG& msg) const;

  HWND CreateControl(const ControlSpec& control);
  HFONT FontFor(const ControlSpec& control);
  HMENU BuildMenu(const MenuNode& node);
  void BuildMenus();
  void BuildAccelerators();
  void RegisterGlobalShortcuts();
  // Places the control, gives it its font and measures its rows at dpi_.
  void LayOut(const ControlSpec& control);
  // The height of a row in a list of windows, in its font, at dpi_.
  int WindowRowHeight(const ControlSpec& list);
  // The description of the list of windows with that id; null for any other control.
  const ControlSpec* WindowRowsById(UINT id) const;
  const ControlSpec* ControlById(WORD id) const;
  bool IsLinkField(HWND control) const;
  float TwipsPerPixelX() const { return static_cast<float>(kTwipsPerInch) / static_cast<float>(dpi_.x); }

  FormHost& host_;
  const FormDescription& form_;
  Dpi dpi_;
  HWND owner_;
  HWND hwnd_ = nullptr;
  FormEvents* events_ = nullptr;
  HWND lastFocus_ = nullptr;
  CommandId defaultButton_ = kNoCommand;
  std::string menuBarKeys_;
  std::map<std::pair<bool, bool>, OwnedFont> fonts_;  // by (bold, underlined)
  OwnedIcon bigIcon_;
  OwnedIcon smallIcon_;
  std::vector<OwnedIcon> pictures_;
  std::map<CommandId, OwnedMenu> popups_;
  OwnedAccelerators accelerators_;
  std::map<CommandId, Win32ListBox> lists_;
  // Set while the form is shown modal.
  std::optional<DisabledWindows> disabled_;
};

}  // namespace hovrel
