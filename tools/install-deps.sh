#!/bin/sh
# Installs the Debian packages that Trelkan needs to build, run and test; skips what is present.
set -eu
PACKAGES="build-essential cmake ninja-build pkg-config
libwxgtk3.2-dev libgl1-mesa-dev libglu1-mesa-dev libdevil-dev libosmesa6-dev
xvfb xauth x11-utils libxtst-dev libgtest-dev libgmock-dev libbenchmark-dev libpugixml-dev
clang libclang-rt-14-dev desktop-file-utils"
[ "${1:-}" = "--run-only" ] && PACKAGES="build-essential cmake ninja-build pkg-config
libwxgtk3.2-dev libgl1-mesa-dev libglu1-mesa-dev libdevil-dev xvfb xauth x11-utils"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing:$missing"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $missing
