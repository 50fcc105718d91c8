// Owning wrappers for Win32 handles that must be released: a font, an icon,
// a menu not attached to a window, an accelerator table, a window. Only for
// platform/ files, after <windows.h>.
#pragma once

#include <atomic>
#include <utility>

namespace hovrel {

// Holds one handle and releases it with `Release` when it goes; movable,
// not copyable. Each kind keeps a count of the handles held, because Wine
// answers 0 to GetGuiResources: the count is how a test sees a leak.
template <typename Handle, auto Release>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {
    if (handle_ != nullptr) ++live_;
  }
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

  // Handles of this kind held now, by every thread.
  static int Live() { return live_; }

 private:
  void Reset() {
    if (handle_ != nullptr) {
      Release(handle_);
      --live_;
    }
    handle_ = nullptr;
  }

  static inline std::atomic<int> live_{0};
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

}  // namespace hovrel
