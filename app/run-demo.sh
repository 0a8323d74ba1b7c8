#!/usr/bin/env bash
# Opens the Tarvix Storage Utility in a fresh network lab with simulated devices.
#
#   app/run-demo.sh BUILD_DIR [SCREENSHOT]
#
# Builds nothing: BUILD_DIR must hold app/tarvix-storage-utility and
# tools/devsim/tarvix-devsim. The lab has two links; link 1 carries two devices
# (one of them with two ports and several shares), link 2 one more.
# With DISPLAY set the window opens there and the demo ends when it is closed.
# Without a display it runs under Xvfb, saves a screenshot once the first
# search is over (default: tarvix-demo.png in the current folder) and ends.
set -euo pipefail

REPO_DIR=$(dirname "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")")
LAB=$REPO_DIR/lab/lab.sh
SEARCH_SECONDS=${TARVIX_DEMO_WAIT:-5}   # two links: about one second of search each

usage() { echo "usage: $0 BUILD_DIR [SCREENSHOT]" >&2; exit 2; }

# Runs inside the lab's host namespace (TARVIX_LAB and TARVIX_LAB_SCRIPT are set).
inside_lab() {
  local program=$1 screenshot=$2
  "$TARVIX_LAB_SCRIPT" sim "$TARVIX_LAB" 1 "$REPO_DIR/lab/demo/devices-link1.conf" >/dev/null
  "$TARVIX_LAB_SCRIPT" sim "$TARVIX_LAB" 2 "$REPO_DIR/lab/demo/devices-link2.conf" >/dev/null
  if [[ -n ${DISPLAY:-} ]]; then
    echo "Opening the window on $DISPLAY; close it to end the demo."
    "$program" || true
    return
  fi
  on_xvfb "$program" "$screenshot"
}

free_display() {
  local n=99
  while [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]]; do n=$((n + 1)); done
  echo ":$n"
}

on_xvfb() {
  local program=$1 screenshot=$2 display xvfb app
  display=$(free_display)
  Xvfb "$display" -screen 0 640x700x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X${display#:} ]] && break; sleep 0.1; done
  DISPLAY=$display "$program" &
  app=$!
  sleep "$SEARCH_SECONDS"
  DISPLAY=$display import -window root "$screenshot"
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  echo "Screenshot saved to $screenshot"
}

main() {
  (($# >= 1 && $# <= 2)) || usage
  local build program devsim screenshot
  build=$(readlink -f "$1")
  program=$build/app/tarvix-storage-utility
  devsim=$build/tools/devsim/tarvix-devsim
  screenshot=$(readlink -f "${2:-tarvix-demo.png}")
  [[ -x $program ]] || { echo "missing $program (build target tarvix-storage-utility)" >&2; exit 1; }
  [[ -x $devsim ]] || { echo "missing $devsim (build target tarvix-devsim)" >&2; exit 1; }
  export TARVIX_DEVSIM=$devsim
  "$LAB" run 2 -- "$0" --inside-lab "$program" "$screenshot"
}

if [[ ${1:-} == --inside-lab ]]; then
  inside_lab "$2" "$3"
else
  main "$@"
fi
