// The shell operations the program uses: the notification icon, handing web
// and mail targets to the shell, and starting Notepad. shell_win32.cpp calls
// shell32/kernel32; tests/sim has a recorder. Text is UTF-8 here, as in
// WindowSystem, except in the icon's record, which the shell takes in its
// 8-bit form.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/window_system.h"

namespace hovrel {

// These carry the window system's own names. A Win32 file must include this
// header before <windows.h>, whose macros of the same names would otherwise
// rewrite the declarations below.
inline constexpr unsigned NIM_ADD = 0;
inline constexpr unsigned NIM_MODIFY = 1;
inline constexpr unsigned NIM_DELETE = 2;
inline constexpr std::uint32_t NIF_MESSAGE = 0x1;
inline constexpr std::uint32_t NIF_ICON = 0x2;
inline constexpr std::uint32_t NIF_TIP = 0x4;

inline constexpr unsigned WM_MOUSEMOVE = 0x200;
inline constexpr unsigned WM_LBUTTONUP = 0x202;
inline constexpr unsigned WM_LBUTTONDBLCLK = 0x203;
inline constexpr unsigned WM_RBUTTONUP = 0x205;
inline constexpr unsigned WM_MOUSEHWHEEL = 0x20E;  // the last mouse message

inline constexpr int SW_SHOWNORMAL = 1;

// The notification-icon record in the 8-bit form the shell is handed:
// six 32-bit fields and a 128-byte tip.
inline constexpr std::size_t kTrayRecordSize = 152;
using TrayRecord = std::array<std::uint8_t, kTrayRecordSize>;

class Shell {
 public:
  virtual ~Shell() = default;

  // True when the shell took the request.
  virtual bool Shell_NotifyIconA(unsigned message, const TrayRecord& record) = 0;
  // parameters and directory may be null. The shell's answer is not used.
  virtual void ShellExecuteW(Hwnd owner, const char* verb, const char* file,
                             const char* parameters, const char* directory, int showCommand) = 0;
  // Starts the program file `application` (a full path, so that no folder
  // is searched for it) with `commandLine` as its command line, and keeps
  // nothing of the started process. False when it could not be started.
  virtual bool StartProgram(const std::string& application, const std::string& commandLine,
                            int showCommand) = 0;
  // The program runs with an administrator's rights (a high integrity
  // level) and the desktop's shell does not: what the program starts itself
  // would have more rights than the user's own programs.
  virtual bool Elevated() = 0;
  // Has the desktop's shell, which runs with the user's ordinary rights,
  // open `file` with `parameters` (may be null), shown normally, as a
  // double-click there would: what starts has those rights. False when the
  // desktop's shell could not be reached.
  virtual bool ShellExecuteFromDesktop(const char* file, const char* parameters) = 0;
};

}  // namespace hovrel
