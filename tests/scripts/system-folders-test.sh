#!/usr/bin/env bash
# The 32-bit product and the 64-bit build, each exporting C:\windows of one 64-bit
# prefix: a 32-bit program is shown SysWOW64 whenever it names System32 unless it turns
# that off, so the two trees must be the same, and System32's files those the Linux side
# holds. Where this machine runs no 32-bit programs, the 32-bit one runs under user-mode
# emulation; where none can be had, or 32-bit Wine is missing, the test is skipped.
# Usage: system-folders-test.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
builds="$(cd "$build/.." && pwd)"
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
skip() { echo "SKIP: $*"; exit 77; }
for arch in i686 x86_64; do
  [ -f "$builds/$arch/Velmora.exe" ] || { echo "FAIL: no $arch build of Velmora.exe" >&2; exit 1; }
done
[ -x /usr/lib/wine/wine ] || skip "32-bit Wine is not installed"
[ -x /usr/lib/wine/wine64 ] || skip "64-bit Wine is not installed"

cd "$source_dir"
source scripts/machine.sh
if ! runs_32bit_code; then
  start_i386_emulation || skip "this machine runs no 32-bit programs and cannot emulate them"
  trap stop_i386_emulation EXIT
  # A prefix made here rather than cloned: its 32-bit half is made under emulation.
  unset VELMORA_WINE_TEMPLATES
fi

prefix="$build/system-folders-prefix"
work="$build/system-folders"
rm -rf "$work"
mkdir -p "$work"
export_windows() {  # ARCH: the tree of C:\windows as CSV, by that build
  scripts/wine-run.sh "$prefix" "$builds/$1/Velmora.exe" /export "Z:${work//\//\\}\\$1.csv" 'C:\windows'
}
# The 64-bit loader makes the prefix, so it is a 64-bit one.
export_windows x86_64
export_windows i686
grep -qi '^C:\\windows\\syswow64,' "$work/x86_64.csv" || skip "the prefix is no 64-bit one: it has no SysWOW64"

python3 - "$work" "$prefix/drive_c/windows/system32" <<'PY'
import csv, os, sys
work, system32 = sys.argv[1], sys.argv[2]
def rows(arch):
    with open(os.path.join(work, arch + ".csv"), encoding="utf-8-sig", newline="") as f:
        return [r for r in csv.reader(f)][1:]
wide, narrow = rows("x86_64"), rows("i686")
differences = [f"{a} | {b}" for a, b in zip(wide, narrow) if a != b]
if len(wide) != len(narrow):
    differences.append(f"{len(wide)} rows by the 64-bit build, {len(narrow)} by the 32-bit one")
level = "c:\\windows\\system32\\"
shown = {r[0][len(level):]: int(r[2]) for r in narrow
         if r[1] == "file" and r[0].lower().startswith(level) and "\\" not in r[0][len(level):]}
real = {e.name: e.stat(follow_symlinks=False).st_size for e in os.scandir(system32)
        if e.is_file(follow_symlinks=False)}
if {k.lower(): v for k, v in shown.items()} != {k.lower(): v for k, v in real.items()}:
    missing = sorted(set(map(str.lower, real)) ^ set(map(str.lower, shown)))[:5]
    differences.append(f"System32 by the 32-bit build: {len(shown)} files, on the Linux side {len(real)} ({missing})")
for d in differences[:20]:
    print("differs:", d)
windows = [r for r in narrow if r[0].lower() == "c:\\windows"]
print(f"C:\\windows: {windows[0][2:] if windows else '?'} by both builds; System32 {len(shown)} files"
      f" as on the Linux side; {len(differences)} differences")
sys.exit(1 if differences else 0)
PY
