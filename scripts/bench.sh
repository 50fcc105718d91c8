#!/usr/bin/env bash
# Builds the benchmarks and prints their figures, one section per benchmark
# program. Figures only: nothing here passes or fails on time. Arguments go
# to every Google Benchmark program (e.g. --benchmark_filter=Walk).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

section() { printf '\n=== %s ===\n' "$*"; }

# The rebuild of the window list on the simulated desktop, natively, in an
# optimised build without sanitizers.
native_window_list() {
  cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build/bench -j 2 --target hovrel_bench >/dev/null
  build/bench/hovrel_bench --benchmark_counters_tabular=true "$@"
}

section "window list rebuild on the simulated desktop (native)"
native_window_list "$@"
