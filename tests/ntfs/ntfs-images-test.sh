#!/usr/bin/env bash
# Makes an NTFS volume in an image file with mkntfs, fills it through an ntfs-3g mount,
# and checks that the file table reader sees the tree the mount shows. The image is
# left in WORK for the test of the program on it (ntfs-drive-test.sh); the check reads
# a copy that also holds a cloud sync root, which Wine, listing through the mount,
# could not go into.
# Usage: ntfs-images-test.sh NATIVE_BUILD WORK
set -euo pipefail
native_build=$1
work=$2
image=$work/volume.img
cloud_image=$work/cloud.img
mount=$work/mount
fill=$native_build/tests/ntfs/fill_ntfs_volume
skip() { echo "SKIP: $*"; exit 77; }
if mountpoint -q "$mount" 2>/dev/null; then umount "$mount"; fi
rm -f "$image" "$cloud_image"

[ "$(id -u)" -eq 0 ] || skip "NTFS images are mounted through FUSE, which needs root here"
command -v ntfs-3g >/dev/null || skip "ntfs-3g is not installed"
mkdir -p "$work" "$mount"
truncate -s 512M "$image"
mkntfs --force --fast --quiet --label Velmora "$image" >/dev/null 2>&1
ntfs-3g -o compression "$image" "$mount" 2>/dev/null || { rm -f "$image"; skip "FUSE is missing: ntfs-3g cannot mount"; }
trap 'umount "$mount"' EXIT
"$fill" "$mount"
umount "$mount"
trap 'rm -f "$cloud_image"' EXIT
cp --sparse=always "$image" "$cloud_image"
ntfs-3g "$cloud_image" "$mount"
trap 'umount "$mount"; rm -f "$cloud_image"' EXIT
"$fill" --cloud "$mount" >"$work/recall"
umount "$mount"
trap 'rm -f "$cloud_image"' EXIT
# The recall-on-data-access attribute (0x400000: its third byte 0x40) goes into the
# standard information of each file named, which ntfscat and ntfscp read and write.
while IFS= read -r file; do
  ntfscat -a 16 "$cloud_image" "$file" >"$work/standard"
  printf '\x40' | dd of="$work/standard" bs=1 seek=34 conv=notrunc status=none
  ntfscp -q -a 16 "$cloud_image" "$work/standard" "$file"
done <"$work/recall"
ntfscat "$image" '$UpCase' >"$work/upcase"
ntfs-3g -o ro "$cloud_image" "$mount"
trap 'umount "$mount"; rm -f "$cloud_image"' EXIT
checked="$("$native_build/tests/ntfs/ntfs_image_check" "$cloud_image" "$mount" "$work/upcase")"
echo "$checked"
# The files the tree shows under more than one name, from the mount's inode numbers.
mounted="$(python3 - "$mount" <<'PY'
import collections, os, stat, sys
names = collections.defaultdict(list)
for folder, _, files in os.walk(sys.argv[1]):
    for name in files:
        status = os.lstat(os.path.join(folder, name))
        if stat.S_ISREG(status.st_mode):
            names[status.st_ino].append(status.st_size)
linked = [sizes for sizes in names.values() if len(sizes) > 1]
print(f"hard links: files={len(linked)} names={sum(map(len, linked))} "
      f"nominal={sum((len(sizes) - 1) * sizes[0] for sizes in linked)}")
PY
)"
if ! grep -qxF "$mounted" <<<"$checked"; then
  echo "differs: the mount's inodes give '$mounted'" >&2
  exit 1
fi
