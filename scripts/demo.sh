#!/usr/bin/env bash
# The program's main job against simulated devices: builds, starts the network lab
# with three simulated devices (one of each discovery reply type, on two links),
# searches for them with the command-line tool, then opens the window in the lab's
# host namespace: on your display when DISPLAY is set, otherwise under Xvfb, saving a
# screenshot (SCREENSHOT, default tarvix-demo.png) and printing where.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build_log=$(mktemp)
if ! BUILD_DIR=${BUILD_DIR:-build} scripts/build.sh >"$build_log" 2>&1; then
  tail -n 40 "$build_log"
  echo "demo: the build failed (full log: $build_log)" >&2
  exit 1
fi
rm -f "$build_log"
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

echo "== the window"
"$(dirname "$0")/../app/run-demo.sh" "$BUILD" "${SCREENSHOT:-tarvix-demo.png}"
