# Sourced by the scripts that start Wine: one private prefix per build tree.
# Needs BUILD_DIR.
export WINEPREFIX="${TALVEX_WINEPREFIX:-$BUILD_DIR/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# Creates the prefix once; concurrent callers wait for the first. Only the
# subshell holds the lock: the Wine processes started under it (the server,
# the desktop, the services) outlive it, and holding it they would keep
# every later caller waiting until the server ends.
wine_prefix_ready() {
    mkdir -p "$WINEPREFIX"
    (
        flock 9
        wine_prefix_prepare 9>&-
    ) 9>"$WINEPREFIX.lock"
}

# On a virtual display no window manager runs: Wine's windows are then left
# unmanaged, which spares a 2 s wait each time a shown window is hidden.
wine_prefix_prepare() {
    if [ ! -f "$WINEPREFIX/.talvex-ready" ]; then
        wineboot -i >/dev/null 2>&1 || true
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
        wineserver -w
        touch "$WINEPREFIX/.talvex-ready"
    fi
    # Also for prefixes made before the fonts were mapped.
    if [ ! -f "$WINEPREFIX/.talvex-fonts" ]; then
        wine_japanese_fonts
        touch "$WINEPREFIX/.talvex-fonts"
    fi
    wine_caption_symbols
    wine_set_dpi "${TALVEX_WINE_DPI:-96}"
}

# The screen's logical DPI, as a user's display scaling sets it (120 = 125 %):
# 96 unless TALVEX_WINE_DPI asks for another, so that a prefix set to 120 by
# one run is back at 96 for the next. Written only when it differs from the
# DPI the marker says the prefix has (a new prefix has 96): writing costs a
# wait for the server to end. Markers of the form .talvex-dpi-120 are from
# before the marker held the DPI; with them the DPI is not known.
wine_set_dpi() {
    marker="$WINEPREFIX/.talvex-dpi"
    have=96
    for old in "$WINEPREFIX"/.talvex-dpi-*; do
        [ -e "$old" ] && have=unknown
    done
    if [ -f "$marker" ]; then
        read -r have <"$marker" || have=unknown
    fi
    [ "$have" = "$1" ] && return 0
    written=""
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 &&
        wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
            /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 && written=yes
    wineserver -w
    rm -f "$marker" "$WINEPREFIX"/.talvex-dpi-*
    # A failed write is tried again by the next run.
    [ -z "$written" ] || echo "$1" >"$marker"
}

# The faces a Japanese Windows has, served by the IPA fonts (fonts-ipafont).
# The dialog templates and Wine's own dialogs ask for them by name (under a
# Japanese locale Wine substitutes "MS UI Gothic" for "MS Shell Dlg");
# without them Japanese text falls back to faces with no Japanese glyphs.
# regedit reads a Unicode .reg file as UTF-16.
wine_japanese_fonts() {
    reg_file="$WINEPREFIX/.talvex-fonts.reg"
    {
        printf '\377\376'
        iconv -f UTF-8 -t UTF-16LE <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS UI Gothic"="IPAPGothic"
"MS PGothic"="IPAPGothic"
"ＭＳ Ｐゴシック"="IPAPGothic"
"MS Gothic"="IPAGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS PMincho"="IPAPMincho"
"ＭＳ Ｐ明朝"="IPAPMincho"
"MS Mincho"="IPAMincho"
"ＭＳ 明朝"="IPAMincho"
REG
    } >"$reg_file"
    wine regedit /S "$reg_file" >/dev/null 2>&1 || true
    rm -f "$reg_file"
}

# Wine draws the caption buttons with Marlett, but does not load its own copy
# from its data folder here: without it they show as letters ("r" for the
# close box). A copy in the prefix's font folder is found.
wine_caption_symbols() {
    fonts="$WINEPREFIX/drive_c/windows/Fonts"
    for dir in /usr/share/wine/fonts /usr/lib/wine/fonts; do
        if [ -f "$dir/marlett.ttf" ] && [ -d "$fonts" ]; then
            [ -f "$fonts/marlett.ttf" ] || cp "$dir/marlett.ttf" "$fonts/"
            return 0
        fi
    done
}

# Windows managed by the desktop's window manager (a user's own display) or not.
wine_set_managed() {
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$1" /f >/dev/null 2>&1 || true
}
