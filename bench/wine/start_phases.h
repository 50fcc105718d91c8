// What hovrel_phases.exe hands the benchmark driver: the performance counter
// and its own working set at each step of the start, in one record on its
// standard output once the notification icon is added. The counter is the
// system's, so the driver's stamp before CreateProcess compares with these.
#pragma once

#include <cstdint>

namespace hovrel::bench {

// The steps in the order they come; each phase runs from one to the next.
enum class Stamp : std::uint8_t {
  Created,      // the driver, just before CreateProcess
  WinMain,      // WinMain entered
  Built,        // the main window and its controls built (Win32Form made)
  Filled,       // the list filled (Form_Load returned)
  Shown,        // the window shown (Win32Form::Load returned)
  Painted,      // the first Form_Paint returned
  IconAsked,    // the shell asked to add the icon (Shell_NotifyIconA called)
  IconAdded,    // the Form_Timer that added it returned
  Count,
};

inline constexpr int kStampCount = static_cast<int>(Stamp::Count);

// The phase that ends at each stamp, as the bench prints it.
inline constexpr const char* kPhaseNames[kStampCount] = {
    "",
    "process start to WinMain",
    "window and controls built",
    "list filled (Form_Load)",
    "window shown",
    "first paint (with its rebuild)",
    "idle until the icon timer",
    "icon added (Shell_NotifyIconA)",
};

// Laid out alike on both sides: the same compiler builds both programs.
struct PhaseRecord {
  std::int64_t counter[kStampCount] = {};
  // 0 where the child took no stamp (Created) or could not read it.
  std::uint32_t workingSetKiB[kStampCount] = {};
};

}  // namespace hovrel::bench
