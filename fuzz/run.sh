#!/bin/sh
# Usage: fuzz/run.sh BINARY SECONDS
# Replays every seed file of fuzz/corpus through the libFuzzer BINARY, then fuzzes for SECONDS
# seconds, starting from a scratch copy of the seeds so that the repository's corpus stays as it
# is. Exits non-zero when an input crashes, leaks, hangs or trips a sanitizer; the offending
# input is kept next to BINARY.
set -eu
[ $# -eq 2 ] || { echo "usage: $0 BINARY SECONDS" >&2; exit 2; }
BINARY=$(realpath "$1")
SECONDS_TO_RUN=$2
HERE=$(cd "$(dirname "$0")" && pwd)
ARTIFACTS="$(dirname "$BINARY")/"
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT INT TERM

# The reader's own parse error reports would drown the fuzzer's output: -close_fd_mask=3
# closes the target's stdout and stderr while the fuzzer and the sanitizers keep reporting.
COMMON="-close_fd_mask=3 -rss_limit_mb=2048 -timeout=10 -artifact_prefix=$ARTIFACTS"

echo "Replaying $(ls "$HERE/corpus" | wc -l) seed files"
"$BINARY" $COMMON "$HERE"/corpus/*

cp -R "$HERE/corpus" "$SCRATCH/corpus"
echo "Fuzzing for $SECONDS_TO_RUN s"
"$BINARY" $COMMON -max_len=65536 -max_total_time="$SECONDS_TO_RUN" -print_final_stats=1 \
  -dict="$HERE/xml.dict" "$SCRATCH/corpus"
