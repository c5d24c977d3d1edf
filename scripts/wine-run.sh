#!/usr/bin/env bash
# Usage: wine-run.sh PREFIX PROGRAM [ARGS...]
# Runs a Windows program under Wine in a private prefix, quietly. The prefix is
# created on first use; the lock keeps parallel test runs from creating it twice.
set -eu
export WINEPREFIX="$1"
shift
export WINEDEBUG=-all
# No Mono or Gecko installer prompts when the prefix is created.
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      wineboot -i >/dev/null 2>&1 || true
      # No window manager runs on the test display: unmanaged windows spare Wine
      # its wait for one (two seconds whenever a window is hidden).
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
      wineserver -w
    fi
  ) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"
