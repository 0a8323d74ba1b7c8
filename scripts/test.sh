#!/usr/bin/env bash
# The whole test run: dependencies, the format check, build, bounded fuzzing runs of the readers, the
# core tests under AddressSanitizer and UndefinedBehaviorSanitizer, then every test
# through ctest (tests that need the network lab run inside it as root, and report
# SKIPPED elsewhere).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# One format for the whole tree: a change that is not formatted fails here.
scripts/format.sh --check
BUILD_DIR=${BUILD_DIR:-build} scripts/build.sh

# Two fuzz targets: the readers alone, fast enough for millions of inputs in a minute,
# and whole exchanges fed one datagram, slower (every input runs all the waits).
FUZZ_SECONDS=${FUZZ_SECONDS:-60}
EXCHANGE_FUZZ_SECONDS=${EXCHANGE_FUZZ_SECONDS:-20}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTARVIX_FUZZ=ON -DTARVIX_GUI=OFF -DTARVIX_TESTS=OFF >/dev/null
ninja -C build-fuzz reply_readers_fuzz reply_exchanges_fuzz
# A sanitizer report or a reader that looked past its datagram (the targets' marker
# check) ends the run with a crash file in the current folder.
run_fuzzer() {
  local target=$1 seconds=$2 corpus log
  shift 2
  corpus=$(mktemp -d)
  log=$(mktemp)
  cp fuzz/corpus/* "$corpus"/
  if ! "build-fuzz/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 "$@" \
    "$corpus" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "test: the fuzzer $target found a fault" >&2
    exit 1
  fi
  echo "$target: $(grep -E 'stat::number_of_executed_units' "$log" | awk '{print $2}') runs," \
    "$(grep -E 'stat::average_exec_per_sec' "$log" | awk '{print $2}') a second"
  rm -rf "$corpus" "$log"
}
# The readers' runs take microseconds, and the entropic schedule's bookkeeping after
# each would cost a third of them; the plain schedule reaches the same coverage.
run_fuzzer reply_readers_fuzz "$FUZZ_SECONDS" -entropic=0
run_fuzzer reply_exchanges_fuzz "$EXCHANGE_FUZZ_SECONDS"

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
