// The window-system operations the program performs on top-level windows,
// as one small interface. The Win32 implementation (window_system_win32.cpp)
// calls user32 under these names; the tests put a simulated desktop behind it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace hovrel {

// A window handle as the window system gives it; 0 means none.
using Hwnd = std::uint32_t;

// These carry the window system's own names. A Win32 file must include this
// header before <windows.h>, whose macros of the same names would otherwise
// rewrite the declarations below.
inline constexpr std::uint32_t WS_MINIMIZE = 0x20000000;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000;
inline constexpr std::uint32_t WS_BORDER = 0x00800000;

inline constexpr int GWL_STYLE = -16;
inline constexpr int GWL_EXSTYLE = -20;
inline constexpr std::uint32_t WS_EX_TOPMOST = 0x8;

inline constexpr Hwnd HWND_TOP = 0;
inline constexpr Hwnd HWND_TOPMOST = static_cast<Hwnd>(-1);
inline constexpr Hwnd HWND_NOTOPMOST = static_cast<Hwnd>(-2);

inline constexpr unsigned SWP_NOSIZE = 0x1;
inline constexpr unsigned SWP_NOMOVE = 0x2;
inline constexpr unsigned SWP_NOACTIVATE = 0x10;
inline constexpr unsigned SWP_SHOWWINDOW = 0x40;
// Posts the change to the window's thread instead of waiting for it there.
inline constexpr unsigned SWP_ASYNCWINDOWPOS = 0x4000;
// Other programs' windows are also shown when placed; our own is only moved
// between bands.
inline constexpr unsigned kPlaceOtherFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW;  // 0x43
inline constexpr unsigned kPlaceOwnFlags = SWP_NOSIZE | SWP_NOMOVE;                     // 0x3

inline constexpr int SW_RESTORE = 9;

inline constexpr unsigned GW_OWNER = 4;
inline constexpr unsigned WM_NULL = 0x0;
inline constexpr unsigned WM_CLOSE = 0x10;

inline constexpr unsigned SMTO_ABORTIFHUNG = 0x2;

// How long a close request waits for a responding window that is asking its
// user (to save, say) before the next window is asked anyway. The request
// itself stays queued with that window.
inline constexpr unsigned kCloseAnswerWaitMs = 60'000;

inline constexpr unsigned MB_OK = 0x0;

// Seeing through a window: its layered style and attributes, the class styles
// that forbid them, and the keys that step them.
inline constexpr std::uint32_t WS_EX_LAYERED = 0x00080000;
// Drawn straight by the compositor, without a bitmap the window system could
// blend: terminals, WinUI and store app frames. Made layered, they can turn black.
inline constexpr std::uint32_t WS_EX_NOREDIRECTIONBITMAP = 0x00200000;
inline constexpr std::uint32_t LWA_COLORKEY = 0x1;
inline constexpr std::uint32_t LWA_ALPHA = 0x2;
inline constexpr int GCL_STYLE = -26;
inline constexpr std::uint32_t CS_OWNDC = 0x20;
inline constexpr std::uint32_t CS_CLASSDC = 0x40;
// What "Using Layered Windows" asks for once a window is no longer layered.
inline constexpr unsigned RDW_INVALIDATE = 0x1;
inline constexpr unsigned RDW_ERASE = 0x4;
inline constexpr unsigned RDW_ALLCHILDREN = 0x80;
inline constexpr unsigned RDW_FRAME = 0x400;
inline constexpr unsigned kRedrawUnlayered = RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN;
inline constexpr std::uint8_t VK_ADD = 0x6B;
inline constexpr std::uint8_t VK_SUBTRACT = 0x6D;
inline constexpr std::uint8_t VK_OEM_PLUS = 0xBB;
inline constexpr std::uint8_t VK_OEM_MINUS = 0xBD;

// Integrity levels, as the last part of a token's integrity label gives them.
// User Interface Privilege Isolation lets no program change the windows of
// one at a higher level; a program run as administrator is at the high one.
inline constexpr std::uint32_t SECURITY_MANDATORY_MEDIUM_RID = 0x2000;
inline constexpr std::uint32_t SECURITY_MANDATORY_HIGH_RID = 0x3000;

// Called once per top-level window by EnumWindows; return 0 to stop early.
using WindowEnumProc = int (*)(Hwnd hwnd, std::intptr_t lParam);

// Text crosses as UTF-8 here; the Win32 implementation hands the window
// system UTF-16, whatever the 8-bit code page. Lengths and capacities of
// titles count UTF-16 units, as the window system does. Every call may be
// made from any thread.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  virtual std::int32_t GetWindowLongW(Hwnd hwnd, int index) = 0;
  // An upper bound of the title's length.
  virtual int GetWindowTextLengthW(Hwnd hwnd) = 0;
  // Reads the title, cut to capacity - 1 units, into `title`; returns the
  // units read, 0 when there is none.
  virtual int GetWindowTextW(Hwnd hwnd, std::string& title, int capacity) = 0;
  // As GetWindowTextW, for the name of the window's class.
  virtual int GetClassNameW(Hwnd hwnd, std::string& name, int capacity) = 0;

  virtual void SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy,
                            unsigned flags) = 0;
  virtual void ShowWindow(Hwnd hwnd, int cmdShow) = 0;
  // As ShowWindow, but posted to the window's thread rather than waited for.
  virtual void ShowWindowAsync(Hwnd hwnd, int cmdShow) = 0;
  virtual void SetForegroundWindow(Hwnd hwnd) = 0;
  // 0 when no window is in front (while the activation changes, say).
  virtual Hwnd GetForegroundWindow() = 0;
  // The pop-up the window owns that was active last (the dialog it waits
  // on, say), or the window itself when it has none.
  virtual Hwnd GetLastActivePopup(Hwnd hwnd) = 0;
  // GW_OWNER: the window that owns it, 0 for none.
  virtual Hwnd GetWindow(Hwnd hwnd, unsigned cmd) = 0;
  virtual bool IsWindowVisible(Hwnd hwnd) = 0;
  virtual bool IsWindowEnabled(Hwnd hwnd) = 0;
  // The thread that made the window, 0 for none; its process's id goes to
  // `processId`, if given.
  virtual std::uint32_t GetWindowThreadProcessId(Hwnd hwnd, std::uint32_t* processId) = 0;
  // Lets that process take the foreground from this one, which has it
  // while the user works it.
  virtual void AllowSetForegroundWindow(std::uint32_t processId) = 0;
  virtual Hwnd GetDesktopWindow() = 0;
  // The shell's desktop window, 0 when no shell runs.
  virtual Hwnd GetShellWindow() = 0;
  // The window's thread has read no message for a while (5 s on Windows):
  // anything that waits for it may wait for ever.
  virtual bool IsHungAppWindow(Hwnd hwnd) = 0;
  // The window manager keeps the window off the screen although its style
  // says visible: it is on another virtual desktop, a suspended app, or part
  // of the shell. False where the window manager cannot say.
  virtual bool IsCloaked(Hwnd hwnd) = 0;

  virtual void EnumWindows(WindowEnumProc proc, std::intptr_t lParam) = 0;
  // Returns false when the window did not answer: it was hung, or the wait
  // ran out. Otherwise the answer goes to `result`, if given.
  virtual bool SendMessageTimeoutW(Hwnd hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam,
                                   unsigned flags, unsigned timeoutMs, std::uintptr_t* result = nullptr) = 0;
  // Sends the message without waiting: `answer` is given the window's answer
  // later, on the calling thread as it reads its messages (at once for a
  // window of that thread). False, and `answer` never called, when the
  // message could not be sent (the window has gone, say).
  virtual bool SendMessageCallbackW(Hwnd hwnd, unsigned msg, std::uintptr_t wParam,
                                    std::function<void(std::uintptr_t)> answer) = 0;
  // GetClassLongPtrW, which <windows.h> makes a macro: a value of the
  // window's class (its icons, by GCLP_ index); 0 for none.
  virtual std::uintptr_t ClassLongPtr(Hwnd hwnd, int index) = 0;

  virtual void MessageBeep(unsigned type) = 0;

  // Seeing through windows. Setting the extended style sends the window
  // messages and waits for its answers; reading the layered attributes sends
  // it none. Returns the style before, 0 when refused.
  virtual std::int32_t SetWindowLongW(Hwnd hwnd, int index, std::int32_t value) = 0;
  // False when the window is not layered, or is but draws itself with
  // UpdateLayeredWindow and so has no attributes to read.
  virtual bool GetLayeredWindowAttributes(Hwnd hwnd, std::uint32_t* colorKey, std::uint8_t* alpha,
                                          std::uint32_t* flags) = 0;
  // False when refused: the window is not layered, or belongs to a program
  // with more rights.
  virtual bool SetLayeredWindowAttributes(Hwnd hwnd, std::uint32_t colorKey, std::uint8_t alpha,
                                          std::uint32_t flags) = 0;
  virtual bool IsWindow(Hwnd hwnd) = 0;
  // Marks the window to be drawn anew, as `flags` say; without RDW_UPDATENOW
  // or RDW_ERASENOW it sends nothing and waits for nothing.
  virtual void RedrawWindow(Hwnd hwnd, unsigned flags) = 0;

  // The integrity level of the process, read from its token: the process is
  // opened, no window is sent anything. 0 when it cannot be read.
  virtual std::uint32_t ProcessIntegrity(std::uint32_t processId) = 0;
  // The program's own, read once.
  virtual std::uint32_t OwnIntegrity() = 0;
};

}  // namespace hovrel
