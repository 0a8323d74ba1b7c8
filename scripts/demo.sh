#!/usr/bin/env bash
# The program's main job against simulated devices: builds, starts the network lab
# with three simulated devices (one of each discovery reply type, on two links), and
# searches for them from the lab's host namespace.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
BUILD_DIR=${BUILD_DIR:-build} scripts/build.sh >/dev/null
BUILD=$(readlink -f "${BUILD_DIR:-build}")
export TARVIX_DEVSIM="$BUILD/tools/devsim/tarvix-devsim"

lab/lab.sh run 2 -- bash -c '
  set -e
  "$TARVIX_LAB_SCRIPT" sim "$TARVIX_LAB" 1 lab/demo/devices-link1.conf >/dev/null
  "$TARVIX_LAB_SCRIPT" sim "$TARVIX_LAB" 2 lab/demo/devices-link2.conf >/dev/null
  echo "== tarvix discover (name, address, netmask, gateway, model)"
  "'"$BUILD"'/tools/cli/tarvix" discover
  echo "== tarvix discover --json"
  "'"$BUILD"'/tools/cli/tarvix" discover --json
  echo "== tarvix info 10.77.1.20"
  "'"$BUILD"'/tools/cli/tarvix" info 10.77.1.20
'
