// A crowd of top-level windows for the Wine benchmarks: a desktop of any size
// with titles of varied length and script, and a mix of framed, frameless,
// hidden and untitled windows. Made on the calling thread, destroyed with it.
#pragma once

#include <windows.h>

#include <vector>

namespace hovrel::bench {

class WindowCrowd {
 public:
  explicit WindowCrowd(int count);
  ~WindowCrowd();
  WindowCrowd(const WindowCrowd&) = delete;
  WindowCrowd& operator=(const WindowCrowd&) = delete;

  int size() const { return static_cast<int>(windows_.size()); }

 private:
  std::vector<HWND> windows_;
};

// Reads and dispatches what the thread's queue holds now.
void PumpMessages();

}  // namespace hovrel::bench
