// Owning wrappers for the toolkit's Win32 handles that must be released: a
// font, an icon, a menu not attached to a window, an accelerator table, a
// window, the screen's device context, what was selected into a device
// context, and a window's paint (kernel objects: platform/owned_win32.h).
// Only for forms/win32/ files, after <windows.h>.
#pragma once

#include "platform/owned_win32.h"

namespace hovrel {

using OwnedFont = Owned<HFONT, &::DeleteObject>;
// Icons from LoadImage without LR_SHARED must be destroyed by their loader.
using OwnedIcon = Owned<HICON, &::DestroyIcon>;
// A menu is destroyed with the window it is attached to; this is for the
// ones that are not (popups).
using OwnedMenu = Owned<HMENU, &::DestroyMenu>;
using OwnedAccelerators = Owned<HACCEL, &::DestroyAcceleratorTable>;
using OwnedWindow = Owned<HWND, &::DestroyWindow>;

// The screen's device context, for measuring, released on every way out.
class ScreenDc {
 public:
  ScreenDc() : dc_(::GetDC(nullptr)) {}
  ~ScreenDc() { ::ReleaseDC(nullptr, dc_); }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// Gives the device context back as it was handed over.
class SavedDc {
 public:
  explicit SavedDc(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
  ~SavedDc() { ::RestoreDC(dc_, saved_); }
  SavedDc(const SavedDc&) = delete;
  SavedDc& operator=(const SavedDc&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// Ends the paint of the window's update region on every way out.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { ::BeginPaint(hwnd_, &paint_); }
  ~PaintScope() { ::EndPaint(hwnd_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return paint_.hdc; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_{};
};

}  // namespace hovrel
