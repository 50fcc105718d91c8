#!/usr/bin/env bash
# Static analysis of the portable code and the simulated desktop: clang-tidy
# (checks in .clang-tidy) and cppcheck, both from the native build's compile
# commands; cppcheck also reads the Win32 files on their own. Any finding
# fails. Usage: scripts/analyse.sh [native build dir, default build/native]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${1:-build/native}
jobs=$(nproc)
portable=(src/forms src/inventory src/ui src/tray src/links)
# The simulated desktop is headers only: clang-tidy takes their flags from the
# sources beside them, cppcheck reads them as C++.
sim_headers=(tests/sim/*.h)

# Configuring again picks up source files added since the last configure.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug >/dev/null

# The toolkit's Win32 half (forms/win32/) is read by cppcheck below.
mapfile -t sources < <(find "${portable[@]}" -name '*.cpp' -not -path '*/win32/*' 2>/dev/null | sort)
sources+=("${sim_headers[@]}")
status=0

echo "clang-tidy: ${#sources[@]} files"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
printf '%s\n' "${sources[@]}" | xargs -r -P "$jobs" -n 1 clang-tidy -p "$build" --quiet >"$log" 2>&1 || status=1
# clang-tidy counts the warnings it hid in system headers; only findings matter.
grep -v -e 'warnings generated' -e 'Suppressed [0-9]* warnings' -e 'header-filter' "$log" || true

echo "cppcheck: portable code and simulated desktop"
filters=()
for dir in "${portable[@]}"; do filters+=("--file-filter=$dir/*"); done
cppcheck_options=(--enable=warning,performance,portability --error-exitcode=1 --std=c++20 --quiet
                  --inline-suppr)
cppcheck "${cppcheck_options[@]}" --project="$build/compile_commands.json" "${filters[@]}" || status=1
cppcheck "${cppcheck_options[@]}" --language=c++ -I src -I tests "${sim_headers[@]}" || status=1

# Without the MinGW headers, which cppcheck cannot take from a native build.
# Its own windows library is not used either: its macros of the Win32 names
# would rewrite our constants of the same names (see window_system.h).
echo "cppcheck: Win32 files"
cppcheck "${cppcheck_options[@]}" --platform=win32A -D_WIN32 -DWIN32_LEAN_AND_MEAN -DNOMINMAX -I src \
  src/platform/*_win32.cpp src/forms/win32/*_win32.cpp || status=1

[ "$status" -eq 0 ] && echo "analysis: no findings"
exit "$status"
