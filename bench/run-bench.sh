#!/usr/bin/env bash
# Times Velmora as a user waits for it: from the run command to the finished chart
# (the window caption names the scanned folder), then closes it; and times ncdu and du
# on the same folder. A warm-up, then ROUNDS alternating rounds; prints the medians.
# Velmora starts cold every round: its prefix's wineserver is stopped before.
# Needs an X display. Usage: bench/run-bench.sh FOLDER [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
[ -n "${DISPLAY:-}" ] || { echo "run-bench: needs an X display" >&2; exit 1; }
tree="$(cd "$1" && pwd)"
rounds="${2:-5}"
export VELMORA_WINEPREFIX="$PWD/build/run-bench-prefix"
log="$PWD/build/run-bench.log"
caption="Velmora - Z:${tree//\//\\}\\"
pattern="^$(sed 's/[][\.*^$+?(){}|]/\\&/g' <<<"$caption")\$"

now() { echo "${EPOCHREALTIME/,/.}"; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.3f", b - a }'; }
stop_prefix() {
  WINEPREFIX="$VELMORA_WINEPREFIX" wineserver -k 2>/dev/null || true
  WINEPREFIX="$VELMORA_WINEPREFIX" wineserver -w 2>/dev/null || true
}
fail() { echo "run-bench: $*; the run command said:" >&2; tail -n 20 "$log" >&2; exit 1; }

time_velmora() {
  stop_prefix
  : >"$log"
  local start pid
  start="$(now)"
  scripts/run.sh "$tree" >>"$log" 2>&1 &
  pid=$!
  # Polled, not too often: every search is work for the X server too.
  until xdotool search --name "$pattern" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || fail "Velmora ended before its scan did"
    sleep 0.03
  done
  since "$start"
  stop_prefix
  wait "$pid" 2>/dev/null || true
}
time_command() {
  local start
  start="$(now)"
  "$@" >/dev/null 2>&1
  since "$start"
}
median() { sort -n | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); print (NR % 2) ? v[m] : (v[m] + v[m + 1]) / 2 }'; }
range() { sort -n | awk 'NR == 1 { low = $1 } { high = $1 } END { print low "-" high }'; }

time_velmora >/dev/null  # warm-up: the prefix, the caches
time_command ncdu -0 -o /dev/null "$tree" >/dev/null
velmora=() ncdu=() du=()
for round in $(seq "$rounds"); do
  seconds="$(time_velmora)"
  velmora+=("$seconds")
  ncdu+=("$(time_command ncdu -0 -o /dev/null "$tree")")
  du+=("$(time_command du -s "$tree")")
  echo "round $round: velmora ${velmora[-1]} s, ncdu ${ncdu[-1]} s, du ${du[-1]} s"
done
entries="$(find "$tree" -mindepth 1 | wc -l)"
folders="$(find "$tree" -mindepth 1 -type d | wc -l)"
v="$(printf '%s\n' "${velmora[@]}" | median)"
n="$(printf '%s\n' "${ncdu[@]}" | median)"
d="$(printf '%s\n' "${du[@]}" | median)"
echo "run-bench spread: velmora $(printf '%s\n' "${velmora[@]}" | range) s, ncdu $(printf '%s\n' "${ncdu[@]}" | range) s," \
  "du $(printf '%s\n' "${du[@]}" | range) s"
echo "run-bench entries=$entries folders=$folders velmora_s=$v ncdu_s=$n du_s=$d" \
  "ratio_ncdu=$(awk -v v="$v" -v n="$n" 'BEGIN { printf "%.2f", v / n }')"
