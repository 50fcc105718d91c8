// The window builder and the forms' window procedure; see form_win32.h.
#include "platform/form_win32.h"

#include <cctype>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/list_box_win32.h"
#include "ui/form_layout.h"
#include "ui/menu_tree.h"

// After our headers: see window_system.h.
#include <windows.h>

#include "platform/win32_handle.h"
#include "platform/win32_owned.h"

namespace hovrel {
namespace {

constexpr char kFormClass[] = "QuarrowHovrelForm";

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
  const char* className;
  DWORD style;
  DWORD exStyle;
};

constexpr ControlClass kControlClasses[] = {
    {ControlKind::CommandButton, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0},
    // A frame lies above the controls it holds, which are created after it
    // so that its access key reaches them. Transparent, it does not clip
    // them: Wine would otherwise never paint the list's sunken border.
    {ControlKind::Frame, "BUTTON", BS_GROUPBOX, WS_EX_TRANSPARENT},
    // The list fills its frame exactly as laid out, not rounded down to
    // whole rows.
    {ControlKind::ListBox, "LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
     WS_EX_CLIENTEDGE},
    {ControlKind::Image, "STATIC", SS_ICON, 0},
    {ControlKind::Label, "STATIC", SS_LEFT | SS_NOPREFIX, 0},
    {ControlKind::TextField, "EDIT", ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP, 0},
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
  if (control.options & kLinkLook) style &= ~WS_TABSTOP;
  return style;
}

Dpi ScreenDpi() {
  // Per-monitor awareness is declared in the manifest, so this is the
  // screen's real resolution, not a virtualised 96.
  HDC screen = ::GetDC(nullptr);
  const Dpi dpi{::GetDeviceCaps(screen, LOGPIXELSX), ::GetDeviceCaps(screen, LOGPIXELSY)};
  ::ReleaseDC(nullptr, screen);
  return dpi;
}

OwnedIcon LoadIconResource(int resource, int width, int height) {
  if (resource == 0) return {};
  // A missing resource gives no icon; the window then shows the default.
  return OwnedIcon(static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr),
                                                   MAKEINTRESOURCEA(resource), IMAGE_ICON, width,
                                                   height, LR_DEFAULTCOLOR)));
}

// Ends the paint of the window's update region on every way out.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { ::BeginPaint(hwnd_, &paint_); }
  ~PaintScope() { ::EndPaint(hwnd_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_{};
};

}  // namespace

// Everything the window builder made for one form, and the message handlers.
class Win32Form::Window {
 public:
  Window(Win32Form& owner, const FormDescription& form) : owner_(owner), form_(form), dpi_(ScreenDpi()) {}

  void Create();
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  void OnPaint();
  void OnCommand(WPARAM wParam, LPARAM lParam);
  void OnClose();
  void OnActivate(WPARAM wParam);
  LRESULT OnGetDefId();

  void Load(FormEvents& events);
  int RunMessageLoop();
  bool IsOurs(HWND hwnd) const { return hwnd == hwnd_ || ::IsChild(hwnd_, hwnd); }
  bool MenuBarClaims(const MSG& msg) const;

  HWND CreateControl(const ControlSpec& control);
  HFONT FontFor(const ControlSpec& control);
  HMENU BuildMenu(const MenuNode& node);
  void BuildMenus();
  void BuildAccelerators();
  const ControlSpec* ControlById(WORD id) const;

  Win32Form& owner_;
  const FormDescription& form_;
  Dpi dpi_;
  HWND hwnd_ = nullptr;
  FormEvents* events_ = nullptr;
  HWND lastFocus_ = nullptr;
  CommandId defaultButton_ = CommandId::None;
  std::string menuBarKeys_;
  std::map<std::pair<bool, bool>, OwnedFont> fonts_;  // by (bold, underlined)
  OwnedIcon bigIcon_;
  OwnedIcon smallIcon_;
  std::vector<OwnedIcon> pictures_;
  std::vector<OwnedMenu> popups_;
  OwnedAccelerators accelerators_;
  std::map<CommandId, Win32ListBox> lists_;
};

void Win32Form::Window::Create() {
  static const ATOM formClass = [] {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFormClass;
    return ::RegisterClassExA(&windowClass);
  }();
  (void)formClass;

  const auto& bits = RowFor<BorderStyleBits>(kBorderStyles, form_.border, &BorderStyleBits::border);
  DWORD style = bits.style | (form_.minButton ? WS_MINIMIZEBOX : 0);
  DWORD exStyle = bits.exStyle | (form_.showInTaskbar ? WS_EX_APPWINDOW : 0);
  const MenuTree tree = BuildMenuTree(form_.menus);
  const PixelSize client = ClientSize(form_, dpi_);
  RECT frame{0, 0, client.width, client.height};
  ::AdjustWindowRectEx(&frame, style, !tree.bar.empty(), exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  const std::string caption(form_.caption);
  ::CreateWindowExA(exStyle, kFormClass, caption.c_str(), style, left, top, width, height, nullptr,
                    nullptr, ::GetModuleHandleA(nullptr), this);
  if (hwnd_ == nullptr) return;

  bigIcon_ = LoadIconResource(form_.icon, ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
  smallIcon_ =
      LoadIconResource(form_.icon, ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON));
  if (bigIcon_) ::SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  if (smallIcon_)
    ::SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));

  for (const ControlSpec* control : CreationOrder(form_.controls)) CreateControl(*control);
  BuildMenus();
  BuildAccelerators();
}

HFONT Win32Form::Window::FontFor(const ControlSpec& control) {
  const bool bold = control.options & kBold;
  const bool underlined = control.options & kLinkLook;
  OwnedFont& font = fonts_[{bold, underlined}];
  if (!font) {
    const std::string face(form_.font.face);
    font = OwnedFont(::CreateFontA(FontHeight(form_.font, dpi_.y), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL,
                                   FALSE, underlined, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                   face.c_str()));
  }
  return font.get();
}

HWND Win32Form::Window::CreateControl(const ControlSpec& control) {
  const ControlClass& kind = RowFor<ControlClass>(kControlClasses, control.kind, &ControlClass::kind);
  const PixelRect rect = ControlRect(form_.controls, control, dpi_);
  const std::string caption(control.caption);
  // A control inside a frame is made the frame's sibling, not its child, and
  // placed at the frame's offset: a group box passes no notifications on, so
  // a list inside it must report to the form directly.
  HWND hwnd = ::CreateWindowExA(kind.exStyle, kind.className, caption.c_str(), ControlStyle(control),
                                rect.left, rect.top, rect.width, rect.height, hwnd_,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(control.name)),
                                ::GetModuleHandleA(nullptr), nullptr);
  if (hwnd == nullptr) return nullptr;
  ::SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control)), FALSE);
  if (control.options & kDefaultButton) defaultButton_ = control.name;
  if (control.kind == ControlKind::ListBox) lists_.emplace(control.name, Win32ListBox(FromHwnd(hwnd)));
  if (control.kind == ControlKind::Image && control.picture != 0) {
    OwnedIcon picture = LoadIconResource(control.picture, rect.width, rect.height);
    if (picture) {
      ::SendMessageA(hwnd, STM_SETICON, reinterpret_cast<WPARAM>(picture.get()), 0);
      pictures_.push_back(std::move(picture));
    }
  }
  return hwnd;
}

HMENU Win32Form::Window::BuildMenu(const MenuNode& node) {
  HMENU menu = ::CreatePopupMenu();
  for (const MenuNode& child : node.children) {
    const MenuSpec& item = *child.item;
    const std::string caption = DisplayCaption(item);
    if (IsSeparator(item)) {
      ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    } else if (!child.children.empty()) {
      ::AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildMenu(child)), caption.c_str());
    } else {
      const UINT checked = (item.state & kChecked) ? MF_CHECKED : MF_UNCHECKED;
      ::AppendMenuA(menu, MF_STRING | checked, static_cast<UINT_PTR>(item.name), caption.c_str());
    }
  }
  return menu;
}

void Win32Form::Window::BuildMenus() {
  const MenuTree tree = BuildMenuTree(form_.menus);
  if (!tree.bar.empty()) {
    HMENU bar = ::CreateMenu();
    for (const MenuNode& title : tree.bar) {
      const std::string caption = DisplayCaption(*title.item);
      ::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildMenu(title)), caption.c_str());
    }
    // From here on the window owns the bar and destroys it with itself.
    ::SetMenu(hwnd_, bar);
  }
  for (const MenuNode& popup : tree.popups) popups_.emplace_back(BuildMenu(popup));
  menuBarKeys_ = MenuBarAccessKeys(form_.menus);
}

void Win32Form::Window::BuildAccelerators() {
  std::vector<ACCEL> table;
  for (const Accelerator& accelerator : Accelerators(form_.menus))
    table.push_back({FVIRTKEY, static_cast<WORD>(accelerator.key), static_cast<WORD>(accelerator.command)});
  if (!table.empty())
    accelerators_ = OwnedAccelerators(::CreateAcceleratorTableA(table.data(), static_cast<int>(table.size())));
}

const ControlSpec* Win32Form::Window::ControlById(WORD id) const {
  return FindControl(form_.controls, static_cast<CommandId>(id));
}

LRESULT CALLBACK Win32Form::Window::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    // Messages arrive before CreateWindowEx returns, so the handle is taken
    // here rather than from its result.
    window->hwnd_ = hwnd;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<Window*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (window == nullptr) return ::DefWindowProcA(hwnd, msg, wParam, lParam);
  return window->Dispatch(msg, wParam, lParam);
}

LRESULT Win32Form::Window::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_COMMAND:
      OnCommand(wParam, lParam);
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_ACTIVATE:
      OnActivate(wParam);
      return 0;
    case DM_GETDEFID:
      return OnGetDefId();
    default:
      return ::DefWindowProcA(hwnd_, msg, wParam, lParam);
  }
}

void Win32Form::Window::OnPaint() {
  PaintScope paint(hwnd_);
  // The rebuild invalidates only the list control, never this client area,
  // so painting does not feed itself.
  if (events_ != nullptr) events_->Form_Paint();
}

void Win32Form::Window::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (events_ == nullptr) return;
  const WORD id = LOWORD(wParam);
  const WORD code = HIWORD(wParam);
  // Menu items and shortcuts come without a control; the dialog manager's
  // Enter and Esc come as ids 1 and 2 without one too.
  if (lParam == 0) {
    events_->Command(static_cast<CommandId>(id));
    return;
  }
  const ControlSpec* control = ControlById(id);
  if (control == nullptr) return;
  const bool clicked = control->kind == ControlKind::CommandButton && code == BN_CLICKED;
  const bool doubleClicked = control->kind == ControlKind::ListBox && code == LBN_DBLCLK;
  if (clicked || doubleClicked) events_->Command(control->name);
}

void Win32Form::Window::OnClose() { owner_.Unload(); }

void Win32Form::Window::OnActivate(WPARAM wParam) {
  // A plain window does not remember which control had the focus, as a
  // dialog does; without this the focus sits on the form after a switch and
  // Enter and the arrow keys reach no control.
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = ::GetFocus();
    if (focus != nullptr && ::IsChild(hwnd_, focus)) lastFocus_ = focus;
  } else if (lastFocus_ != nullptr && ::IsWindow(lastFocus_)) {
    ::SetFocus(lastFocus_);
  }
}

LRESULT Win32Form::Window::OnGetDefId() {
  // The dialog manager asks the form for its default button when Enter is
  // pressed; a window that is not a dialog must answer itself.
  if (defaultButton_ == CommandId::None) return 0;
  return MAKELRESULT(static_cast<WORD>(defaultButton_), DC_HASDEFID);
}

void Win32Form::Window::Load(FormEvents& events) {
  events_ = &events;
  events.Form_Load();
  ::ShowWindow(hwnd_, SW_SHOWNORMAL);
  if (HWND first = ::GetNextDlgTabItem(hwnd_, nullptr, FALSE)) {
    ::SetFocus(first);
    lastFocus_ = first;
  }
}

bool Win32Form::Window::MenuBarClaims(const MSG& msg) const {
  if (msg.message != WM_SYSCHAR) return false;
  const char key = static_cast<char>(std::tolower(static_cast<int>(msg.wParam & 0xFF)));
  return menuBarKeys_.find(key) != std::string::npos;
}

int Win32Form::Window::RunMessageLoop() {
  MSG msg{};
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    const bool ours = IsOurs(msg.hwnd);
    if (ours && accelerators_ && ::TranslateAcceleratorA(hwnd_, accelerators_.get(), &msg)) continue;
    // Alt and a letter that a menu-bar title and a control share opens the
    // menu, as in any window with a menu bar; the dialog manager would press
    // the control instead.
    if (ours && MenuBarClaims(msg)) {
      ::SendMessageA(hwnd_, WM_SYSCOMMAND, SC_KEYMENU, msg.wParam);
      continue;
    }
    if (ours && ::IsDialogMessageA(hwnd_, &msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

Win32Form::Win32Form(const FormDescription& form) : window_(std::make_unique<Window>(*this, form)) {
  window_->Create();
}

Win32Form::~Win32Form() {
  if (window_->hwnd_ != nullptr && ::IsWindow(window_->hwnd_)) ::DestroyWindow(window_->hwnd_);
}

void Win32Form::Load(FormEvents& events) { window_->Load(events); }

int Win32Form::RunMessageLoop() { return window_->RunMessageLoop(); }

Hwnd Win32Form::hWnd() const { return FromHwnd(window_->hwnd_); }

ListBox& Win32Form::ListControl(CommandId name) { return window_->lists_.at(name); }

bool Win32Form::Checked(CommandId menuItem) const {
  const UINT id = static_cast<UINT>(menuItem);
  // GetMenuState searches submenus too, and answers -1 for an id the menu
  // does not hold.
  UINT state = ::GetMenuState(::GetMenu(window_->hwnd_), id, MF_BYCOMMAND);
  for (const OwnedMenu& popup : window_->popups_)
    if (state == static_cast<UINT>(-1)) state = ::GetMenuState(popup.get(), id, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

void Win32Form::SetChecked(CommandId menuItem, bool checked) {
  const UINT flags = MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED);
  const UINT id = static_cast<UINT>(menuItem);
  ::CheckMenuItem(::GetMenu(window_->hwnd_), id, flags);
  for (const OwnedMenu& popup : window_->popups_) ::CheckMenuItem(popup.get(), id, flags);
}

void Win32Form::Unload() {
  if (window_->events_ != nullptr) window_->events_->Form_Unload();
  if (window_->hwnd_ != nullptr) ::DestroyWindow(window_->hwnd_);
  window_->hwnd_ = nullptr;
}

void Win32Form::End() {
  // At once: no window of the program gets another message, also when this
  // is called from inside another window's message or an enumeration.
  ::ExitProcess(0);
}

}  // namespace hovrel
