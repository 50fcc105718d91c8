#!/usr/bin/env bash
# Builds Quarrow Hovrel for Windows and starts it under Wine. With a display
# set, it runs until the user ends it. Without one, it is shown on a virtual
# display inside Wine's own desktop beside a Notepad window, a screenshot is
# saved to build/screenshot.png, and the program is ended again.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# HOVREL_BUILD picks another build directory (a developer's own).
build=${HOVREL_BUILD:-build/windows}
export WINEPREFIX=${WINEPREFIX:-$root/$build/wineprefix}
exe=$build/hovrel.exe
screenshot=build/screenshot.png

# Runs on the virtual display that scripts/with-display made.
if [ "${1:-}" = "--screenshot" ]; then
  trap 'wineserver -k 2>/dev/null || true' EXIT
  scripts/wine-run explorer /desktop=Hovrel,800x500 notepad >/dev/null 2>&1 &
  until xwininfo -root -tree | grep -q '("notepad.exe"'; do sleep 0.2; done
  scripts/wine-run explorer /desktop=Hovrel,800x500 "$exe" >/dev/null 2>&1 &
  # Wine's desktop is one X window; the program's windows are X windows
  # inside it, named by their captions.
  deadline=$((SECONDS + 60))
  until xwininfo -root -tree | grep -q '"Quarrow Hovrel": ("hovrel.exe"'; do
    if [ $SECONDS -ge $deadline ]; then
      echo "start: no window \"Quarrow Hovrel\" within 60 s; X windows seen:" >&2
      xwininfo -root -tree | grep '"' >&2 || true
      exit 1
    fi
    sleep 0.2
  done
  # The window is mapped before its first paint has reached the screen.
  sleep 2
  import -window root -crop 800x500+0+0 "$screenshot"
  echo "start: screenshot saved to $root/$screenshot"
  exit 0
fi

bash scripts/setup.sh
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build "$build" -j "$(nproc)" --target hovrel

if [ -n "${DISPLAY:-}" ]; then
  exec scripts/wine-run "$exe"
fi
exec scripts/with-display bash "$0" --screenshot
