// The sign between window_crowd.exe and the benchmark driver: a window of
// this class appears once the whole crowd is up, and closing it ends the
// helper.
#pragma once

namespace hovrel::bench {

inline constexpr wchar_t kCrowdReadyClass[] = L"HovrelBenchCrowdReady";

}  // namespace hovrel::bench
