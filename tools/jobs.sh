# Sourced by the scripts that build or run tests in parallel.
# TALVEX_JOBS caps how many compilers and tests run at once (default: every
# core). Anything but a positive whole number is refused, not guessed at.
talvex_jobs="${TALVEX_JOBS:-$(nproc)}"
case "$talvex_jobs" in
    ''|*[!0-9]*|0*) echo "TALVEX_JOBS must be a positive whole number, not '$talvex_jobs'" >&2; exit 2 ;;
esac
