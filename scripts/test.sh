#!/usr/bin/env bash
# Installs whatever is missing, then runs every test: the native unit tests,
# the same under AddressSanitizer and UBSan, static analysis, and the Windows
# tests of the real program under Wine (on a virtual display when none is set).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)

bash scripts/setup.sh
# One display for the whole run: the Wine prefix is made on it while the
# native half builds.
[ -n "${DISPLAY:-}" ] || exec scripts/with-display bash "$0" "$@"

step() { printf '\n=== %s ===\n' "$*"; }

export WINEPREFIX="$root/build/windows/wineprefix"
trap 'wineserver -k 2>/dev/null || true' EXIT
# Making a new prefix takes Wine about 20 s, mostly waiting; a trivial
# command makes it now, alongside the builds.
mkdir -p build
scripts/wine-run cmd /c exit >build/wineprefix.log 2>&1 &
prefix=$!

step "native unit tests"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j "$jobs"
ctest --test-dir build/native --output-on-failure -j "$jobs"

step "native unit tests under AddressSanitizer and UBSan"
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DHOVREL_SANITIZE=ON >/dev/null
cmake --build build/sanitize -j "$jobs"
ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

step "Windows build and its download"
cmake --preset windows-release >/dev/null
cmake --build --preset windows-release -j "$jobs" --target all package
wait "$prefix" || { cat build/wineprefix.log; exit 1; }

# The Wine suite mostly waits on windows, so the analysers run beside it.
step "tests under Wine, and static analysis (clang-tidy, cppcheck) beside them"
bash scripts/analyse.sh build/native >build/analysis.log 2>&1 &
analysis=$!
status=0
ctest --test-dir build/windows --output-on-failure || status=1
wait "$analysis" || status=1
cat build/analysis.log
exit "$status"
