#!/usr/bin/env bash
# Builds the benchmarks and prints their figures, one section per benchmark
# program. Figures only: nothing here passes or fails on time. Arguments go
# to every Google Benchmark program (e.g. --benchmark_filter=Walk);
# BENCH_SECTIONS picks sections (default "native wine").
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

# The DLLs every Windows has; hovrel.exe may import nothing else.
system_dlls="kernel32.dll user32.dll gdi32.dll shell32.dll comctl32.dll msvcrt.dll advapi32.dll ole32.dll"

exe_size() {
  local exe=$1 bytes imports foreign=""
  bytes=$(stat -c %s "$exe")
  printf 'hovrel.exe: %d bytes = %d KiB (target: at most 256 KiB)\n' "$bytes" $(((bytes + 1023) / 1024))
  imports=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print tolower($3) }')
  printf 'imports:    %s\n' "$(echo $imports)"
  for dll in $imports; do
    case " $system_dlls " in *" $dll "*) ;; *) foreign="$foreign $dll" ;; esac
  done
  printf 'self-contained: %s\n' "${foreign:-yes, only Windows system DLLs}"
}

# The rebuild in the real list box, the start, the memory and a page of rows
# drawn, under Wine on a virtual display, in an optimised Windows build with a
# prefix of its own.
wine_benchmarks() {
  local build=build/windows-release
  cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
    -DHOVREL_WINE_BENCHMARKS=ON >/dev/null
  cmake --build "$build" -j 2 --target hovrel_wine_bench >/dev/null
  exe_size "$build/hovrel.exe"
  echo
  # Without the tests' virtual desktop: every window an X window of its own,
  # as each is a window of its own on Windows.
  export WINEPREFIX="$root/$build/wineprefix-bare" HOVREL_WINE_DESKTOP=no
  scripts/with-display scripts/wine-run "$build/hovrel_wine_bench.exe"
  wineserver -k 2>/dev/null || true
}

for wanted in ${BENCH_SECTIONS:-native wine}; do
  case $wanted in
    native)
      section "window list rebuild on the simulated desktop (native)"
      native_window_list "$@" ;;
    wine)
      section "Wine: hovrel.exe's size, rebuild, start, memory and rows drawn"
      wine_benchmarks ;;
  esac
done
