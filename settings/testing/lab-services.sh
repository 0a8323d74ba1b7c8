#!/usr/bin/env bash
# Services of a lab device namespace that the settings flows talk to besides the
# management protocol: the device's SMB shares (smbd) and its web pages.
#
#   lab-services.sh smbd LAB K DIR   shares "HDD_1" (guests may write) and
#                                    "Private" (only LAB_SMB_USER) from DIR,
#                                    at 10.77.K.2
#   lab-services.sh system LAB K DIR [SHARE...]
#                                    the device's system shares (default "HDD_1"
#                                    and "HDD_a"), each from DIR/SHARE, writable
#                                    by guests and holding the folders the add-on
#                                    installers write to, at 10.77.K.2
#   lab-services.sh web LAB K DIR [PORT]
#                                    serves DIR on 10.77.K.2:PORT (default 80; a
#                                    device with its secure flag set answers on 443)
#
# Both start in LAB-devK through lab.sh, wait until their port answers and print
# the pid; lab.sh down ends them with the lab. Run from the lab's host namespace
# (lab.sh run sets TARVIX_LAB_SCRIPT).
set -euo pipefail

LAB_SMB_USER=${LAB_SMB_USER:-bob}
LAB_SMB_PASSWORD=${LAB_SMB_PASSWORD:-labpass}
LAB_SCRIPT=${TARVIX_LAB_SCRIPT:?run inside lab.sh run}

die() { echo "lab-services.sh: $*" >&2; exit 1; }

wait_for_port() {
  local address=$1 port=$2
  for _ in $(seq 1 100); do
    if (exec 3<>"/dev/tcp/$address/$port") 2>/dev/null; then return 0; fi
    sleep 0.1
  done
  die "nothing answers on $address:$port"
}

write_smb_globals() {
  local dir=$1 address=$2
  cat <<CONF
[global]
  workgroup = WORKGROUP
  netbios name = TARVIXDEV
  server role = standalone server
  security = user
  map to guest = Bad User
  guest account = root
  username map = $dir/state/users.map
  passdb backend = tdbsam:$dir/state/private/passdb.tdb
  private dir = $dir/state/private
  lock directory = $dir/state/lock
  state directory = $dir/state/state
  cache directory = $dir/state/cache
  pid directory = $dir/state/pid
  ncalrpc dir = $dir/state/ncalrpc
  log file = $dir/state/log.smbd
  interfaces = $address
  bind interfaces only = yes
  smb ports = 445
  disable netbios = yes
  load printers = no
  printcap name = /dev/null
  disable spoolss = yes
CONF
}

write_smb_conf() {
  local dir=$1 address=$2
  write_smb_globals "$dir" "$address"
  cat <<CONF
[HDD_1]
  path = $dir/HDD_1
  guest ok = yes
  read only = no
[Private]
  path = $dir/Private
  guest ok = no
  valid users = root
  read only = no
CONF
}

# The share user stands for root in the namespace, so the lab needs no account
# of its own on the machine.
prepare_smbd() {
  local dir=$1 address=$2
  mkdir -p "$dir"/HDD_1 "$dir"/Private "$dir"/state/{private,lock,state,cache,pid,ncalrpc}
  echo "root = $LAB_SMB_USER" >"$dir/state/users.map"
  write_smb_conf "$dir" "$address" >"$dir/state/smb.conf"
  printf '%s\n%s\n' "$LAB_SMB_PASSWORD" "$LAB_SMB_PASSWORD" |
    pdbedit -s "$dir/state/smb.conf" -a -t -u root >/dev/null 2>&1 || die "pdbedit failed"
}

# A session of its own: Samba's daemons signal their whole process group when
# they stop, which must not reach whoever started the lab.
run_smbd() {
  local lab=$1 k=$2 dir=$3 address="10.77.$2.2"
  setsid "$LAB_SCRIPT" exec "$lab" "dev$k" -- smbd --foreground --no-process-group \
    -s "$dir/state/smb.conf" </dev/null >>"$dir/state/smbd.out" 2>&1 &
  wait_for_port "$address" 445
  echo $!
}

start_smbd() {
  local lab=$1 k=$2 dir=$3 address="10.77.$2.2"
  prepare_smbd "$dir" "$address"
  run_smbd "$lab" "$k" "$dir"
}

# The folders below a system share that the add-on installers write to.
SYSTEM_FOLDERS=(.systemfile/.codepages .codepages Nas_Prog/BT)

start_system() {
  local lab=$1 k=$2 dir=$3 address="10.77.$2.2"
  shift 3
  local shares=("$@")
  ((${#shares[@]} > 0)) || shares=(HDD_1 HDD_a)
  mkdir -p "$dir"/state/{private,lock,state,cache,pid,ncalrpc}
  {
    write_smb_globals "$dir" "$address"
    local share folder
    for share in "${shares[@]}"; do
      for folder in "${SYSTEM_FOLDERS[@]}"; do mkdir -p "$dir/$share/$folder"; done
      printf '[%s]\n  path = %s\n  guest ok = yes\n  read only = no\n' "$share" "$dir/$share"
    done
  } >"$dir/state/smb.conf"
  : >"$dir/state/users.map"
  run_smbd "$lab" "$k" "$dir"
}

start_web() {
  local lab=$1 k=$2 dir=$3 port=${4:-80} address="10.77.$2.2"
  mkdir -p "$dir"
  [[ -e $dir/index.html ]] || echo '<html><body>Device management</body></html>' >"$dir/index.html"
  setsid "$LAB_SCRIPT" exec "$lab" "dev$k" -- python3 -m http.server "$port" --bind "$address" \
    --directory "$dir" </dev/null >>"$dir/../web.out" 2>&1 &
  wait_for_port "$address" "$port"
  echo $!
}

(($# >= 4)) || die "usage: lab-services.sh smbd|system|web LAB K DIR [PORT|SHARE...]"
case $1 in
  smbd) start_smbd "$2" "$3" "$(readlink -f "$4")" ;;
  system) start_system "$2" "$3" "$(readlink -m "$4")" "${@:5}" ;;
  web) start_web "$2" "$3" "$(readlink -f "$4")" "${5:-80}" ;;
  *) die "unknown service '$1'" ;;
esac
