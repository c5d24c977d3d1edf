#!/usr/bin/env bash
# Builds Velmora and runs it under Wine on FOLDER, or on the current folder when none
# is given. Its settings live in the Wine prefix ~/.velmora-wine (or $VELMORA_WINEPREFIX),
# whose wineserver runs on the same CPU as Velmora: a scan is mostly round trips to it.
# Usage: scripts/run.sh [FOLDER]
set -euo pipefail
here="$PWD"
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/build.sh
choose_windows_build
say_windows_build run
configure_windows "$windows_arch"
ninja -C "$windows_build" Velmora

# Wine shows the Linux root as drive Z:.
windows_path() { local path; path="$(cd "$1" && pwd)"; echo "Z:${path//\//\\}"; }
arguments=()
if [ $# -gt 0 ]; then arguments=("$(cd "$here" && windows_path "$1")"); fi

prefix="${VELMORA_WINEPREFIX:-$HOME/.velmora-wine}"
run=("$PWD/scripts/wine-run.sh" --pin "$prefix" "$PWD/$windows_build/Velmora.exe" "${arguments[@]}")
cd "$here"  # Velmora's current folder is the caller's
if [ -z "${DISPLAY:-}" ]; then
  echo "run: no X display; Velmora runs on a virtual one (xvfb-run)" >&2
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "${run[@]}"
fi
exec "${run[@]}"
