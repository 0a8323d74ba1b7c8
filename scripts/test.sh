#!/usr/bin/env bash
# The whole test run: dependencies, build, a bounded fuzzing run of the readers, the
# core tests under AddressSanitizer and UndefinedBehaviorSanitizer, then every test
# through ctest (tests that need the network lab run inside it as root, and report
# SKIPPED elsewhere).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
BUILD_DIR=${BUILD_DIR:-build} scripts/build.sh

FUZZ_SECONDS=${FUZZ_SECONDS:-60}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTARVIX_FUZZ=ON \
  -DTARVIX_GUI=OFF -DTARVIX_TESTS=OFF >/dev/null
ninja -C build-fuzz reply_readers_fuzz
corpus=$(mktemp -d)
fuzz_log=$(mktemp)
cp fuzz/corpus/* "$corpus"/
# A sanitizer report or a reader that looked past its datagram (the target's marker
# check) ends the run with a crash file in the current folder.
if ! build-fuzz/fuzz/reply_readers_fuzz -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
  "$corpus" >"$fuzz_log" 2>&1; then
  tail -n 60 "$fuzz_log"
  echo "test: the fuzzer found a fault" >&2
  exit 1
fi
tail -n 5 "$fuzz_log"
rm -rf "$corpus" "$fuzz_log"

# The window's tests run once, in the plain build below; everything under it runs
# sanitized here too.
cmake -S . -B build-asan-core -G Ninja -DTARVIX_SANITIZE=ON -DTARVIX_GUI=OFF \
  -DTARVIX_BENCH=OFF >/dev/null
ninja -C build-asan-core -j "$(nproc)" >/dev/null
asan_log=$(mktemp)
if ! (cd build-asan-core && ctest --output-on-failure -j "$(nproc)" --timeout 600 >"$asan_log" 2>&1); then
  tail -n 80 "$asan_log"
  echo "test: the sanitized tests failed" >&2
  exit 1
fi
echo "sanitized: $(grep -E 'tests passed' "$asan_log")"
rm -f "$asan_log"

cd "${BUILD_DIR:-build}"
ctest --output-on-failure -j "$(nproc)" --timeout 600
