// The windows posted a move between the bands, each watched until it has
// made the move: its own thread makes it when it reads its messages, and a
// row drawn before would show the band it left. Used by frmMain, which draws
// each window's row again as it comes out of the watch.
#pragma once

#include <map>
#include <optional>
#include <vector>

#include "platform/window_system.h"

namespace hovrel {

class BandWatch {
 public:
  // How often the watched windows are looked at, and how many looks a
  // window gets before its row is drawn as it is (5 s: a hung window).
  static constexpr unsigned kLookMs = 50;
  static constexpr int kLooks = 100;

  explicit BandWatch(WindowSystem& ws) : ws_(ws) {}

  // `hwnd` was posted a move into the topmost band, or out of it.
  void Watch(Hwnd hwnd, bool topmost) { watched_[hwnd] = {topmost, kLooks}; }
  // The band the window was posted to, while it has not made the move.
  std::optional<bool> Pending(Hwnd hwnd) const;
  // Looks at every watched window once, and returns those that have moved,
  // have gone or have had their last look: they are watched no more.
  std::vector<Hwnd> Look();
  bool Watching() const { return !watched_.empty(); }

 private:
  struct Move {
    bool topmost;
    int looksLeft;
  };

  WindowSystem& ws_;
  std::map<Hwnd, Move> watched_;
};

}  // namespace hovrel
