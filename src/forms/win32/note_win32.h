// The short note a form shows over another window (FormHost::ShowNote): a
// small top-level window that is never activated and lets clicks through,
// sized for the resolution of the monitor it lies on, and gone by itself.
// FormWindow makes one at its first note. Only for forms/win32/ files,
// after <windows.h>.
#pragma once

#include <string>

#include "forms/win32/win32_owned.h"

namespace hovrel {

class Note {
 public:
  // Makes the window, hidden.
  Note();
  Note(const Note&) = delete;
  Note& operator=(const Note&) = delete;

  // Shows `text` over `over` at once, in place of any note shown, and
  // announces it to screen readers.
  void Show(HWND over, const std::wstring& text);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void OnPaint();
  void OnTimer(WPARAM id);
  // Fades the note out where the user has animations on, else hides it.
  void StartHiding();
  void FadeStep();

  // The message font at `dpi`, made again only when the resolution changes.
  void TakeFont(int dpi);
  // The note's size for text_ in font_.
  SIZE Measure(int dpi) const;
  void SetAlpha(int alpha);

  std::wstring text_;
  int fontDpi_ = 0;
  OwnedFont font_;
  int alpha_ = 255;
  // Last, so that it is destroyed first, while its messages can still reach
  // the rest.
  OwnedWindow window_;
};

}  // namespace hovrel
