#!/usr/bin/env bash
# Makes an NTFS volume in an image file with mkntfs, fills it through an ntfs-3g mount,
# and checks that the file table reader sees the tree the mount shows. The image is
# left in WORK for the test of the program on it (ntfs-drive-test.sh).
# Usage: ntfs-images-test.sh NATIVE_BUILD WORK
set -euo pipefail
native_build=$1
work=$2
image=$work/volume.img
mount=$work/mount
skip() { echo "SKIP: $*"; exit 77; }
if mountpoint -q "$mount" 2>/dev/null; then umount "$mount"; fi
rm -f "$image"

[ "$(id -u)" -eq 0 ] || skip "NTFS images are mounted through FUSE, which needs root here"
command -v ntfs-3g >/dev/null || skip "ntfs-3g is not installed"
mkdir -p "$work" "$mount"
truncate -s 512M "$image"
mkntfs --force --fast --quiet --label Velmora "$image" >/dev/null 2>&1
ntfs-3g -o compression "$image" "$mount" 2>/dev/null || { rm -f "$image"; skip "FUSE is missing: ntfs-3g cannot mount"; }
trap 'umount "$mount"' EXIT
"$native_build/tests/ntfs/fill_ntfs_volume" "$mount"
umount "$mount"
trap - EXIT
ntfscat "$image" '$UpCase' >"$work/upcase"
ntfs-3g -o ro "$image" "$mount"
trap 'umount "$mount"' EXIT
"$native_build/tests/ntfs/ntfs_image_check" "$image" "$mount" "$work/upcase"
