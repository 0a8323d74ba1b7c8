#!/usr/bin/env bash
# The whole test run: dependencies, build, a bounded fuzzing run of the readers, then
# every test through ctest (tests that need the network lab run inside it as root,
# and report SKIPPED elsewhere).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
BUILD_DIR=${BUILD_DIR:-build} scripts/build.sh

FUZZ_SECONDS=${FUZZ_SECONDS:-60}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTARVIX_FUZZ=ON \
  -DTARVIX_GUI=OFF -DTARVIX_BENCH=OFF -DTARVIX_AREAS="protocol;fuzz" >/dev/null
ninja -C build-fuzz reply_readers_fuzz
corpus=$(mktemp -d)
cp fuzz/corpus/* "$corpus"/
build-fuzz/fuzz/reply_readers_fuzz -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
  "$corpus" 2>&1 | tail -n 5
rm -rf "$corpus"

cd "${BUILD_DIR:-build}"
ctest --output-on-failure -j "$(nproc)" --timeout 600
