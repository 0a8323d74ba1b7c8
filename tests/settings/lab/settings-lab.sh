#!/usr/bin/env bash
# Runs the settings lab tests in a lab's host namespace:
#   lab.sh run 2 -- settings-lab.sh TEST_BINARY [GTEST_ARGS...]
set -euo pipefail
[[ -n ${TARVIX_LAB:-} ]] || { echo "settings-lab.sh: run through lab.sh run" >&2; exit 1; }
"$TARVIX_LAB_SCRIPT" inside "$TARVIX_LAB" || exit 1
services=$(dirname "$(readlink -f "$0")")/../../../settings/testing/lab-services.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$services" smbd "$TARVIX_LAB" 1 "$work/smb" >/dev/null
"$services" web "$TARVIX_LAB" 1 "$work/web" >/dev/null
# A device whose pages are served over https answers on 443 only.
"$services" web "$TARVIX_LAB" 2 "$work/web2" 443 >/dev/null
TARVIX_SETTINGS_LAB_DEVICE=10.77.1.2 TARVIX_SETTINGS_LAB_SECURE_DEVICE=10.77.2.2 "$@"
