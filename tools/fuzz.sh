#!/bin/sh
# Builds the fuzz targets natively with clang and runs each for the given
# number of seconds (default 60), all at once or TALVEX_FUZZ_JOBS at a time,
# starting from its seeds in fuzz/corpus/<target>. Prints the executions and
# findings of each target; exits 1 when a target finds something or does not
# build. New inputs and findings stay in the build tree (runs/<target>).
# Usage: tools/fuzz.sh [seconds] [target...]
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/tools/jobs.sh"
out="${TALVEX_FUZZ_DIR:-$top/build/fuzz}"

# Allocation-heavy targets spend most of their time in the sanitizer's
# bookkeeping; a smaller quarantine and shorter allocation stacks keep the
# checks and double the speed.
export ASAN_OPTIONS="${ASAN_OPTIONS:-quarantine_size_mb=16:malloc_context_size=5}"

if [ "$1" = "--one" ]; then
    target="$2"; seconds="$3"
    work="$out/runs/$target"
    mkdir -p "$work/corpus"
    rm -f "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*
    # The simulated monitors persist across inputs (their call trace grows
    # to its bound): no leak check per input there, only at the end.
    leaks=1
    case "$target" in fuzz_scenario|fuzz_control_command) leaks=0 ;; esac
    "$out/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 \
        -detect_leaks=$leaks ${TALVEX_FUZZ_OPTIONS:-} \
        -artifact_prefix="$work/" "$work/corpus" "$top/fuzz/corpus/$target" >"$work/log" 2>&1 || true
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
    findings=$(find "$work" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
    [ -n "$runs" ] || findings=$((findings + 1))   # ended without its statistics: it died
    printf '%-24s %12s executions %3d findings\n' "$target" "${runs:-?}" "$findings"
    [ "$findings" -eq 0 ] || { grep -m 3 -E 'ERROR|property broken|SUMMARY' "$work/log" | sed 's/^/    /'; exit 1; }
    exit 0
fi

seconds="${1:-60}"
[ $# -gt 0 ] && shift
"$top/tools/setup-deps.sh"
mkdir -p "$out"
if ! { CC=clang CXX=clang++ cmake -S "$top" -B "$out" -DTALVEX_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo &&
       cmake --build "$out" -j"$talvex_jobs" --target fuzz_all; } >"$out/build.log" 2>&1; then
    tail -n 60 "$out/build.log"
    exit 1
fi
targets="$*"
[ -n "$targets" ] || targets=$(cd "$top/fuzz/corpus" && ls)
printf '%s\n' $targets | xargs -P "${TALVEX_FUZZ_JOBS:-0}" -I '{}' "$0" --one '{}' "$seconds" || exit 1
