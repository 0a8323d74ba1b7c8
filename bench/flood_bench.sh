#!/usr/bin/env bash
# The flood test at length: ROUNDS rounds (default 10) of three searches and one
# `tarvix info` while the device's link carries 50,000 foreign datagrams a second.
# Prints the flood's rate, the worst search and info times and the tool's CPU share.
#   bench/flood_bench.sh [ROUNDS]     (as root; build first)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
TARVIX_FLOOD_ROUNDS=${1:-10} TARVIX_BUILD_DIR=$PWD/$BUILD_DIR \
  TARVIX_DEVSIM=$PWD/$BUILD_DIR/tools/devsim/tarvix-devsim \
  lab/lab.sh run 1 -- "$BUILD_DIR/tests/lab/lab_flood_tests"
