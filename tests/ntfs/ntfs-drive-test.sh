#!/usr/bin/env bash
# Velmora itself on an NTFS drive under Wine: D: is an ntfs-3g mount of the image that
# ntfs-images-test.sh made, and the drive's raw device (\\.\D:, the dosdevices entry
# "d::") the image. The listings it saves reading the file table and listing the
# folders must be the same; then, the mount gone, the table alone gives them again.
# Usage: ntfs-drive-test.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
work=$build/ntfs
[ -f "$work/volume.img" ] || { echo "SKIP: no NTFS image (the NTFS image test made none)"; exit 77; }
prefix=$build/wineprefix-ntfs
run() { "$source_dir/scripts/wine-run.sh" --unmanaged "$prefix" "$build/tests/e2e_tests.exe" "$@"; }

# The prefix is made, and its drives found, before the drive is added. The drive
# manager learns the raw device only when it starts: wait until this server has gone,
# or the next run joins it and \\.\D: names no device.
run --gtest_list_tests >/dev/null
source "$source_dir/scripts/wine-loader.sh"
WINEPREFIX="$prefix" "$(wineserver_program)" -w
ln -sfn "$work/mount" "$prefix/dosdevices/d:"
ln -sfn "$work/volume.img" "$prefix/dosdevices/d::"
ntfs-3g -o ro "$work/volume.img" "$work/mount"
trap 'if mountpoint -q "$work/mount"; then umount "$work/mount"; fi' EXIT
export VELMORA_NTFS_WORK="Z:${work//\//\\}\\"
run --gtest_filter=NtfsDrive.ListsTheSameFromItsFileTableAsFromItsFolders
umount "$work/mount"
run --gtest_filter=NtfsDrive.ReadsTheFileTableWhenItsFoldersAreGone
