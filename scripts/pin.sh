# Puts a Wine prefix's wineserver and the programs started after this on one CPU
# (sourced, not run). Most Wine calls are round trips to wineserver, and a round trip
# costs several times less when both ends share a CPU.

# The CPUs this process may use, such as 0-3,6.
allowed_cpus() { awk '/^Cpus_allowed_list:/ { print $2 }' /proc/self/status; }

# The pid of the wineserver that serves PREFIX, when one runs: a server works in a
# folder named after the device and inode of its prefix.
prefix_wineserver() {
  local id pid cwd
  [ -d "$1" ] || return 0
  id="server-$(stat -L -c %D "$1")-$(printf %x "$(stat -L -c %i "$1")")"
  for pid in $(pgrep wineserver); do
    cwd="$(readlink "/proc/$pid/cwd" 2>/dev/null)" || continue
    if [ "${cwd##*/}" = "$id" ]; then
      echo "$pid"
      return 0
    fi
  done
}

# Pins this shell, and so what it starts, to one CPU it may use, and the running
# wineserver of PREFIX to the same one. A server already alone on a CPU we may use
# stays there; any other is moved, which is safe at any time: only the scheduler's
# placement of its thread changes.
pin_to_one_cpu() {
  local allowed cpu server current
  allowed="$(allowed_cpus)"
  cpu="${allowed%%[,-]*}"
  server="$(prefix_wineserver "$1")"
  if [ -n "$server" ]; then
    current="$(taskset -pc "$server" 2>/dev/null)" && current="${current##*: }"
    if [[ "$current" =~ ^[0-9]+$ ]] && taskset -pc "$current" $BASHPID >/dev/null 2>&1; then
      cpu="$current"
    elif ! taskset -a -pc "$cpu" "$server" >/dev/null 2>&1; then
      echo "wine-run: cannot move wineserver $server onto CPU $cpu; Wine calls will be slower" >&2
    fi
  fi
  taskset -pc "$cpu" $BASHPID >/dev/null
}
