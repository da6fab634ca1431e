#!/bin/sh
# Installs the Debian packages that Trelkan needs to build, run and test; skips what is present.
set -eu
# What the editor needs to build and run on a virtual display (--run-only, for ./run.sh), and
# to make the Debian package from that build: dpkg-buildflags gives release builds the
# distribution's hardening flags, dpkg-shlibdeps (which needs `file`) the package's Depends ...
PACKAGES="build-essential cmake ninja-build pkg-config gettext
libwxgtk3.2-dev libgl1-mesa-dev libglu1-mesa-dev libosmesa6-dev libdevil-dev zlib1g-dev libpng-dev nettle-dev xvfb xauth
dpkg-dev file"
# ... and what the tests, sanitizer builds, benchmarks and fuzzing add (./test.sh).
[ "${1:-}" = "--run-only" ] || PACKAGES="$PACKAGES
locales libxtst-dev libgtest-dev libgmock-dev libbenchmark-dev libpugixml-dev
clang libclang-rt-14-dev desktop-file-utils shared-mime-info xdg-utils libfile-mimeinfo-perl appstream
lintian"

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
