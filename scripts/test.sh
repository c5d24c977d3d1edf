#!/usr/bin/env bash
# Builds everything and runs every test: the portable core natively, and the Windows
# build this machine runs (see machine.sh) under Wine on a virtual X display. Both
# Windows builds are made, so a fault in either fails here.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/build.sh
choose_windows_build
say_windows_build test
build_native
build_windows i686
build_windows x86_64
exec xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir "$windows_build" --output-on-failure -j "$(nproc)"
