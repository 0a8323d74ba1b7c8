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
# search is over (default: tarvix-demo.png in the current folder), clicks the
# first device, tries to map a volume to a drive letter that is already in use
# (the question, then the login the failed connection asks for), searches again
# and exits, with a screenshot of each step.
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
  local program=$1 screenshot=$2 display xvfb app status
  display=$(free_display)
  # A drive letter that is already mapped, in a bookmarks file of the demo's own.
  XDG_CONFIG_HOME=$(mktemp -d)
  export XDG_CONFIG_HOME
  mkdir -p "$XDG_CONFIG_HOME/gtk-3.0"
  echo "smb://10.77.1.99/Archive Z: Archive on 10.77.1.99" >"$XDG_CONFIG_HOME/gtk-3.0/bookmarks"
  Xvfb "$display" -screen 0 640x700x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X${display#:} ]] && break; sleep 0.1; done
  export DISPLAY=$display
  "$program" &
  app=$!
  sleep "$SEARCH_SECONDS"
  if command -v xdotool >/dev/null 2>&1; then
    as_a_user "$app" "$screenshot"
  else
    import -window root "$screenshot"
    echo "Screenshot saved to $screenshot (xdotool is missing: no clicks)"
    kill "$app" 2>/dev/null || true
  fi
  status=0
  wait "$app" 2>/dev/null || status=$?
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  rm -rf "$XDG_CONFIG_HOME"
  echo "The program ended with status $status."
}

# Clicks through the window as a new user would, with a screenshot of each step:
# the list after the first search, the details of the first device, mapping its
# first volume to the letter Z: that is in use (the question, OK, then the login
# that the refused connection asks for, Cancel, the failure message), a new
# search, then Exit. Positions are window-relative pixels of the template layout.
as_a_user() {
  local app=$1 screenshot=$2 window x y base=${2%.png} dialog
  window=$(xdotool search --sync --onlyvisible --name "Tarvix Storage Utility" | head -n 1)
  eval "$(xdotool getwindowgeometry --shell "$window")"
  x=$X y=$Y
  import -window root "$base-1-list.png"
  click "$((x + 60))" "$((y + 104))"   # the first row of the device list
  sleep 3
  import -window root "$screenshot"
  click "$((x + 60))" "$((y + 412))"   # the first row of the volume list
  click "$((x + 355))" "$((y + 418))"  # the drive letters, then the first: Z:
  xdotool key Home Return
  click "$((x + 366))" "$((y + 451))"  # Connect
  if dialog=$(other_window "$app" "$window"); then
    import -window root "$base-3-drive-in-use.png"
    click_in "$dialog" 68 91             # OK: take the letter over
  fi
  # The device serves no shares in this lab, so the connection is refused and the
  # login dialog asks for a share user (after up to the connection time-out).
  if dialog=$(timeout 30 xdotool search --sync --onlyvisible --name '^Login$' | head -n 1) &&
    [[ -n $dialog ]]; then
    sleep 1
    import -window root "$base-4-login.png"
    click_in "$dialog" 248 94            # Cancel
  fi
  if dialog=$(timeout 30 xdotool search --sync --onlyvisible --name '^Error$' | head -n 1) &&
    [[ -n $dialog ]]; then
    sleep 1
    import -window root "$base-5-map-failed.png"
    xdotool windowfocus --sync "$dialog" key Return
  fi
  sleep 1
  click "$((x + 366))" "$((y + 89))"   # Search
  sleep "$SEARCH_SECONDS"
  import -window root "$base-6-searched.png"
  click "$((x + 366))" "$((y + 552))"  # Exit
  for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  kill "$app" 2>/dev/null && echo "Exit did not end the program."
  echo "Screenshots: $base-1-list.png (devices found), $screenshot (first device clicked),"
  echo "             $base-3-drive-in-use.png, $base-4-login.png, $base-5-map-failed.png"
  echo "             (mapping to a letter in use), $base-6-searched.png (after Search)"
}

# The program's visible window other than `main`, once one shows (a modal dialog).
other_window() {
  local app=$1 main=$2 id
  for _ in $(seq 50); do
    for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
      [[ $id != "$main" ]] && { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

# Clicks at window-relative pixels of a dialog.
click_in() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  click "$((X + $2))" "$((Y + $3))"
}

click() {
  xdotool mousemove "$1" "$2" click 1
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
