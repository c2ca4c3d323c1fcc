# Sourced by the scripts that need a display of their own.
# start_virtual_display FIRST LAST: starts Xvfb (one 1280x1024 screen) on the
# first free display number from FIRST to LAST; sets DISPLAY and xvfb_pid
# and succeeds, or fails with xvfb_pid empty.
start_virtual_display() {
    xvfb_pid=""
    for n in $(seq "$1" "$2"); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        sleep 0.5
        if kill -0 "$xvfb_pid" 2>/dev/null; then
            export DISPLAY=":$n"
            return 0
        fi
        xvfb_pid=""
    done
    return 1
}
