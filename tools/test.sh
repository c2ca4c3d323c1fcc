#!/bin/sh
# Builds Talvex and runs every test under Wine; ends with ctest's summary.
# Usage: tools/test.sh [ctest arguments...]
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/setup-deps.sh"
BUILD_DIR="${TALVEX_BUILD_DIR:-$top/build}"
cmake -S "$top" -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"

. "$top/tools/wine-env.sh"
xvfb_pid=""
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT INT TERM
if [ -z "$DISPLAY" ]; then
    # One virtual display for the whole run.
    for n in $(seq 90 140); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        sleep 0.5
        if kill -0 "$xvfb_pid" 2>/dev/null; then export DISPLAY=":$n"; break; fi
        xvfb_pid=""
    done
fi
wine_prefix_ready
wineserver -p
wine_set_managed N    # stays up for the run: each Wine start is then quick
# Wine's helper processes start here, not inside a test whose pipes they would hold.
wine "$BUILD_DIR/bin/wine_warmup.exe" </dev/null >/dev/null 2>&1 || true
cd "$BUILD_DIR"
ctest --output-on-failure -j"$(nproc)" "$@"
