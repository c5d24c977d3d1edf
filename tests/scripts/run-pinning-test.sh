#!/usr/bin/env bash
# The run command puts Velmora and its prefix's wineserver on one CPU: first with no
# server running, then with the prefix's server already up on every CPU, which it
# must move rather than replace. Uses a prefix of the build tree, never the user's.
# Usage: run-pinning-test.sh BUILD_DIR
set -euo pipefail
build="$1"
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
source "$source_dir/scripts/pin.sh"
export VELMORA_WINEPREFIX="$build/run-test-prefix"
[ -n "${DISPLAY:-}" ] || { echo "FAIL: needs an X display" >&2; exit 1; }
folder="$(mktemp -d)"
echo data >"$folder/file.txt"
stop_prefix() { WINEPREFIX="$VELMORA_WINEPREFIX" wineserver -k 2>/dev/null || true; }
trap 'stop_prefix; rm -rf "$folder"' EXIT
log="$build/run-pinning-test.log"
: >"$log"
fail() { echo "FAIL: $*; the run command said:" >&2; cat "$log" >&2; exit 1; }
caption="^Velmora - Z:$(sed 's/[][\.*^$+?(){}|]/\\&/g' <<<"${folder//\//\\}\\")\$"

# The CPUs of every thread of process $1, one line each.
cpus_of() { awk '/^Cpus_allowed_list:/ { print $2 }' /proc/"$1"/task/*/status; }

# Runs the command, waits for the finished scan, checks the pinning; prints the CPU.
run_and_check() {
  "$source_dir/scripts/run.sh" "$folder" >>"$log" 2>&1 &
  local velmora=$! server cpus
  for _ in $(seq 600); do
    xdotool search --name "$caption" >/dev/null 2>&1 && break
    kill -0 "$velmora" 2>/dev/null || fail "the run command ended early"
    sleep 0.2
  done
  xdotool search --name "$caption" >/dev/null 2>&1 || fail "Velmora shows no finished scan"
  [ "$(cat /proc/$velmora/comm)" = Velmora.exe ] || fail "process $velmora is $(cat /proc/$velmora/comm)"
  server="$(prefix_wineserver "$VELMORA_WINEPREFIX")"
  [ -n "$server" ] || fail "no wineserver serves the prefix"
  cpus="$( (cpus_of "$velmora"; cpus_of "$server") | sort -u)"
  [[ "$cpus" =~ ^[0-9]+$ ]] || fail "Velmora and wineserver $server may run on: $(echo $cpus)"
  echo "$server $cpus"
}

stop_prefix
WINEPREFIX="$VELMORA_WINEPREFIX" wineserver -w 2>/dev/null || true
result="$(run_and_check)"
read -r server cpu <<<"$result"
echo "no server running: Velmora and wineserver on CPU $cpu"
stop_prefix
WINEPREFIX="$VELMORA_WINEPREFIX" wineserver -w 2>/dev/null || true

WINEPREFIX="$VELMORA_WINEPREFIX" taskset -c "$(allowed_cpus)" wineserver -p
for _ in $(seq 50); do
  server="$(prefix_wineserver "$VELMORA_WINEPREFIX")"
  [ -n "$server" ] && break
  sleep 0.1
done
[ -n "$server" ] || fail "wineserver -p did not start"
echo "server $server already up on CPUs $(cpus_of "$server")"
result="$(run_and_check)"
read -r second cpu <<<"$result"
[ "$second" = "$server" ] || fail "the running wineserver $server was replaced by $second"
echo "server already up: moved, Velmora and wineserver on CPU $cpu"
echo PASS
