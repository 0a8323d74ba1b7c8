#!/usr/bin/env bash
# Runs in the host namespace of a fresh lab: lab.sh run 1 -- lab_smoke.sh PROBE CONFIG
# Proves that group datagrams cross the veth link both ways: a discovery
# request and a query addressed to the device both get their replies.
set -euo pipefail
probe=$1
config=$2
: "${TARVIX_LAB:?run me through lab.sh run}" "${TARVIX_LAB_SCRIPT:?}"
"$TARVIX_LAB_SCRIPT" inside "$TARVIX_LAB" || exit 1

work=$(mktemp -d)
trap '"$TARVIX_LAB_SCRIPT" stop-sims "$TARVIX_LAB"; rm -rf "$work"' EXIT
"$TARVIX_LAB_SCRIPT" sim "$TARVIX_LAB" 1 "$config" --log "$work/log" >/dev/null

fail() {
  echo "FAIL: $*" >&2
  echo "--- simulator log" >&2
  cat "$work/log" >&2
  exit 1
}

client=0a1b2c3d4e5f00000000
device_id=0011223344550a4d0114  # own bytes, then 10.77.1.20

reply=$("$probe" --interface 10.77.1.1 --send "01$client" --expect-type 8 --wait-ms 5000) ||
  fail "no discovery reply"
[[ $reply == 08${client}${device_id}* ]] || fail "discovery reply $reply"

# QueryRequest, command 19 (secure web flag); the value "1" follows at 28.
query="03${client}${device_id}13000000000000"
reply=$("$probe" --interface 10.77.1.1 --send "$query" --expect-type 4 --wait-ms 5000) ||
  fail "no query reply"
[[ $reply == 04${client}${device_id}000000000000003100 ]] || fail "query reply $reply"

grep -q " rx from=10.77.1.1:[0-9]* type=1 cmd=- len=11 data=01$client\$" "$work/log" ||
  fail "discovery request not logged"
echo "lab smoke: ok"
