#!/bin/sh
# The share of one processor core that the editor takes while it sits idle with the sample
# level open (no animation, no input), measured over 10 s from the process's own CPU time on a
# virtual display.
#   bench/IdleCpu.sh [path/to/trelkan]     (default: build/release/trelkan)
set -eu
cd "$(dirname "$0")/.."
PROGRAM=$(realpath "${1:-build/release/trelkan}")
cd app
xvfb-run -a -s "-screen 0 1600x1200x24" "$PROGRAM" ../data/Levels/sample.xml >/dev/null 2>&1 &
RUNNER=$!
sleep 6 # start-up and the first frames
PID=$(pgrep -n -f "^$PROGRAM ../data/Levels/sample.xml")
ticks() { awk '{ print $14 + $15 }' "/proc/$PID/stat"; }
BEFORE=$(ticks)
sleep 10
AFTER=$(ticks)
kill "$PID"
wait "$RUNNER" || true
awk -v t=$((AFTER - BEFORE)) -v hz="$(getconf CLK_TCK)" 'BEGIN { printf "idle CPU: %.1f %% of a core\n", t * 100 / (hz * 10) }'
