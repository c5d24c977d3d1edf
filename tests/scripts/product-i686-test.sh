#!/usr/bin/env bash
# The 32-bit product, Velmora.exe of the i686 build, on a machine whose tests run the
# 64-bit build: started on a small tree by this build's end-to-end driver, its caption
# and list read back, then closed. Where this machine runs no 32-bit programs it runs
# under user-mode emulation, registered only while this runs; where none can be had,
# the test is skipped (exit code 77) with a line saying why.
# Usage: product-i686-test.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
product="$(cd "$build/.." && pwd)/i686/Velmora.exe"
skip() { echo "SKIP: $*"; exit 77; }
[ -f "$product" ] || { echo "FAIL: no 32-bit product at $product" >&2; exit 1; }
[ -x /usr/lib/wine/wine ] || skip "32-bit Wine is not installed"

cd "$source_dir"
source scripts/machine.sh
# Slower by far under emulation: the driver waits that much longer for each step.
patience=1
if ! runs_32bit_code; then
  start_i386_emulation || skip "this machine runs no 32-bit programs and cannot emulate them"
  trap stop_i386_emulation EXIT
  patience=20
  echo "the 32-bit product runs under user-mode emulation ($i386_emulator)"
  # A prefix made here rather than cloned: its 32-bit half is made under emulation.
  unset VELMORA_WINE_TEMPLATES
fi

# The caption and the list travel in messages; the status bar's texts are read from the
# program's memory, which another process does not reach under emulation. The prefix,
# new, is made under emulation too: its 32-bit half needs it (minutes).
started=$SECONDS
VELMORA_PROGRAM="Z:${product//\//\\}" VELMORA_PATIENCE="$patience" \
  "$source_dir/scripts/wine-run.sh" --unmanaged "$build/product-i686-prefix" "$build/tests/e2e_tests.exe" \
  --gtest_filter=SmallTree.ScansTheFolderGivenAndShowsItsLevel
echo "the 32-bit product showed its tree and closed in $((SECONDS - started)) s"
