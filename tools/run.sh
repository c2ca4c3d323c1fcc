#!/bin/sh
# Builds Talvex and starts it under Wine with the simulated monitors.
# On the user's display when DISPLAY is set, else on a virtual one.
#   tools/run.sh            build and run (Ctrl+C ends it)
#   tools/run.sh --stop     end a running Talvex and its virtual display
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/tools/jobs.sh"
BUILD_DIR="${TALVEX_BUILD_DIR:-$top/build}"
. "$top/tools/wine-env.sh"
. "$top/tools/virtual-display.sh"
state="$BUILD_DIR/run-display"
state_display=""

stop() {
    wineserver -k 2>/dev/null || true
    if [ -f "$state" ]; then
        kill "$(cut -d' ' -f2 "$state")" 2>/dev/null || true
        rm -f "$state"
    fi
}
if [ "$1" = "--stop" ]; then stop; exit 0; fi

"$top/tools/setup-deps.sh"
cmake -S "$top" -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$BUILD_DIR" -j"$talvex_jobs" --target talvex talvexsim

if [ -z "$DISPLAY" ]; then
    start_virtual_display 20 80 || { echo "no virtual display could be started" >&2; exit 1; }
    state_display="$DISPLAY"
    echo "$DISPLAY $xvfb_pid" >"$state"
    echo "Talvex runs on the virtual display $DISPLAY."
    echo "  see it:   tools/screenshot.sh $DISPLAY shot.png"
    echo "  drive it: DISPLAY=$DISPLAY $BUILD_DIR/wine-run $BUILD_DIR/bin/talvexsim.exe help"
    echo "  stop it:  Ctrl+C here, or tools/run.sh --stop"
    trap stop EXIT INT TERM
fi
wine_prefix_ready
# On the user's own desktop its window manager frames the settings window.
if [ -z "$state_display" ]; then wine_set_managed Y; else wine_set_managed N; fi
cd "$BUILD_DIR/bin"
wine talvex.exe
