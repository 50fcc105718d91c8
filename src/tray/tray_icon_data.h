// The main window's notification-icon record and its 8-bit form. frmMain
// fills it once at load; TrayIcon hands the packed form to the shell.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/shell.h"

namespace hovrel {

inline constexpr std::uint32_t kTrayIconId = 1;
inline constexpr std::size_t kTrayTipLength = 128;

struct TrayIconData {
  std::uint32_t cbSize = 0;
  Hwnd hWnd = 0;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  std::uint32_t hIcon = 0;
  std::array<char, kTrayTipLength> szTip{};
};

// The record for icon 1 of `window`, showing `icon` with `caption` as its tip
// and reporting its mouse actions as WM_MOUSEMOVE messages to the window.
TrayIconData FillTrayIconData(Hwnd window, std::uint32_t icon, std::string_view caption);

// Little-endian, the tip's bytes exactly as held: no terminator is added.
TrayRecord PackTrayIconData(const TrayIconData& data);

}  // namespace hovrel
