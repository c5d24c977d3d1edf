#!/usr/bin/env bash
# Usage: fuzz.sh [SECONDS]
# Fuzzes with libFuzzer in build/fuzz, each target SECONDS (default 60):
# - the version block reader, its corpus starting from the stored blocks
#   (tests/fuzz/corpus) and, when mingw-w64 and Wine are here, from fresh ones:
#   Velmora.exe's and a few system libraries' of the Wine prefix, as
#   GetFileVersionInfoW returns them;
# - the file table reader, from the stored volumes (tests/fuzz/ntfs-corpus: a boot
#   sector, then a table) and, when the NTFS image test has left its image, its first
#   4,096 records, 48 at a time behind the 16 metadata records and a stored boot sector;
# - the ncdu and gdu export reader, from the stored exports (tests/fuzz/ncdu-corpus).
set -eu
cd "$(dirname "$0")/.."
seconds="${1:-60}"
out=build/fuzz

missing=()
have() { command -v "$1" >/dev/null 2>&1; }
have clang++ || missing+=(clang)
have cmake || missing+=(cmake)
have ninja || missing+=(ninja-build)
[ -d /usr/src/googletest ] || missing+=(googletest)
mkdir -p "$out"
if have clang++ && ! echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' |
    clang++ -x c++ -fsanitize=fuzzer,address,undefined - -o "$out/runtime-check" 2>/dev/null; then
  missing+=(libclang-rt-14-dev)
fi
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "fuzz.sh: missing packages: ${missing[*]}; run this as root, or apt-get install them" >&2
    exit 1
  fi
  # clang is the compiler; its fuzzer runtime is only recommended, so it is named too.
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" clang libclang-rt-14-dev >/dev/null
fi

cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$out" -j2 --target version_block_fuzz ntfs_records_fuzz ncdu_import_fuzz >/dev/null

seeds="$out/seeds"
mkdir -p "$seeds" "$out/corpus"
# shellcheck source=build.sh
source scripts/build.sh
choose_windows_build
source scripts/wine-loader.sh
loader="$(wine_loader "$windows_arch")"
if have "$windows_arch-w64-mingw32-g++-posix" && [ -x "$loader" ]; then
  say_windows_build fuzz.sh
  build_windows i686 Velmora >/dev/null
  "$windows_arch-w64-mingw32-g++-posix" -O2 -municode -static -o "$out/dump_version_blocks.exe" \
    tests/fuzz/win32/DumpVersionBlocks.cpp -lversion
  windows_path() { local path; path="$(realpath "$1")"; echo "Z:${path//\//\\}"; }
  scripts/wine-run.sh --unmanaged "$PWD/$windows_build/wineprefix" "$out/dump_version_blocks.exe" \
    "$(windows_path "$seeds")" "$(windows_path build/i686/Velmora.exe)" \
    'C:\windows\system32\kernel32.dll' 'C:\windows\system32\user32.dll' \
    'C:\windows\system32\comctl32.dll' 'C:\windows\system32\shell32.dll'
else
  echo "fuzz.sh: no fresh blocks without $windows_arch-w64-mingw32-g++-posix and $loader; using the stored ones" >&2
fi

# Runs a fuzz target over its corpus folders; prints its figures. An input that runs
# for more than 10 s is a fault: nothing these readers take may hang them.
fuzz() {
  local target="$1" corpus="$out/corpus-$1" log="$out/$1.log"
  shift
  mkdir -p "$corpus"
  if ! "$out/tests/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$out/" \
      -timeout=10 -max_len=131072 "$corpus" "$@" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fuzz.sh: $target found a fault; the input is in $out/" >&2
    exit 1
  fi
  echo "$target: $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") executions in $seconds s" \
    "without a fault; corpus of $(find "$corpus" -type f | wc -l) inputs"
}

fuzz version_block_fuzz tests/fuzz/corpus "$seeds"

records="$out/ntfs-seeds"
mkdir -p "$records"
image="$windows_build/ntfs/volume.img"
if [ -f "$image" ]; then
  # The table's first cluster and the cluster size, from the boot sector.
  number() { od -An -t u"$2" -j "$1" -N "$2" "$image" | tr -d ' '; }
  cluster=$(($(number 11 2) * $(number 13 1)))
  table=$(($(number 48 8) * cluster))
  for first in $(seq 16 48 4096); do
    { head -c 512 tests/fuzz/ntfs-corpus/laid-out-table.bin
      dd if="$image" bs=1024 skip=$((table / 1024)) count=16 status=none
      dd if="$image" bs=1024 skip=$((table / 1024 + first)) count=48 status=none; } >"$records/records-$first.bin"
  done
else
  echo "fuzz.sh: no NTFS image (run the tests first); using the stored records" >&2
fi
fuzz ntfs_records_fuzz tests/fuzz/ntfs-corpus "$records"
fuzz ncdu_import_fuzz tests/fuzz/ncdu-corpus
