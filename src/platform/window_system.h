// The window-system operations the program performs on top-level windows,
// as one small interface. The Win32 implementation (window_system_win32.cpp)
// calls user32 under these names; the tests put a simulated desktop behind it.
#pragma once

#include <cstdint>

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
// Other programs' windows are also shown when placed; our own is only moved
// between bands.
inline constexpr unsigned kPlaceOtherFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW;  // 0x43
inline constexpr unsigned kPlaceOwnFlags = SWP_NOSIZE | SWP_NOMOVE;                     // 0x3

inline constexpr int SW_RESTORE = 9;
inline constexpr unsigned WM_CLOSE = 0x10;

inline constexpr unsigned SMTO_ABORTIFHUNG = 0x2;

// How long a close request waits for a responding window that is asking its
// user (to save, say) before the next window is asked anyway. The request
// itself stays queued with that window.
inline constexpr unsigned kCloseAnswerWaitMs = 60'000;

inline constexpr unsigned MB_OK = 0x0;

// Called once per top-level window by EnumWindows; return 0 to stop early.
using WindowEnumProc = int (*)(Hwnd hwnd, std::intptr_t lParam);

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  virtual std::int32_t GetWindowLongA(Hwnd hwnd, int index) = 0;
  // An upper bound of the title's length in 8-bit characters.
  virtual int GetWindowTextLengthA(Hwnd hwnd) = 0;
  // Copies at most capacity - 1 characters and a terminating zero;
  // returns the count copied, 0 when there is none.
  virtual int GetWindowTextA(Hwnd hwnd, char* buffer, int capacity) = 0;

  virtual void SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy,
                            unsigned flags) = 0;
  virtual void ShowWindow(Hwnd hwnd, int cmdShow) = 0;
  virtual void SetForegroundWindow(Hwnd hwnd) = 0;
  // 0 when no window is in front (while the activation changes, say).
  virtual Hwnd GetForegroundWindow() = 0;
  virtual Hwnd GetDesktopWindow() = 0;
  // The shell's desktop window, 0 when no shell runs.
  virtual Hwnd GetShellWindow() = 0;
  // As GetWindowTextA, for the name of the window's class.
  virtual int GetClassNameA(Hwnd hwnd, char* buffer, int capacity) = 0;

  virtual void EnumWindows(WindowEnumProc proc, std::intptr_t lParam) = 0;
  // Returns false when the window did not answer: it was hung, or the wait
  // ran out. The results of the message itself are not used.
  virtual bool SendMessageTimeoutA(Hwnd hwnd, unsigned msg, std::uintptr_t wParam,
                                   std::intptr_t lParam, unsigned flags, unsigned timeoutMs) = 0;

  virtual void MessageBeep(unsigned type) = 0;
};

}  // namespace hovrel
