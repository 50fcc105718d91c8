#!/usr/bin/env bash
# Installs whatever is missing, then runs every test: the native unit tests,
# the same under AddressSanitizer and UBSan, static analysis, and the Windows
# tests of the real program under Wine (on a virtual display when none is set).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)

bash scripts/setup.sh

step() { printf '\n=== %s ===\n' "$*"; }

step "native unit tests"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/native -j "$jobs"
ctest --test-dir build/native --output-on-failure -j "$jobs"

step "native unit tests under AddressSanitizer and UBSan"
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DHOVREL_SANITIZE=ON >/dev/null
cmake --build build/sanitize -j "$jobs"
ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

step "static analysis: clang-tidy and cppcheck"
bash scripts/analyse.sh build/native

step "Windows build and tests under Wine"
cmake --preset windows-release >/dev/null
cmake --build --preset windows-release -j "$jobs" --target all package
export WINEPREFIX="$root/build/windows/wineprefix"
trap 'wineserver -k 2>/dev/null || true' EXIT
scripts/with-display ctest --test-dir build/windows --output-on-failure
