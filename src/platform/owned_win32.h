// Owning types for what Win32 files get from Windows and must give back: any
// handle with its release function, a kernel handle, a COM interface pointer.
// Only for Win32 files, after <windows.h>.
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

// A kernel object: a process, a thread, a token, an event.
using OwnedHandle = Owned<HANDLE, &::CloseHandle>;

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
