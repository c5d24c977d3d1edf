#!/usr/bin/env bash
# Builds everything and runs every test: the portable core natively and under
# Wine, and the Windows build's own tests under Wine on a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/build.sh
build_native
build_windows
exec xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir build/windows --output-on-failure -j "$(nproc)"
