// One timed start of a program beside the driver, as the start benchmarks
// take it: from just before CreateProcess until its window is seen shown
// (hovrel.exe's with its list filled), then closed again.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "child_process.h"
#include "start_phases.h"

namespace hovrel::bench {

struct Program {
  const wchar_t* file;
  std::wstring arguments;
  std::string caption;
  bool listed;   // ready only once its list has rows
  bool stamped;  // hands over its phase record (hovrel_phases.exe)
};

struct StartRun {
  double shownMs = -1;  // negative when the window never came
  std::optional<PhaseRecord> phases;
};

// Starts the program and waits until it is ready; then, with the process
// still running, waits for its record when stamped and calls `meanwhile`
// (none: nothing), and closes it.
StartRun RunStart(const Program& program,
                  const std::function<void(const ChildProcess&)>& meanwhile = {});

// The rows in the list of a window of hovrel.exe, 0 when it has no list yet.
int ListRows(HWND form);

}  // namespace hovrel::bench
