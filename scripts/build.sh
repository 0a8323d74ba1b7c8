#!/usr/bin/env bash
# Configures and builds everything into BUILD_DIR (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
ninja -C "$BUILD_DIR" -j "$(nproc)"
