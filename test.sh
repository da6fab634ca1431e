#!/bin/sh
# Installs what is missing, builds, and runs every test: first a normal build and the Debian
# package made from it, then the same tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer, then the fuzz corpus replay and a short fuzzing run. Exits non-zero
# on any failure.
set -eu
cd "$(dirname "$0")"
ROOT=$(pwd)
tools/install-deps.sh

run_suite() {
  build=$1
  window_asan=${2:-}
  # Seconds of the random real-input soak test (empty: its short default).
  soak=${3:-${TRELKAN_SOAK_SECONDS:-}}
  ctest --test-dir "$build" -L offscreen --output-on-failure -j "$(nproc)" --timeout 300
  # Window tests share one virtual display, so they run one at a time.
  ASAN_OPTIONS="${ASAN_OPTIONS:-}$window_asan" TRELKAN_SOAK_SECONDS="$soak" \
    xvfb-run -a -s "-screen 0 1600x1200x24" \
    ctest --test-dir "$build" -LE 'offscreen|package' --output-on-failure --timeout $((300 + ${soak:-0}))
}

echo "== Debug build"
cmake -S . -B build/debug -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRELKAN_BENCH=ON >/dev/null
cmake --build build/debug
run_suite build/debug

echo "== Debian package (from the debug build; its file list and Depends)"
(cd build/debug && cpack -G DEB >/dev/null)
ctest --test-dir build/debug -L package --output-on-failure

echo "== Sanitizer build (ASan + UBSan)"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRELKAN_SANITIZE=ON >/dev/null
cmake --build build/asan
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The leak checker's thread tracer now and then crashes at the exit of a toolkit process while
# GLib and Mesa threads wind down (a sanitizer fault, not ours): window tests check memory
# errors and undefined behaviour, the offscreen tests check leaks too.
# The soak test runs a minute here (TRELKAN_SOAK_SECONDS sets another length for both builds).
run_suite build/asan ":detect_leaks=0" "${TRELKAN_SOAK_SECONDS:-60}"

if [ -f fuzz/CMakeLists.txt ]; then
  echo "== Fuzzing (corpus replay and a short run)"
  CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DTRELKAN_FUZZ=ON -DTRELKAN_TESTS=OFF >/dev/null
  cmake --build build/fuzz --target fuzz_level_read fuzz_image_decode
  # The fuzzing time is shared between the level reader and the image decoding.
  seconds=$(( ${TRELKAN_FUZZ_SECONDS:-60} / 2 ))
  fuzz/run.sh build/fuzz/fuzz/fuzz_level_read "$seconds" corpus xml.dict
  fuzz/run.sh build/fuzz/fuzz/fuzz_image_decode "$seconds" image-corpus
fi
echo "All tests passed."
