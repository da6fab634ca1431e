#!/bin/sh
# Usage: fuzz/run.sh BINARY SECONDS CORPUS [DICTIONARY]
# Replays every seed file of the folder fuzz/CORPUS through the libFuzzer BINARY, then fuzzes for
# SECONDS seconds, starting from a scratch copy of the seeds so that the repository's corpus
# stays as it is; DICTIONARY names a file in fuzz/ with tokens for the input format. Exits
# non-zero when an input crashes, leaks, hangs or trips a sanitizer; the offending input is kept
# next to BINARY.
set -eu
[ $# -eq 3 ] || [ $# -eq 4 ] || { echo "usage: $0 BINARY SECONDS CORPUS [DICTIONARY]" >&2; exit 2; }
BINARY=$(realpath "$1")
SECONDS_TO_RUN=$2
HERE=$(cd "$(dirname "$0")" && pwd)
SEEDS="$HERE/$3"
DICTIONARY=${4:+-dict=$HERE/$4}
ARTIFACTS="$(dirname "$BINARY")/"
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT INT TERM

# The readers' own error reports would drown the fuzzer's output: -close_fd_mask=3 closes the
# target's stdout and stderr while the fuzzer and the sanitizers keep reporting.
COMMON="-close_fd_mask=3 -rss_limit_mb=2048 -timeout=10 -artifact_prefix=$ARTIFACTS"

echo "Replaying $(ls "$SEEDS" | wc -l) seed files of $3"
"$BINARY" $COMMON "$SEEDS"/*

cp -R "$SEEDS" "$SCRATCH/corpus"
echo "Fuzzing $(basename "$BINARY") for $SECONDS_TO_RUN s"
"$BINARY" $COMMON -max_len=65536 -max_total_time="$SECONDS_TO_RUN" -print_final_stats=1 \
  $DICTIONARY "$SCRATCH/corpus"
