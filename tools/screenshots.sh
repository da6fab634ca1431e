#!/bin/sh
# Takes the README's screenshots: the editor on a virtual display with the sample level.
# Usage: tools/screenshots.sh [BUILD_DIR]   (default build/release; build it with ./run.sh first)
set -eu
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD=${1:-build/release}
mkdir -p docs
cd app
xvfb-run -a -s "-screen 0 1280x1024x24" "$ROOT/$BUILD/trelkan" \
  --screenshot "$ROOT/docs/screenshot-sample-level.png" "$ROOT/data/Levels/sample.xml"
xvfb-run -a -s "-screen 0 1280x1024x24" "$ROOT/$BUILD/trelkan" \
  --screenshot "$ROOT/docs/screenshot-new-level.png"
echo "Screenshots written to $ROOT/docs/"
