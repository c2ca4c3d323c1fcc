#!/bin/sh
# Runs a Windows program of the build (the end-to-end driver, a benchmark)
# on a virtual display of its own with two screens, in a Wine prefix kept
# for that display layout, and takes every process it started down again,
# whatever way the program ends.
#   run-e2e.sh <source dir> <build dir> <program.exe> [arguments...]
# Environment: E2E_TIMEOUT (seconds, default 240) bounds the program's run.
set -u
[ $# -ge 3 ] || { echo "usage: $0 SOURCE_DIR BUILD_DIR PROGRAM [ARGS...]" >&2; exit 2; }
top="$1"; BUILD_DIR="$2"; program="$3"; shift 3
case "$program" in
    /*) ;;
    *) program="$BUILD_DIR/bin/$program" ;;
esac
[ -f "$program" ] || { echo "no program $program" >&2; exit 2; }

# Two screens need their own prefix: Wine keeps the display layout it met.
export TALVEX_WINEPREFIX="$BUILD_DIR/wineprefix-2screens"
. "$top/tools/wine-env.sh"
unset TALVEX_SIM TALVEX_SIM_TRACE TALVEX_SIM_CONTROL

# One run per prefix at a time: the runs share its registry and its tray.
mkdir -p "$BUILD_DIR"
exec 8>"$WINEPREFIX.run.lock"
if ! flock -w 120 8; then
    echo "another end-to-end run holds $WINEPREFIX" >&2
    exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/talvex-e2e.XXXXXX")
xvfb_pid=""
server_up=""
cleanup() {
    status=$?
    trap - EXIT INT TERM HUP
    # Every Wine process of this prefix (the program, its helpers, Wine's
    # desktop) ends with its server.
    [ -n "$server_up" ] && wineserver -k 2>/dev/null
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

# Xvfb picks a free display number itself and writes it to fd 3.
Xvfb -displayfd 3 +xinerama -extension RANDR \
     -screen 0 1280x1024x24 -screen 1 1024x768x24 -nolisten tcp \
     3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    echo "the virtual display did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(head -n 1 "$work/display")"

wine_prefix_ready
server_up=1
if [ ! -f "$WINEPREFIX/.e2e-ready" ]; then
    # Without a window manager Wine waits for one each time a window is
    # hidden or destroyed; unmanaged windows make that instant.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 &&
        touch "$WINEPREFIX/.e2e-ready"
fi
wineserver -p
cd "$BUILD_DIR/bin" || exit 1
timeout -k 5 "${E2E_TIMEOUT:-240}" wine "$program" "$@" </dev/null
status=$?
[ "$status" -eq 124 ] && echo "$(basename "$program") did not end within ${E2E_TIMEOUT:-240} s" >&2
exit "$status"
