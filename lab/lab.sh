#!/usr/bin/env bash
# The network lab: network namespaces joined by veth links, the only place
# where the management protocol's multicast datagrams may travel.
#
# Layout of a lab NAME with LINKS links:
#   NAME-host          the host under test, one end of every link
#   NAME-devK          device namespace K (K = 1..LINKS), the other end of link K
#   link K             host side 10.77.K.1/24, device side 10.77.K.2/24
#
# Both ends of link K are called "lkK". They are created directly inside their
# namespaces, so no link of the lab ever appears in the machine's own network
# namespace and names cannot clash between labs (and stay far below the
# 15-character limit of interface names).
#
# Runtime files (ready files, pid lists, output of background services) live in
# $TARVIX_LAB_RUNTIME/NAME (default /run/tarvix-lab/NAME).
#
# Background services run per device namespace; each kind has a start command
# (today `sim`) that records its pids under the lab's runtime folder, and
# `down` ends everything still running inside the lab's namespaces.
set -euo pipefail

SCRIPT_PATH=$(readlink -f "${BASH_SOURCE[0]}")
REPO_DIR=$(dirname "$(dirname "$SCRIPT_PATH")")
LAB_RUNTIME=${TARVIX_LAB_RUNTIME:-/run/tarvix-lab}
READY_WAIT_STEPS=200   # of 0.05 s each
STOP_WAIT_STEPS=100    # of 0.05 s each
SKIP_STATUS=77

usage() {
  cat <<'USAGE'
usage: lab.sh COMMAND ...
  up NAME LINKS                    create lab NAME with LINKS device links (1..250)
  down NAME                        remove lab NAME and end its processes (idempotent)
  exec NAME host|devK -- CMD...    run CMD in a namespace of the lab
  sim NAME K CONFIG [ARGS...]      start tarvix-devsim in NAME-devK on 10.77.K.2,
                                   wait until it is ready, print its pid
  stop-sims NAME                   end the simulators started with `sim`
  run LINKS -- CMD...              make a fresh lab, run CMD in its host namespace
                                   with TARVIX_LAB and TARVIX_LAB_SCRIPT set,
                                   remove the lab, exit with CMD's status
  list                             names of the labs that exist
  inside NAME                      succeed only when the caller is in NAME-host,
                                   the one place protocol traffic may start from
Environment:
  TARVIX_DEVSIM       path of tarvix-devsim (default: the newest in build*/ of the tree)
  TARVIX_LAB_RUNTIME  runtime folder (default /run/tarvix-lab)
Exits 77 with "SKIPPED: reason" when the lab cannot be made here (not root, no
`ip netns`, or network namespaces refused, as in many containers).
USAGE
}

die() {
  echo "lab.sh: $*" >&2
  exit 1
}

skip() {
  echo "SKIPPED: $*"
  exit "$SKIP_STATUS"
}

require_lab_support() {
  [[ $EUID -eq 0 ]] || skip "the network lab needs root (network namespaces)"
  command -v ip >/dev/null 2>&1 || skip "iproute2 'ip' is not installed"
  ip netns list >/dev/null 2>&1 || skip "'ip netns' is not available"
}

check_name() {
  [[ $1 =~ ^[A-Za-z0-9_.-]{1,40}$ ]] || die "bad lab name '$1'"
}

check_link() {
  if ! [[ $1 =~ ^[0-9]+$ ]] || ((10#$1 < 1 || 10#$1 > 250)); then
    die "bad link number '$1'"
  fi
}

host_ns() { echo "$1-host"; }
dev_ns() { echo "$1-dev$2"; }
lab_dir() { echo "$LAB_RUNTIME/$1"; }
host_address() { echo "10.77.$1.1"; }
dev_address() { echo "10.77.$1.2"; }

ns_exists() {
  ip netns list | awk '{print $1}' | grep -qxF "$1"
}

lab_namespaces() {
  local pattern=${1//./[.]}
  ip netns list | awk '{print $1}' | grep -E "^$pattern-(host|dev[0-9]+)$" || true
}

# Maps "host" or "devK" to the namespace name.
namespace_of() {
  local name=$1 which=$2
  case $which in
    host) host_ns "$name" ;;
    dev[0-9]*) check_link "${which#dev}"; dev_ns "$name" "${which#dev}" ;;
    *) die "namespace must be host or devK, not '$which'" ;;
  esac
}

# --- up -------------------------------------------------------------------

add_namespace() {
  ip netns add "$1"
  ip -n "$1" link set lo up
}

add_link() {
  local name=$1 k=$2
  local host dev
  host=$(host_ns "$name")
  dev=$(dev_ns "$name" "$k")
  add_namespace "$dev"
  ip link add "lk$k" netns "$host" type veth peer name "lk$k" netns "$dev"
  ip -n "$host" addr add "$(host_address "$k")/24" dev "lk$k"
  ip -n "$dev" addr add "$(dev_address "$k")/24" dev "lk$k"
  ip -n "$host" link set "lk$k" up
  ip -n "$dev" link set "lk$k" up
  # Group traffic of the device leaves by its one link.
  ip -n "$dev" route add 224.0.0.0/4 dev "lk$k"
}

cmd_up() {
  (($# == 2)) || die "usage: up NAME LINKS"
  local name=$1 links=$2
  check_name "$name"
  check_link "$links"
  require_lab_support
  ns_exists "$(host_ns "$name")" && die "lab '$name' exists already"
  # Root is not always enough (a container may withhold the right to make network
  # namespaces): the first one tells whether this machine can hold a lab at all.
  local host why
  host=$(host_ns "$name")
  if ! why=$(ip netns add "$host" 2>&1); then
    skip "network namespaces cannot be made here (${why//$'\n'/ })"
  fi
  ip -n "$host" link set lo up
  mkdir -p "$(lab_dir "$name")"
  echo "$links" >"$(lab_dir "$name")/links"
  local k
  for ((k = 1; k <= links; k++)); do
    add_link "$name" "$k"
  done
}

# --- down -----------------------------------------------------------------

pids_in_lab() {
  local ns
  for ns in $(lab_namespaces "$1"); do
    ip netns pids "$ns" 2>/dev/null || true
  done
}

# A process that has ended but is not yet reaped (a zombie) counts as ended:
# nobody here may reap it, and PID 1 of a container can be slow to.
is_running() {
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
  stat=${stat##*) }
  [[ ${stat%% *} != Z ]]
}

# TERM first, KILL what is left after the wait.
end_pids() {
  (($# > 0)) || return 0
  kill -TERM "$@" 2>/dev/null || true
  local step pid alive
  for ((step = 0; step < STOP_WAIT_STEPS; step++)); do
    alive=()
    for pid in "$@"; do
      is_running "$pid" && alive+=("$pid")
    done
    ((${#alive[@]} == 0)) && return 0
    sleep 0.05
  done
  kill -KILL "${alive[@]}" 2>/dev/null || true
}

cmd_down() {
  (($# == 1)) || die "usage: down NAME"
  local name=$1
  check_name "$name"
  command -v ip >/dev/null 2>&1 || return 0
  local pids
  mapfile -t pids < <(pids_in_lab "$name")
  end_pids "${pids[@]}"
  local ns
  for ns in $(lab_namespaces "$name"); do
    ip netns del "$ns" 2>/dev/null || true
  done
  rm -rf "$(lab_dir "$name")"
}

# --- exec -----------------------------------------------------------------

cmd_exec() {
  if (($# < 4)) || [[ $3 != -- ]]; then
    die "usage: exec NAME host|devK -- CMD..."
  fi
  local name=$1 ns
  check_name "$name"
  ns=$(namespace_of "$name" "$2")
  shift 3
  ns_exists "$ns" || die "no namespace '$ns'"
  exec ip netns exec "$ns" "$@"
}

# --- sim ------------------------------------------------------------------

find_devsim() {
  if [[ -n ${TARVIX_DEVSIM:-} ]]; then
    [[ -x $TARVIX_DEVSIM ]] || die "TARVIX_DEVSIM=$TARVIX_DEVSIM is not executable"
    echo "$TARVIX_DEVSIM"
    return
  fi
  # The most recently built one of the tree's build folders.
  local candidate newest=""
  for candidate in "$REPO_DIR"/build*/tools/devsim/tarvix-devsim; do
    [[ -x $candidate ]] || continue
    [[ -z $newest || $candidate -nt $newest ]] && newest=$candidate
  done
  [[ -n $newest ]] || die "tarvix-devsim not found; build it or set TARVIX_DEVSIM"
  echo "$newest"
}

wait_for_ready() {
  local ready=$1 pid=$2 output=$3 step
  for ((step = 0; step < READY_WAIT_STEPS; step++)); do
    [[ -e $ready ]] && return 0
    if ! is_running "$pid"; then
      cat "$output" >&2
      die "tarvix-devsim ended before it was ready"
    fi
    sleep 0.05
  done
  kill -TERM "$pid" 2>/dev/null || true
  die "tarvix-devsim did not become ready"
}

cmd_sim() {
  (($# >= 3)) || die "usage: sim NAME K CONFIG [ARGS...]"
  local name=$1 k=$2 config=$3
  shift 3
  check_name "$name"
  check_link "$k"
  local ns devsim dir
  ns=$(dev_ns "$name" "$k")
  ns_exists "$ns" || die "no namespace '$ns'"
  [[ -r $config ]] || die "cannot read config '$config'"
  devsim=$(find_devsim)
  dir=$(lab_dir "$name")/sim
  mkdir -p "$dir"
  local tag
  tag="dev$k.$(date +%s%N)"
  local ready="$dir/$tag.ready" output="$dir/$tag.out"
  ip netns exec "$ns" "$devsim" --config "$(readlink -f "$config")" \
    --interface "$(dev_address "$k")" --ready "$ready" "$@" </dev/null >"$output" 2>&1 &
  local pid=$!
  echo "$pid" >>"$dir/pids"
  wait_for_ready "$ready" "$pid" "$output"
  echo "$pid"
}

cmd_stop_sims() {
  (($# == 1)) || die "usage: stop-sims NAME"
  check_name "$1"
  local list
  list="$(lab_dir "$1")/sim/pids"
  [[ -f $list ]] || return 0
  local pids
  mapfile -t pids <"$list"
  end_pids "${pids[@]}"
  rm -f "$list"
}

# --- run ------------------------------------------------------------------

fresh_name() {
  local name
  while :; do
    name="tvx$$r$RANDOM"
    ns_exists "$(host_ns "$name")" || { echo "$name"; return; }
  done
}

cmd_run() {
  if (($# < 3)) || [[ $2 != -- ]]; then
    die "usage: run LINKS -- CMD..."
  fi
  local links=$1
  shift 2
  check_link "$links"
  require_lab_support
  local name
  name=$(fresh_name)
  # shellcheck disable=SC2064  # the name is fixed now, on purpose
  trap "'$SCRIPT_PATH' down '$name'" EXIT
  trap 'exit 143' TERM
  trap 'exit 130' INT
  cmd_up "$name" "$links"
  local status=0
  TARVIX_LAB=$name TARVIX_LAB_SCRIPT=$SCRIPT_PATH \
    ip netns exec "$(host_ns "$name")" "$@" || status=$?
  return "$status"
}

cmd_list() {
  command -v ip >/dev/null 2>&1 || return 0
  ip netns list 2>/dev/null | awk '{print $1}' | sed -n 's/-host$//p'
}

# The same namespace check as the test programs make: the caller's network
# namespace must be the lab's host namespace itself.
cmd_inside() {
  (($# == 1)) || die "usage: inside NAME"
  check_name "$1"
  local lab here
  lab=$(stat -L -c %i "/run/netns/$(host_ns "$1")" 2>/dev/null) || lab=""
  here=$(stat -L -c %i /proc/self/ns/net 2>/dev/null) || here=""
  [[ -n $lab && $lab == "$here" ]] || {
    echo "lab.sh: not in the host namespace of lab '$1'" >&2
    return 1
  }
}

main() {
  (($# >= 1)) || { usage >&2; exit 2; }
  local command=$1
  shift
  case $command in
    up) cmd_up "$@" ;;
    down) cmd_down "$@" ;;
    exec) cmd_exec "$@" ;;
    sim) cmd_sim "$@" ;;
    stop-sims) cmd_stop_sims "$@" ;;
    run) cmd_run "$@" ;;
    list) cmd_list ;;
    inside) cmd_inside "$@" ;;
    -h | --help | help) usage ;;
    *) usage >&2; exit 2 ;;
  esac
}

main "$@"
