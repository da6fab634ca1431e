#!/bin/sh
# Installs what is missing, builds a release build and starts Trelkan with app/ as the
# current directory, opening LEVEL.xml if given. Without a display it runs the editor on a
# virtual display, saves a screenshot of the main window and prints where it is.
set -eu
cd "$(dirname "$0")"
ROOT=$(pwd)
tools/install-deps.sh --run-only
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRELKAN_TESTS=OFF >/dev/null
cmake --build build/release --target trelkan

set --  ${1:+"$(realpath "$1")"}
cd app
if [ -n "${DISPLAY:-}" ]; then
  exec "$ROOT/build/release/trelkan" "$@"
fi
SHOT="$ROOT/build/trelkan-screenshot.png"
xvfb-run -a -s "-screen 0 1280x1024x24" "$ROOT/build/release/trelkan" --screenshot "$SHOT" "$@"
echo "No display found: ran Trelkan on a virtual display; screenshot saved to $SHOT"
