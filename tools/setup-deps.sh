#!/bin/sh
# Installs the Debian packages the build and the tests need, once.
set -e
# The fonts serve the faces the dialogs ask for ("Arial", "Tahoma", the
# Japanese ones, the caption buttons' symbols); the background pictures are
# laid out with their metrics.
PKGS="cmake make g++ clang libclang-rt-14-dev python3 g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 xvfb xauth x11-utils x11-apps googletest fonts-liberation fonts-wine fonts-ipafont"
missing=""
for p in $PKGS; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
    echo "missing packages:$missing (run as root to install them)" >&2
    exit 1
fi
echo "installing:$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq $missing >/dev/null
