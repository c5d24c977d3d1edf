#!/usr/bin/env bash
# The file table benchmark: an NTFS image holding the disk-shaped benchmark tree
# (200,000 files in 20,000 folders), made once through an ntfs-3g mount; the scan of
# its root from the table natively, then under Wine the scan of its drive from start
# to finished tree, walking the folders and reading the table. Prints one line of figures, the
# medians of ROUNDS rounds with their spread. Needs root (FUSE) and an X display.
# Usage: bench/mft-bench.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
rounds="${1:-5}"
source scripts/build.sh
choose_windows_build
work="$PWD/build/bench-ntfs"
image="$work/volume.img"
mount="$work/mount"
[ "$(id -u)" -eq 0 ] || { echo "mft-bench: skipped, the image is made through FUSE, which needs root here"; exit 0; }

if mountpoint -q "$mount" 2>/dev/null; then umount "$mount"; fi
mkdir -p "$mount"
if [ ! -f "$work/complete-with-small" ]; then
  rm -f "$image"
  truncate -s 4G "$image"
  mkntfs --force --fast --quiet --label Bench "$image" >/dev/null 2>&1
  ntfs-3g "$image" "$mount"
  build/native/bench/make_bench_tree disk "$mount/disk"
  mkdir "$mount/small"  # 20 files, where reading the table would not pay
  for i in $(seq 1 20); do head -c $((i * 1000)) /dev/zero >"$mount/small/file $i"; done
  umount "$mount"
  touch "$work/complete-with-small"
fi

parse="$(build/native/bench/mft_bench "$image" "$rounds")"
echo "$parse"

prefix="$PWD/$windows_build/wineprefix-mft-bench"
run_pinned() { scripts/wine-run.sh --unmanaged --pin "$prefix" "$@"; }
run_pinned "$windows_build/bench/mft_scan_bench.exe" >/dev/null 2>&1 || true  # makes the prefix
ln -sfn "$mount" "$prefix/dosdevices/m:"
ln -sfn "$image" "$prefix/dosdevices/m::"
ntfs-3g -o ro "$image" "$mount"
trap 'umount "$mount"' EXIT
scan="$(run_pinned "$windows_build/bench/mft_scan_bench.exe" 'M:\' "$rounds" 'M:\small\')"
echo "$scan"

field() { sed -n "s/.* $1=\([^ ]*\).*/\1/p" <<<"$2"; }
# parse_s: scan start to the table's last record parsed; tree_s: from there to the
# finished tree; natively, and (wine_) under Wine, where fast_s is the whole scan.
echo "mft-bench records=$(field records "$parse") table_mb=$(field table_mb "$parse")" \
  "parse_s=$(field parse_s "$parse") parse_range=$(field parse_range "$parse")" \
  "tree_s=$(field tree_s "$parse") tree_range=$(field tree_range "$parse")" \
  "records_per_s=$(field records_per_s "$parse")" \
  "wine_parse_s=$(field parse_s "$scan") wine_parse_range=$(field parse_range "$scan")" \
  "wine_tree_s=$(field tree_s "$scan") wine_tree_range=$(field tree_range "$scan")" \
  "walk_s=$(field walk_s "$scan") fast_s=$(field fast_s "$scan") fast_range=$(field fast_range "$scan")" \
  "speedup=$(field speedup "$scan") bytes_per_record=$(field bytes_per_record "$parse")" \
  "small_walk_s=$(field small_walk_s "$scan") small_s=$(field small_s "$scan")"
