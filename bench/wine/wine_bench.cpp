// hovrel_wine_bench.exe [rebuild] [start] [dlls] [memory] [rows]: the benchmarks that need
// the real window system, run under Wine by scripts/bench.sh. With no
// argument every section runs. Figures only.
#include <cstdio>
#include <cstring>

#include "bench_sections.h"

int main(int argc, char** argv) {
  struct Section {
    const char* name;
    void (*run)();
  };
  constexpr Section kSections[] = {
      {"rebuild", &hovrel::bench::RunRebuildBench},
      {"start", &hovrel::bench::RunStartBench},
      {"dlls", &hovrel::bench::RunDllBench},
      {"memory", &hovrel::bench::RunMemoryBench},
      {"rows", &hovrel::bench::RunRowDrawingBench},
  };
  for (const Section& section : kSections) {
    bool wanted = argc == 1;
    for (int i = 1; i < argc; ++i) wanted = wanted || std::strcmp(argv[i], section.name) == 0;
    if (!wanted) continue;
    section.run();
    std::printf("\n");
  }
  return 0;
}
