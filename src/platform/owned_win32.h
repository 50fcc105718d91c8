// Owning types for what the platform files get from Windows and must give
// back: a kernel handle and a COM interface pointer. Only for platform/ Win32
// files, after <windows.h>.
#pragma once

#include <utility>

namespace hovrel {

// Closes a kernel handle when it goes out of scope.
class KernelHandle {
 public:
  explicit KernelHandle(HANDLE handle) : handle_(handle) {}
  ~KernelHandle() {
    if (handle_ != nullptr) ::CloseHandle(handle_);
  }
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

// Releases a COM interface pointer when it goes; movable, not copyable.
template <typename Interface>
class ComPointer {
 public:
  ComPointer() = default;
  ~ComPointer() { Reset(); }
  ComPointer(ComPointer&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPointer& operator=(ComPointer&& other) noexcept {
    if (this != &other) {
      Reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;

  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // For a call that hands back a pointer: the one held so far goes first.
  Interface** Out() {
    Reset();
    return &pointer_;
  }
  void** OutVoid() { return reinterpret_cast<void**>(Out()); }
  // The same object's `Other` interface, into `other`; false if it has none.
  template <typename Other>
  bool QueryInto(ComPointer<Other>& other) const {
    return pointer_ != nullptr && SUCCEEDED(pointer_->QueryInterface(__uuidof(Other), other.OutVoid()));
  }

 private:
  void Reset() {
    if (pointer_ != nullptr) pointer_->Release();
    pointer_ = nullptr;
  }

  Interface* pointer_ = nullptr;
};

}  // namespace hovrel
