// Owning wrappers for Win32 handles that must be released: a font, an icon,
// a menu not attached to a window, an accelerator table, a window, a kernel
// object (a thread). Only for
// forms/win32/ files, after <windows.h>.
#pragma once

#include <utility>

namespace hovrel {

// Holds one handle and releases it with `Release` when it goes; movable,
// not copyable.
template <typename Handle, auto Release>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  ~Owned() { Reset(); }
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  void Reset() {
    if (handle_ != nullptr) Release(handle_);
    handle_ = nullptr;
  }

  Handle handle_ = nullptr;
};

using OwnedFont = Owned<HFONT, &::DeleteObject>;
// Icons from LoadImage without LR_SHARED must be destroyed by their loader.
using OwnedIcon = Owned<HICON, &::DestroyIcon>;
// A menu is destroyed with the window it is attached to; this is for the
// ones that are not (popups).
using OwnedMenu = Owned<HMENU, &::DestroyMenu>;
using OwnedAccelerators = Owned<HACCEL, &::DestroyAcceleratorTable>;
using OwnedWindow = Owned<HWND, &::DestroyWindow>;
using OwnedHandle = Owned<HANDLE, &::CloseHandle>;

}  // namespace hovrel
