// The window builder and the forms' window procedure; see form_win32.h.
#include "platform/form_win32.h"

#include <cctype>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/list_box_win32.h"
#include "ui/form_layout.h"
#include "ui/menu_tree.h"

// After our headers: see window_system.h.
#include <windows.h>
#include <commctrl.h>

#include "platform/win32_handle.h"
#include "platform/win32_owned.h"

namespace hovrel {
namespace {

constexpr char kFormClass[] = "QuarrowHovrelForm";

// The link look of the address fields: blue in 0x00BBGGRR, on button face.
constexpr COLORREF kLinkColour = 0x00C00000;

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

// Keeps the program's other top-level windows disabled while it lives, as
// a modal window does with its owner, and enables them again when it goes.
class DisabledWindows {
 public:
  explicit DisabledWindows(HWND modal) : modal_(modal) {
    ::EnumThreadWindows(::GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(this));
    for (HWND hwnd : windows_) ::EnableWindow(hwnd, FALSE);
  }
  ~DisabledWindows() {
    for (HWND hwnd : windows_)
      if (::IsWindow(hwnd)) ::EnableWindow(hwnd, TRUE);
  }
  DisabledWindows(const DisabledWindows&) = delete;
  DisabledWindows& operator=(const DisabledWindows&) = delete;

 private:
  static BOOL CALLBACK Collect(HWND hwnd, LPARAM lParam) {
    auto* self = reinterpret_cast<DisabledWindows*>(lParam);
    if (hwnd != self->modal_ && ::IsWindowEnabled(hwnd)) self->windows_.push_back(hwnd);
    return TRUE;
  }

  HWND modal_;
  std::vector<HWND> windows_;
};

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
  const ControlSpec* ControlById(WORD id) const;
  bool IsLinkField(HWND control) const;
  float TwipsPerPixelX() const { return static_cast<float>(kTwipsPerInch) / static_cast<float>(dpi_.x); }

  Win32Form& owner_;
  const FormDescription& form_;
  Dpi dpi_;
  // Destroyed after the form's own window, which it owns.
  OwnedWindow owner_window_;
  HWND hwnd_ = nullptr;
  FormEvents* events_ = nullptr;
  HWND lastFocus_ = nullptr;
  CommandId defaultButton_ = CommandId::None;
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
  // An unowned top-level window always gets a taskbar button; one owned by
  // a hidden window gets none.
  if (!form_.showInTaskbar)
    owner_window_ = OwnedWindow(::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                                  nullptr, ::GetModuleHandleA(nullptr), nullptr));
  ::CreateWindowExA(exStyle, kFormClass, caption.c_str(), style, left, top, width, height,
                    owner_window_.get(), nullptr, ::GetModuleHandleA(nullptr), this);
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
  // An edit control tells its parent of no double-click; the field is
  // listened to directly.
  if (control.options & kLinkLook)
    ::SetWindowSubclass(hwnd, &LinkFieldProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
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
  for (const MenuNode& popup : tree.popups) popups_.emplace(popup.item->name, BuildMenu(popup));
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

bool Win32Form::Window::IsLinkField(HWND control) const {
  if (control == nullptr || ::GetParent(control) != hwnd_) return false;
  const ControlSpec* description = ControlById(static_cast<WORD>(::GetDlgCtrlID(control)));
  return description != nullptr && (description->options & kLinkLook) != 0;
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

LRESULT CALLBACK Win32Form::Window::LinkFieldProcedure(HWND hwnd, UINT msg, WPARAM wParam,
                                                       LPARAM lParam, UINT_PTR id, DWORD_PTR window) {
  if (msg == WM_NCDESTROY) ::RemoveWindowSubclass(hwnd, &LinkFieldProcedure, id);
  const LRESULT result = ::DefSubclassProc(hwnd, msg, wParam, lParam);
  if (msg == WM_LBUTTONDBLCLK) reinterpret_cast<Window*>(window)->OnLinkFieldDoubleClick(hwnd);
  return result;
}

LRESULT Win32Form::Window::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  // Explorer broadcasts this when it starts again and has lost every icon.
  static const UINT taskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");
  if (msg == taskbarCreated && taskbarCreated != 0) {
    OnTaskbarCreated();
    return 0;
  }
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(wParam, lParam);
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      return OnControlColour(msg, wParam, lParam);
    case WM_SETCURSOR:
      return OnSetCursor(msg, wParam, lParam);
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

void Win32Form::Window::OnSize() {
  if (events_ != nullptr) events_->Form_Resize();
}

void Win32Form::Window::OnMouseMove(WPARAM wParam, LPARAM lParam) {
  if (events_ == nullptr) return;
  // The icon's callback has the same message number as a real move; which
  // it is, the form's handler tells from the parameters. The position is a
  // signed pixel count, handed on in the form's unit, twips.
  const auto pixels = static_cast<short>(LOWORD(lParam));
  events_->Form_MouseMove({wParam, lParam, static_cast<float>(pixels) * TwipsPerPixelX()});
}

LRESULT Win32Form::Window::OnControlColour(UINT msg, WPARAM wParam, LPARAM lParam) {
  // A read-only edit asks with WM_CTLCOLORSTATIC, a writable one with
  // WM_CTLCOLOREDIT; both are answered for the address fields.
  if (!IsLinkField(reinterpret_cast<HWND>(lParam))) return ::DefWindowProcA(hwnd_, msg, wParam, lParam);
  HDC dc = reinterpret_cast<HDC>(wParam);
  ::SetTextColor(dc, kLinkColour);
  ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
  // A system colour brush belongs to the system: never deleted.
  return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT Win32Form::Window::OnSetCursor(UINT msg, WPARAM wParam, LPARAM lParam) {
  // An edit control's class cursor is the text cursor; its parent is asked
  // first and may set another.
  if (!IsLinkField(reinterpret_cast<HWND>(wParam))) return ::DefWindowProcA(hwnd_, msg, wParam, lParam);
  ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));  // IDC_ARROW
  return TRUE;
}

void Win32Form::Window::OnTaskbarCreated() {
  if (events_ != nullptr) events_->TaskbarCreated();
}

void Win32Form::Window::OnLinkFieldDoubleClick(HWND field) {
  const ControlSpec* control = ControlById(static_cast<WORD>(::GetDlgCtrlID(field)));
  if (events_ != nullptr && control != nullptr) events_->Command(control->name);
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
  ShowFirstTime();
}

void Win32Form::Window::ShowFirstTime() {
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

bool Win32Form::Window::Preprocess(MSG& msg) {
  if (hwnd_ == nullptr || !IsOurs(msg.hwnd)) return false;
  if (accelerators_ && ::TranslateAcceleratorA(hwnd_, accelerators_.get(), &msg)) return true;
  // Alt and a letter that a menu-bar title and a control share opens the
  // menu, as in any window with a menu bar; the dialog manager would press
  // the control instead.
  if (MenuBarClaims(msg)) {
    ::SendMessageA(hwnd_, WM_SYSCOMMAND, SC_KEYMENU, msg.wParam);
    return true;
  }
  return ::IsDialogMessageA(hwnd_, &msg) != FALSE;
}

int Win32Form::Window::RunMessageLoop() {
  MSG msg{};
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (Preprocess(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

void Win32Form::Window::RunModalLoop() {
  // Only this window takes keys meanwhile: the others are disabled, so no
  // other window's shortcuts or dialog keys need translating here.
  MSG msg{};
  while (hwnd_ != nullptr) {
    if (::GetMessageA(&msg, nullptr, 0, 0) <= 0) {
      // The program's own loop must see the request to quit as well.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (Preprocess(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

Win32Form::Win32Form(const FormDescription& form) : window_(std::make_unique<Window>(*this, form)) {
  window_->Create();
}

Win32Form::~Win32Form() {
  window_->disabled_.reset();
  if (window_->hwnd_ != nullptr && ::IsWindow(window_->hwnd_)) ::DestroyWindow(window_->hwnd_);
}

void Win32Form::Load(FormEvents& events) { window_->Load(events); }

int Win32Form::RunMessageLoop() { return window_->RunMessageLoop(); }

Hwnd Win32Form::hWnd() const { return FromHwnd(window_->hwnd_); }

std::string Win32Form::Caption() const {
  std::string caption(static_cast<std::size_t>(::GetWindowTextLengthA(window_->hwnd_)) + 1, '\0');
  caption.resize(static_cast<std::size_t>(
      ::GetWindowTextA(window_->hwnd_, caption.data(), static_cast<int>(caption.size()))));
  return caption;
}

ListBox& Win32Form::ListControl(CommandId name) { return window_->lists_.at(name); }

void Win32Form::SetCaption(CommandId label, std::string_view text) {
  const std::string caption(text);
  ::SetDlgItemTextA(window_->hwnd_, static_cast<int>(label), caption.c_str());
}

std::uint32_t Win32Form::Picture(CommandId image) const {
  // The image control keeps the icon; pictures_ owns it.
  const LRESULT icon = ::SendDlgItemMessageA(window_->hwnd_, static_cast<int>(image), STM_GETICON, 0, 0);
  return static_cast<std::uint32_t>(icon);
}

bool Win32Form::Checked(CommandId menuItem) const {
  const UINT id = static_cast<UINT>(menuItem);
  // GetMenuState searches submenus too, and answers -1 for an id the menu
  // does not hold.
  UINT state = ::GetMenuState(::GetMenu(window_->hwnd_), id, MF_BYCOMMAND);
  for (const auto& [name, popup] : window_->popups_)
    if (state == static_cast<UINT>(-1)) state = ::GetMenuState(popup.get(), id, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

void Win32Form::SetChecked(CommandId menuItem, bool checked) {
  const UINT flags = MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED);
  const UINT id = static_cast<UINT>(menuItem);
  ::CheckMenuItem(::GetMenu(window_->hwnd_), id, flags);
  for (const auto& [name, popup] : window_->popups_) ::CheckMenuItem(popup.get(), id, flags);
}

int Win32Form::ScaleMode() const { return kScaleTwips; }

float Win32Form::TwipsPerPixelX() const { return window_->TwipsPerPixelX(); }

int Win32Form::WindowState() const {
  if (::IsIconic(window_->hwnd_)) return kWindowMinimised;
  if (::IsZoomed(window_->hwnd_)) return kWindowMaximised;
  return kWindowNormal;
}

void Win32Form::SetWindowState(int state) {
  if (state == WindowState()) return;
  ::ShowWindow(window_->hwnd_, state == kWindowMinimised ? SW_MINIMIZE : SW_RESTORE);
}

bool Win32Form::Visible() const { return ::IsWindowVisible(window_->hwnd_) != FALSE; }

void Win32Form::Show() {
  ::ShowWindow(window_->hwnd_, SW_SHOW);
  ::SetForegroundWindow(window_->hwnd_);
}

void Win32Form::Hide() { ::ShowWindow(window_->hwnd_, SW_HIDE); }

void Win32Form::PopupMenu(CommandId menu) {
  const auto found = window_->popups_.find(menu);
  if (found == window_->popups_.end()) return;
  POINT pointer{};
  ::GetCursorPos(&pointer);
  // The chosen item arrives as WM_COMMAND like any menu item's.
  ::TrackPopupMenu(found->second.get(), 0, pointer.x, pointer.y, 0, window_->hwnd_, nullptr);
  // A menu opened for a notification icon closes on a click elsewhere only
  // while its window is the foreground window (the caller makes it so), and
  // the next click on the icon would close it at once unless a message
  // reaches the window after it: hence this empty one.
  ::PostMessageA(window_->hwnd_, WM_NULL, 0, 0);
}

void Win32Form::ShowModal(FormEvents& events) {
  window_->events_ = &events;
  events.Form_Load();
  window_->disabled_.emplace(window_->hwnd_);
  window_->ShowFirstTime();
  window_->RunModalLoop();
}

void Win32Form::Unload() {
  if (window_->events_ != nullptr) window_->events_->Form_Unload();
  // Enabled before this window goes, so the window system hands the
  // activation back to them rather than to some other program's window.
  window_->disabled_.reset();
  if (window_->hwnd_ != nullptr) ::DestroyWindow(window_->hwnd_);
  window_->hwnd_ = nullptr;
}

void Win32Form::End() {
  // At once: no window of the program gets another message, also when this
  // is called from inside another window's message or an enumeration.
  ::ExitProcess(0);
}

}  // namespace hovrel

namespace hovrel {

std::unique_ptr<FormHost> Win32Forms::Create(const FormDescription& form) {
  return std::make_unique<Win32Form>(form);
}

}  // namespace hovrel
