// Timing and waiting for the Wine benchmarks: a stopwatch on the performance
// counter, the median of a run of figures, and a poll with a deadline.
#pragma once

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

namespace hovrel::bench {

class Stopwatch {
 public:
  Stopwatch() { ::QueryPerformanceCounter(&start_); }
  double Milliseconds() const {
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) /
           static_cast<double>(frequency.QuadPart);
  }
  // The counter when it started, comparable with any process's.
  std::int64_t Started() const { return start_.QuadPart; }

 private:
  LARGE_INTEGER start_;
};

inline double Median(std::vector<double> figures) {
  if (figures.empty()) return 0;
  std::sort(figures.begin(), figures.end());
  const std::size_t middle = figures.size() / 2;
  return figures.size() % 2 ? figures[middle] : (figures[middle - 1] + figures[middle]) / 2;
}

// Checks `done` every millisecond until it holds; false when the deadline
// passed first.
template <typename Done>
bool WaitUntil(Done done, std::chrono::milliseconds deadline) {
  const Stopwatch watch;
  while (!done()) {
    if (watch.Milliseconds() > static_cast<double>(deadline.count())) return false;
    ::Sleep(1);
  }
  return true;
}

}  // namespace hovrel::bench
