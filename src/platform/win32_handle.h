// Conversions between the program's 32-bit window handles and HWND. Only
// for platform/ files, after <windows.h>.
#pragma once

#include <cstdint>

namespace hovrel {

// Window handles are 32 bits wide on every Windows, also in 64-bit
// processes, so the round trip loses nothing.
inline HWND ToHwnd(std::uint32_t handle) {
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(handle));
}
inline std::uint32_t FromHwnd(HWND hwnd) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hwnd));
}

}  // namespace hovrel
