#!/bin/sh
# Saves a PNG of an X display: tools/screenshot.sh :20 shot.png
set -e
[ $# -eq 2 ] || { echo "usage: $0 DISPLAY out.png" >&2; exit 2; }
xwd -root -silent -display "$1" | python3 "$(dirname "$0")/xwd2png.py" >"$2"
echo "wrote $2"
