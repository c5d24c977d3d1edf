#!/usr/bin/env bash
# Velmora's exports read by other programs: a tree exported by Velmora under Wine,
# without its window, reads back in ncdu with the names, counts and apparent sizes of
# ncdu's own export of the same tree, and in gdu; the CSV reads in Python's csv module
# with its columns and the names intact.
# Usage: export-roundtrip-test.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
for tool in ncdu gdu python3; do
  command -v "$tool" >/dev/null || { echo "SKIP: no $tool"; exit 77; }
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
tree="$work/tree"
mkdir -p "$tree/Docs/Sub" "$tree/Música/日本" "$tree/empty"
head -c 150000 /dev/urandom >"$tree/big.iso"
head -c 5000 /dev/urandom >"$tree/Docs/Sub/notes.txt"
head -c 777 /dev/urandom >"$tree/Música/日本/曲.mp3"
head -c 12 /dev/urandom >"$tree/Docs/a,b \"c\".txt"
: >"$tree/zero"
# Seen differently: Linux counts a file with two names once, Windows twice; ncdu lists
# a symbolic link as itself, Wine as the file it points to.
ln "$tree/big.iso" "$tree/Docs/big twin.iso"
ln -s ../zero "$tree/Docs/link"
windows() { echo "Z:${1//\//\\}"; }
velmora() { "$source_dir/scripts/wine-run.sh" --unmanaged "$build/wineprefix" "$build/Velmora.exe" "$@"; }
velmora /export "$(windows "$work/velmora.json")" "$(windows "$tree")"
velmora /export "$(windows "$work/velmora.csv")" "$(windows "$tree")"
ncdu -f "$work/velmora.json" -o "$work/reexported.json"
ncdu -o "$work/native.json" "$tree"
gdu -n -f "$work/velmora.json" >/dev/null
python3 - "$work" <<'PYTHON'
import csv, json, sys
work = sys.argv[1]

def entries(path):
    """(relative path, kind, apparent size) of every entry of an ncdu export."""
    found = {}
    pending = [("", json.load(open(path, encoding="utf-8"))[3])]
    while pending:
        prefix, folder = pending.pop()
        for child in folder[1:]:
            if isinstance(child, list):
                name = prefix + child[0]["name"] + "/"
                found[name] = ("folder", 0)
                pending.append((name, child))
            else:
                found[prefix + child["name"]] = ("file", child.get("asize", 0))
    return found

velmora, native = entries(f"{work}/reexported.json"), entries(f"{work}/native.json")
expected = dict(native)
expected["Docs/link"] = ("file", 0)  # Wine: the empty file it points to
differ = {name for name in expected.keys() | velmora.keys() if expected.get(name) != velmora.get(name)}
assert not differ, sorted((name, expected.get(name), velmora.get(name)) for name in differ)
print(f"ncdu: {len(velmora)} entries read back as ncdu sees them (the link as its target)")

rows = list(csv.reader(open(f"{work}/velmora.csv", encoding="utf-8-sig", newline=""), strict=True))
assert rows[0] == ["Path", "Kind", "Nominal", "Allocated", "Slack", "Files", "Folders"], rows[0]
assert len(rows) == 1 + 1 + len(velmora), len(rows)
by_path = {row[0].split("\\tree", 1)[1]: row for row in rows[1:]}
assert by_path["\\Música\\日本\\曲.mp3"][1:3] == ["file", "777"], by_path
assert by_path['\\Docs\\a,b "c".txt'][1:3] == ["file", "12"], by_path
assert by_path["\\Docs"][5:] == ["4", "1"], by_path["\\Docs"]
print(f"csv: {len(rows)} rows of 7 columns, names intact")
PYTHON
