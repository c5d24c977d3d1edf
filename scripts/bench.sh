#!/usr/bin/env bash
# Builds Velmora and runs its benchmarks under Wine, on a virtual X display when
# there is none; each prints one line of figures. Without a folder, the scan benchmark
# walks two generated trees (uniform: 202,110 entries, 100 files in each deepest
# folder; disk: 220,000 entries shaped like a real disk), the run benchmark times
# the run command on the disk tree, and the export benchmark (native) writes that tree
# as ncdu JSON and CSV; with FOLDER, all use that folder. The find benchmark (native)
# finds the largest files and file types of a tree of a million entries made in
# memory. Last, the file table benchmark (bench/mft-bench.sh).
# Usage: scripts/bench.sh [FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
source scripts/build.sh
choose_windows_build
say_windows_build bench
build_native
build_windows "$windows_arch"

if [ $# -gt 0 ]; then
  trees=("$(cd "$1" && pwd)")
else
  trees=("$PWD/build/bench-tree" "$PWD/build/bench-disk")
  build/native/bench/make_bench_tree uniform "${trees[0]}"
  build/native/bench/make_bench_tree disk "${trees[1]}"
fi

prefix="$PWD/$windows_build/wineprefix"
# Wine's calls are often round trips to wineserver; with both on one CPU they are far
# cheaper and the figures far steadier.
WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
run_pinned() { scripts/wine-run.sh --unmanaged --pin "$prefix" "$@"; }
for tree in "${trees[@]}"; do
  run_pinned "$windows_build"/bench/scan_bench.exe "Z:${tree//\//\\}"
done
run_pinned "$windows_build"/bench/chart_bench.exe
run_pinned "$windows_build"/bench/level_bench.exe
bench/run-bench.sh "${trees[-1]}"
build/native/bench/export_bench "${trees[-1]}"
build/native/bench/find_bench
bench/mft-bench.sh
