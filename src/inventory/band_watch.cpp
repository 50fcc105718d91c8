// Watching windows move between the bands; see band_watch.h.
#include "inventory/band_watch.h"

#include "inventory/placement.h"

namespace hovrel {

std::optional<bool> BandWatch::Pending(Hwnd hwnd) const {
  const auto found = watched_.find(hwnd);
  return found == watched_.end() ? std::nullopt : std::optional(found->second.topmost);
}

std::vector<Hwnd> BandWatch::Look() {
  std::vector<Hwnd> done;
  for (auto entry = watched_.begin(); entry != watched_.end();) {
    auto& [hwnd, move] = *entry;
    // A window that has gone (it has no thread) moves no more.
    const bool moving = IsTopmost(ws_, hwnd) != move.topmost && ws_.GetWindowThreadProcessId(hwnd, nullptr) != 0;
    if (moving && --move.looksLeft > 0) {
      ++entry;
      continue;
    }
    done.push_back(hwnd);
    entry = watched_.erase(entry);
  }
  return done;
}

}  // namespace hovrel
