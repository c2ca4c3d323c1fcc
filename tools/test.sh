#!/bin/sh
# Builds Talvex and runs every test under Wine; ends with ctest's summary.
# Usage: tools/test.sh [ctest arguments...]
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/tools/jobs.sh"
"$top/tools/setup-deps.sh"
BUILD_DIR="${TALVEX_BUILD_DIR:-$top/build}"
cmake -S "$top" -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$BUILD_DIR" -j"$talvex_jobs"

. "$top/tools/wine-env.sh"
. "$top/tools/virtual-display.sh"
xvfb_pid=""
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT INT TERM
# One virtual display for the whole run.
[ -n "$DISPLAY" ] || start_virtual_display 90 140 || true
wine_prefix_ready
# A server of an earlier run may still be ending (wineserver -p then fails
# with 2 and no word): end it and start our own.
wineserver -p 2>/dev/null || { wineserver -k 2>/dev/null || true; wineserver -w; wineserver -p; }
wine_set_managed N    # stays up for the run: each Wine start is then quick
# Wine's helper processes start here, not inside a test whose pipes they would hold.
wine "$BUILD_DIR/bin/wine_warmup.exe" </dev/null >/dev/null 2>&1 || true
cd "$BUILD_DIR"
ctest --output-on-failure -j"$talvex_jobs" "$@"
