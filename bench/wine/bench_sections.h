// The sections of the Wine benchmark driver, each printing one table.
// Figures only: nothing here passes or fails.
#pragma once

namespace hovrel::bench {

// The window list rebuild in a shown main window against its floor, the
// bare walk with the same window-system calls.
void RunRebuildBench();
// hovrel.exe's start to its filled list against a bare one-window program,
// and its start phase by phase.
void RunStartBench();
// What the DLLs hovrel.exe imports beyond a bare program's cost that program.
void RunDllBench();
// hovrel.exe's memory after start and after many rebuilds.
void RunMemoryBench();
// A page of the list's rows drawn with their icons, at 96 and 144 dpi.
void RunRowDrawingBench();

}  // namespace hovrel::bench
