#!/bin/sh
# Saves a PNG of every window of Talvex, each captured by itself, over the
# simulated monitors: tools/screenshots.sh [en|ja] (English by default).
# The pictures go to build/screenshots/<language>/.
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/tools/jobs.sh"
language="${1:-en}"
case "$language" in
    en) locale=C.UTF-8 ;;
    ja) locale=ja_JP.UTF-8 ;;
    *) echo "usage: $0 [en|ja]" >&2; exit 2 ;;
esac
BUILD_DIR="${TALVEX_BUILD_DIR:-$top/build}"
# A prefix of its own: a Talvex started by tools/run.sh keeps its single-
# instance mutex and its settings, and the pictures start from no settings.
export TALVEX_WINEPREFIX="$BUILD_DIR/wineprefix-screenshots"
. "$top/tools/wine-env.sh"
. "$top/tools/virtual-display.sh"

"$top/tools/setup-deps.sh"
cmake -S "$top" -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$BUILD_DIR" -j"$talvex_jobs" --target talvex_screenshots >/dev/null

# A virtual display of a fixed size, whatever display the caller has.
xvfb_pid=""
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT INT TERM
start_virtual_display 141 199 || { echo "no virtual display could be started" >&2; exit 1; }

wine_prefix_ready
wine_set_managed N
wine reg delete 'HKCU\Software\Orvel' /f >/dev/null 2>&1 || true

out="$BUILD_DIR/screenshots/$language"
rm -rf "$out"
mkdir -p "$out"
cd "$BUILD_DIR/bin"
LANG=$locale LC_ALL=$locale wine talvex_screenshots.exe "$(winepath -w "$out")" </dev/null
python3 "$top/tools/bmp2png.py" "$out"/*.bmp
echo "wrote $(ls "$out" | wc -l) pictures to $out"
