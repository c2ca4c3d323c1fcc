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
# Left by --stop: the run it ends was asked to end, and ends with 0.
asked="$BUILD_DIR/run-stop-asked"

stop() {
    wineserver -k 2>/dev/null || true
    if [ -f "$state" ]; then
        kill "$(cut -d' ' -f2 "$state")" 2>/dev/null || true
        rm -f "$state"
    fi
}
if [ "$1" = "--stop" ]; then touch "$asked"; stop; exit 0; fi

# A window manager that follows the desktop standards names a check window
# on the root window, and that window names itself.
has_window_manager() {
    check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*window id # *//p')
    [ -n "$check" ] && xprop -id "$check" _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

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
    trap stop EXIT
fi
# Asked to end: so it ends, with 0.
trap 'stop; exit 0' INT TERM
wine_prefix_ready
# On the user's own desktop its window manager frames the settings window
# and gives it the keyboard. Managed windows on a display without one have
# neither frame nor keyboard; unmanaged ones Wine frames and focuses itself.
if [ -z "$state_display" ] && has_window_manager; then
    wine_set_managed Y
else
    [ -n "$state_display" ] || echo "No window manager runs on $DISPLAY: Wine draws the window frames itself."
    wine_set_managed N
fi
rm -f "$asked"
cd "$BUILD_DIR/bin"
# In the background, so that a signal is taken at once, not when Wine ends.
wine talvex.exe &
status=0
wait $! || status=$?
[ ! -f "$asked" ] || status=0
rm -f "$asked"
exit "$status"
