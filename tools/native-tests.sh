#!/bin/sh
# Builds the window-free logic natively with address and undefined-behaviour
# sanitizers and runs its tests. Arguments: source dir, build dir.
set -e
src="$1"; out="$2"
. "$(dirname "$0")/jobs.sh"
mkdir -p "$out"
if ! { cmake -S "$src" -B "$out" -DCMAKE_BUILD_TYPE=Debug && cmake --build "$out" -j"$talvex_jobs"; } >"$out/build.log" 2>&1; then
    tail -n 60 "$out/build.log"
    exit 1
fi
cd "$out" && ctest --output-on-failure -j"$talvex_jobs"
