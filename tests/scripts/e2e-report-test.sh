#!/usr/bin/env bash
# The scan report's end-to-end test needs a folder the program cannot list, and root
# lists every folder: as root, the test and its prefix's wineserver run without the
# capabilities that override file permissions, in a prefix of their own.
# Usage: e2e-report-test.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
without_override=()
if [ "$(id -u)" = 0 ]; then
  without_override=(setpriv --inh-caps=-dac_override,-dac_read_search --bounding-set=-dac_override,-dac_read_search)
fi
exec "${without_override[@]}" "$source_dir/scripts/wine-run.sh" --unmanaged "$build/wineprefix-report" \
  "$build/tests/e2e_tests.exe" --gtest_filter='ScanReport.*'
