#!/usr/bin/env bash
# Builds Velmora and runs its benchmarks under Wine, on a virtual X display when
# there is none; each prints one line of figures. The scan benchmark walks FOLDER, or
# a generated tree of 202,110 entries when none is given.
# Usage: scripts/bench.sh [FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
source scripts/build.sh
build_native
build_windows

tree="${1:-}"
if [ -z "$tree" ]; then
  tree="$PWD/build/bench-tree"
  build/native/bench/make_bench_tree "$tree"
fi

prefix="$PWD/build/windows/wineprefix"
# Wine's calls are often round trips to wineserver; with both on one CPU they are far
# cheaper and the figures far steadier.
WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
WINEPREFIX="$prefix" taskset -c 0 wineserver -p5
run_pinned() { taskset -c 0 scripts/wine-run.sh --unmanaged "$prefix" "$@"; }
run_pinned build/windows/bench/scan_bench.exe "Z:${tree//\//\\}"
run_pinned build/windows/bench/chart_bench.exe
run_pinned build/windows/bench/level_bench.exe
