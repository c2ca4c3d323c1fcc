# Sourced by the scripts that start Wine: one private prefix per build tree.
# Needs BUILD_DIR.
export WINEPREFIX="${TALVEX_WINEPREFIX:-$BUILD_DIR/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# Creates the prefix once; concurrent callers wait for the first.
wine_prefix_ready() {
    mkdir -p "$WINEPREFIX"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.talvex-ready" ]; then
            wineboot -i >/dev/null 2>&1 || true
            wineserver -w
            touch "$WINEPREFIX/.talvex-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
}
