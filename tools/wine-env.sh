# Sourced by the scripts that start Wine: one private prefix per build tree.
# Needs BUILD_DIR.
export WINEPREFIX="${TALVEX_WINEPREFIX:-$BUILD_DIR/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# Creates the prefix once; concurrent callers wait for the first. On a
# virtual display no window manager runs: Wine's windows are then left
# unmanaged, which spares a 2 s wait each time a shown window is hidden.
wine_prefix_ready() {
    mkdir -p "$WINEPREFIX"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.talvex-ready" ]; then
            wineboot -i >/dev/null 2>&1 || true
            wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
            wineserver -w
            touch "$WINEPREFIX/.talvex-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
}

# Windows managed by the desktop's window manager (a user's own display) or not.
wine_set_managed() {
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$1" /f >/dev/null 2>&1 || true
}
