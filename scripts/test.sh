#!/usr/bin/env bash
# Installs whatever is missing, then runs every test: the native unit tests,
# the same under AddressSanitizer and UBSan, static analysis, and the Windows
# tests of the real program under Wine (on a virtual display when none is set).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)

bash scripts/setup.sh
# Wine runs 32-bit Windows programs as 32-bit Linux processes. Where the
# kernel refuses them and setup could not register QEMU for them either, the
# Wine half cannot run at all, and saying so beats failing on every test.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then wine=yes; else wine=no; fi
# One display for the whole run: the Wine prefix is made on it while the
# native half builds.
[ -n "${DISPLAY:-}" ] || exec scripts/with-display bash "$0" "$@"

step() { printf '\n=== %s ===\n' "$*"; }

export WINEPREFIX="$root/build/windows/wineprefix"
trap 'wineserver -k 2>/dev/null || true' EXIT
# Making a new prefix takes Wine about 20 s, mostly waiting; a trivial
# command makes it now, alongside the builds.
mkdir -p build
prefix=
if [ "$wine" = yes ]; then
  scripts/wine-run cmd /c exit >build/wineprefix.log 2>&1 &
  prefix=$!
fi

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
[ -z "$prefix" ] || wait "$prefix" || { cat build/wineprefix.log; exit 1; }

# The Wine suite mostly waits on windows, so the analysers run beside it, at
# the lowest priority: where QEMU runs 32-bit Wine, Wine needs the processor
# too, and a test that waits on the program must not wait on clang-tidy.
step "tests under Wine, and static analysis (clang-tidy, cppcheck)"
nice -n 19 bash scripts/analyse.sh build/native >build/analysis.log 2>&1 &
analysis=$!
status=0
if [ "$wine" = yes ]; then
  ctest --test-dir build/windows --output-on-failure || status=1
else
  ctest --test-dir build/windows --output-on-failure -R '^package_unpack$' || status=1
  printf '\nNOT RUN: the tests under Wine. This machine runs no 32-bit programs, not even\n'
  printf 'through QEMU, so 32-bit Wine cannot start. Only the package was checked.\n'
fi
wait "$analysis" || status=1
cat build/analysis.log
exit "$status"
