// The window builder: makes a form's window, controls, fonts, menus and
// shortcuts from its description. The only code that creates windows.
#include "forms/win32/form_window_win32.h"

#include <commctrl.h>

#include "platform/wide_text_win32.h"
#include "platform/win32_handle.h"

namespace hovrel {
namespace {

struct BorderStyleBits {
  BorderStyle border;
  DWORD style;
  DWORD exStyle;
};

// No WS_THICKFRAME and no maximise box: the user cannot resize either kind.
constexpr BorderStyleBits kBorderStyles[] = {
    {BorderStyle::FixedSingle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0},
    {BorderStyle::FixedDialog, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN,
     WS_EX_DLGMODALFRAME},
};

struct ControlClass {
  ControlKind kind;
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

constexpr ControlClass kControlClasses[] = {
    {ControlKind::CommandButton, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0},
    // A frame lies above the controls it holds, which are created after it
    // so that its access key reaches them. Transparent, it does not clip
    // them: Wine would otherwise never paint the list's sunken border.
    {ControlKind::Frame, L"BUTTON", BS_GROUPBOX, WS_EX_TRANSPARENT},
    // The list fills its frame exactly as laid out, not rounded down to
    // whole rows.
    {ControlKind::ListBox, L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
     WS_EX_CLIENTEDGE},
    {ControlKind::Image, L"STATIC", SS_ICON, 0},
    {ControlKind::Label, L"STATIC", SS_LEFT | SS_NOPREFIX, 0},
    {ControlKind::TextField, L"EDIT", ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP, 0},
};

template <typename Row, typename Key>
const Row& RowFor(const auto& table, Key key, Key Row::*field) {
  for (const Row& row : table)
    if (row.*field == key) return row;
  return table[0];
}

DWORD ControlStyle(const ControlSpec& control) {
  DWORD style = WS_CHILD | RowFor<ControlClass>(kControlClasses, control.kind, &ControlClass::kind).style;
  if (!(control.options & kHidden)) style |= WS_VISIBLE;
  if (control.options & kDefaultButton) style = (style & ~BS_PUSHBUTTON) | BS_DEFPUSHBUTTON;
  if (control.options & kSorted) style |= LBS_SORT;
  // The list keeps its strings, so it still sorts, answers LB_GETTEXT and
  // reads out to a screen reader as before; only the drawing is ours.
  if (control.options & kWindowRows) style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
  if (control.options & kLinkLook) style &= ~WS_TABSTOP;
  return style;
}

}  // namespace

FormWindow::FormWindow(const FormDescription& form, HWND owner) : form_(form), dpi_(SystemDpi()), owner_(owner) {
  Create();
}

void FormWindow::Create() {
  static const ATOM formClass = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFormClass;
    return ::RegisterClassExW(&windowClass);
  }();
  (void)formClass;

  const auto& bits = RowFor<BorderStyleBits>(kBorderStyles, form_.border, &BorderStyleBits::border);
  style_ = bits.style | (form_.minButton ? WS_MINIMIZEBOX : 0);
  exStyle_ = bits.exStyle | (form_.showInTaskbar ? WS_EX_APPWINDOW : 0);
  // An owned window gets no taskbar button and always stays above its
  // owner. Made at the screen's centre first: its size depends on the
  // resolution of the monitor it lands on.
  ::CreateWindowExW(exStyle_, kFormClass, Widen(form_.caption).c_str(), style_, ::GetSystemMetrics(SM_CXSCREEN) / 2,
                    ::GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, owner_, nullptr, ::GetModuleHandleW(nullptr), this);
  worker_.emplace(FromHwnd(hwnd_));
  if (hwnd_ == nullptr) return;
  // The menu bar first: the window is sized to a client area below it.
  BuildMenus();
  SizeForMonitor();
  // An elevated program gets no message from a program that runs with less
  // rights, such as the shell's "TaskbarCreated", unless it lets it through.
  ::ChangeWindowMessageFilterEx(hwnd_, TaskbarCreatedMessage(), MSGFLT_ALLOW, nullptr);

  for (const ControlSpec* control : CreationOrder(form_.controls)) CreateControl(*control);
  BuildAccelerators();
  RegisterGlobalShortcuts();
}

HFONT FormWindow::FontFor(const ControlSpec& control) {
  const bool bold = control.options & kBold;
  const bool underlined = control.options & kLinkLook;
  OwnedFont& font = fonts_[{bold, underlined}];
  if (!font) {
    font = OwnedFont(::CreateFontW(FontHeight(form_.font, dpi_.y), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL,
                                   FALSE, underlined, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                   Widen(form_.font.face).c_str()));
  }
  return font.get();
}

HWND FormWindow::CreateControl(const ControlSpec& control) {
  const ControlClass& kind = RowFor<ControlClass>(kControlClasses, control.kind, &ControlClass::kind);
  const PixelRect rect = ControlRect(form_.controls, control, dpi_);
  // A control inside a frame is made the frame's sibling, not its child, and
  // placed at the frame's offset: a group box passes no notifications on, so
  // a list inside it must report to the form directly.
  HWND hwnd = ::CreateWindowExW(kind.exStyle, kind.className, Widen(control.caption).c_str(), ControlStyle(control),
                                rect.left, rect.top, rect.width, rect.height, hwnd_,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(control.name)),
                                ::GetModuleHandleW(nullptr), nullptr);
  if (hwnd == nullptr) return nullptr;
  ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control)), FALSE);
  if (control.options & kDefaultButton) defaultButton_ = control.name;
  if (control.kind == ControlKind::ListBox) lists_.emplace(control.name, Win32ListBox(FromHwnd(hwnd)));
  // An edit control tells its parent of no double-click; the field is
  // listened to directly.
  if (control.options & kLinkLook)
    ::SetWindowSubclass(hwnd, &LinkFieldProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
  if (control.kind == ControlKind::Image) SetPicture(control, hwnd, rect);
  return hwnd;
}

HMENU FormWindow::BuildMenu(const MenuNode& node) {
  HMENU menu = ::CreatePopupMenu();
  for (const MenuNode& child : node.children) {
    const MenuSpec& item = *child.item;
    const std::wstring caption = Widen(DisplayCaption(item));
    if (IsSeparator(item)) {
      ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else if (!child.children.empty()) {
      ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildMenu(child)), caption.c_str());
    } else {
      const UINT checked = (item.state & kChecked) ? MF_CHECKED : MF_UNCHECKED;
      ::AppendMenuW(menu, MF_STRING | checked, static_cast<UINT_PTR>(item.name), caption.c_str());
    }
  }
  return menu;
}

void FormWindow::BuildMenus() {
  const MenuTree tree = BuildMenuTree(form_.menus);
  if (!tree.bar.empty()) {
    HMENU bar = ::CreateMenu();
    for (const MenuNode& title : tree.bar) {
      const std::wstring caption = Widen(DisplayCaption(*title.item));
      ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildMenu(title)), caption.c_str());
    }
    // From here on the window owns the bar and destroys it with itself.
    ::SetMenu(hwnd_, bar);
  }
  for (const MenuNode& popup : tree.popups) popups_.emplace(popup.item->name, BuildMenu(popup));
  menuBarKeys_ = MenuBarAccessKeys(form_.menus);
}

void FormWindow::BuildAccelerators() {
  std::vector<ACCEL> table;
  for (const Accelerator& accelerator : Accelerators(form_.menus))
    table.push_back({FVIRTKEY, static_cast<WORD>(accelerator.key), static_cast<WORD>(accelerator.command)});
  if (!table.empty())
    accelerators_ = OwnedAccelerators(::CreateAcceleratorTableW(table.data(), static_cast<int>(table.size())));
}

}  // namespace hovrel
