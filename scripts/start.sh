#!/usr/bin/env bash
# Builds Quarrow Hovrel for Windows and starts it under Wine. With a display
# set, it runs until the user ends it. Without one, it is shown on a virtual
# display inside Wine's own desktop, with its taskbar, beside a Notepad
# window; a screenshot is saved to build/screenshot.png, and the program is
# ended again. (Wine gives a taskbar only to the desktop named "shell".)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# HOVREL_BUILD picks another build directory (a developer's own).
build=${HOVREL_BUILD:-build/windows}
# A prefix of its own, without the tests' virtual desktop: on a real display
# the program's window is a window of the user's desktop.
export WINEPREFIX=${WINEPREFIX:-$root/$build/wineprefix-user} HOVREL_WINE_DESKTOP=no
exe=$build/hovrel.exe
screenshot=build/screenshot.png

# Runs on the virtual display that scripts/with-display made.
if [ "${1:-}" = "--screenshot" ]; then
  trap 'wineserver -k 2>/dev/null || true' EXIT
  # Polls until the command succeeds; gives up after $1 seconds.
  wait_for() {
    local limit=$1 what=$2
    shift 2
    local deadline=$((SECONDS + limit))
    until "$@"; do
      if [ $SECONDS -ge $deadline ]; then
        echo "start: no $what within $limit s; X windows seen:" >&2
        xwininfo -root -tree | grep '"' >&2 || true
        exit 1
      fi
      sleep 0.2
    done
  }
  # Wine's desktop is one X window; the programs' windows are X windows
  # inside it, named by their captions.
  has_window() { xwininfo -root -tree | grep -q "$1"; }
  # The window is mapped before its first paint reaches the screen: wait
  # until two shots in a row are the same.
  # (PPM, since PNG files carry the time they were made.)
  settled() {
    import -window root -crop 800x500+0+0 build/shot.next.ppm
    if [ -f build/shot.ppm ] && cmp -s build/shot.ppm build/shot.next.ppm; then
      convert build/shot.ppm "$screenshot"
      rm -f build/shot.ppm build/shot.next.ppm
      return 0
    fi
    mv build/shot.next.ppm build/shot.ppm
    return 1
  }
  scripts/wine-run explorer /desktop=shell,800x500 notepad >/dev/null 2>&1 &
  wait_for 60 "Notepad window" has_window '("notepad.exe"'
  scripts/wine-run explorer /desktop=shell,800x500 "$exe" >/dev/null 2>&1 &
  wait_for 60 'window "Quarrow Hovrel"' has_window '"Quarrow Hovrel": ("hovrel.exe"'
  rm -f build/shot.ppm
  wait_for 30 "settled picture" settled
  echo "start: screenshot saved to $root/$screenshot"
  exit 0
fi

bash scripts/setup.sh
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build "$build" -j "$(nproc)" --target hovrel
# 32-bit Wine needs a machine that runs 32-bit programs, natively or through
# the QEMU that setup registers.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo "start: built $exe, but this machine runs no 32-bit programs, so Wine cannot start it here" >&2
  exit 1
fi

if [ -n "${DISPLAY:-}" ]; then
  exec scripts/wine-run "$exe"
fi
exec scripts/with-display bash "$0" --screenshot
