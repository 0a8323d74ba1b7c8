#!/usr/bin/env bash
# The set-static and set-dhcp verbs against simulated devices:
#   lab.sh run 1 -- set-verbs-lab.sh TARVIX_BINARY
set -uo pipefail
[[ -n ${TARVIX_LAB:-} ]] || { echo "set-verbs-lab.sh: run through lab.sh run" >&2; exit 1; }
"$TARVIX_LAB_SCRIPT" inside "$TARVIX_LAB" || exit 1
tarvix=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/devices.conf" <<'CONF'
[Single]
address = 10.77.1.20
netmask = 255.255.255.0
gateway = 10.77.1.1
admin_password = secret

[Ported]
address = 10.77.1.21
netmask = 255.255.255.0
gateway = 10.77.1.1
port = LAN1:10.77.1.21:255.255.255.0:10.77.1.1:0:LAN2:10.77.2.30:255.255.255.0::1
CONF
"$TARVIX_LAB_SCRIPT" sim "$TARVIX_LAB" 1 "$work/devices.conf" >/dev/null || exit 1

failures=0
# expect NAME STATUS STDOUT STDERR -- CMD...: runs CMD without a terminal.
expect() {
  local name=$1 status=$2 out=$3 err=$4
  shift 5
  local got_out got_err got_status
  got_out=$(setsid "$@" </dev/null 2>"$work/err")
  got_status=$?
  got_err=$(cat "$work/err")
  if [[ $got_status != "$status" || $got_out != "$out" || $got_err != "$err" ]]; then
    echo "FAIL $name: status $got_status, out '$got_out', err '$got_err'"
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}

listed() { "$tarvix" discover | cut -f1,2 | tr '\t' ' ' | sort | tr '\n' ';'; }

expect wrong-password 1 "" "Wrong administrator password input!" -- \
  env TARVIX_PASSWORD=nope "$tarvix" set-static 10.77.1.20 10.77.1.50 255.255.255.0 10.77.1.1
expect no-password 1 "" "Wrong administrator password input!" -- \
  env -u TARVIX_PASSWORD "$tarvix" set-static 10.77.1.20 10.77.1.50 255.255.255.0 10.77.1.1
expect blank-gateway 1 "" "You enter incorrect TCP/IP configuration. Please try again." -- \
  env TARVIX_PASSWORD=secret "$tarvix" set-static 10.77.1.20 10.77.1.50 255.255.255.0
expect first-octet 1 "" "Invalid IP address in 1st digit. It should be 1-223." -- \
  env TARVIX_PASSWORD=secret "$tarvix" set-static 10.77.1.20 224.0.0.5 255.255.255.0 10.77.1.1
expect not-listed 1 "" "No device is listed at 10.77.1.99." -- \
  "$tarvix" set-dhcp 10.77.1.99
expect bad-port 1 "" "tarvix set-dhcp: the device reports no port 'LAN3'" -- \
  "$tarvix" set-dhcp 10.77.1.21 --port LAN3
expect static 0 "" "" -- \
  env TARVIX_PASSWORD=secret "$tarvix" set-static 10.77.1.20 10.77.1.50 255.255.255.0 10.77.1.1
[[ $(listed) == "Ported 10.77.1.21;Single 10.77.1.50;" ]] || { echo "FAIL moved: $(listed)"; failures=$((failures + 1)); }
expect ported-dhcp 0 "" "" -- "$tarvix" set-dhcp 10.77.1.21
expect single-dhcp 0 "DHCP client enabled." "" -- \
  env TARVIX_PASSWORD=secret "$tarvix" set-dhcp 10.77.1.50
((failures == 0))
