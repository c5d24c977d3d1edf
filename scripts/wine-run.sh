#!/usr/bin/env bash
# Usage: wine-run.sh [--unmanaged] [--pin] [--dpi N] PREFIX PROGRAM [ARGS...]
# Runs a Windows program under Wine in a private prefix, quietly, with the Wine loader
# of the program's kind (32- or 64-bit), never the one the `wine` wrapper would pick.
# The prefix is created on first use; the lock keeps parallel test runs from creating
# it twice.
# --unmanaged: the display has no window manager (tests); Wine then manages windows
# itself rather than wait two seconds for one whenever a window is hidden.
# --pin: the prefix's wineserver and the program run on one CPU (see pin.sh).
# --dpi N: a prefix made now has a screen of N dots per inch (96 otherwise).
# VELMORA_WINE_TEMPLATES: a folder where one bare prefix per loader is made once; a new
# prefix is then cloned from it, its system libraries (1.3 GB) hard links rather than
# copies, so that the tests' many prefixes fit on a small disk.
set -eu
unmanaged=false
pin=false
dpi=""
while true; do
  case "$1" in
    --unmanaged) unmanaged=true ;;
    --pin) pin=true ;;
    --dpi) dpi="$2"; shift ;;
    *) break ;;
  esac
  shift
done
export WINEPREFIX="$1"
shift
source "$(dirname "$0")/wine-loader.sh"
WINELOADER="$(wine_loader_for "$1")"
export WINELOADER
if $pin; then
  source "$(dirname "$0")/pin.sh"
  pin_to_one_cpu "$WINEPREFIX"
fi
export WINEDEBUG=-all
# No Mono or Gecko installer prompts when the prefix is created.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Makes the bare prefix $1 unless it is there.
make_prefix() {
  mkdir -p "$1"
  (
    flock 9
    if [ ! -f "$1/system.reg" ]; then
      WINEPREFIX="$1" "$WINELOADER" wineboot -i >/dev/null 2>&1 || true
      WINEPREFIX="$1" "$(wineserver_program)" -w
    fi
  ) 9>"$1.lock"
}

# Clones prefix $1 into $2. Only the large files of C:\windows stay shared, its libraries:
# nothing writes them, while Wine rewrites small ones (ini files, the registry) in place.
# A clone that fails half-way loses its registry, so the next run makes it again.
clone_prefix() {
  if ! { cp -al "$1/." "$2/" &&
    find "$2" -type f ! \( -path "$2/drive_c/windows/*" -size +64k \) -print0 |
      while IFS= read -r -d '' file; do cp -p "$file" "$file.copy" && mv -f "$file.copy" "$file" || exit 1; done; }; then
    rm -f "$2/system.reg"
    return 1
  fi
}

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      if [ -n "${VELMORA_WINE_TEMPLATES:-}" ]; then
        template="$VELMORA_WINE_TEMPLATES/$(basename "$WINELOADER")"
        make_prefix "$template"
        clone_prefix "$template" "$WINEPREFIX"
      else
        "$WINELOADER" wineboot -i >/dev/null 2>&1 || true
      fi
      if $unmanaged; then
        "$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
        # A program that crashes in a test ends; no dialog waits for a click that never comes.
        "$WINELOADER" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 || true
      fi
      if [ -n "$dpi" ]; then
        "$WINELOADER" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 || true
      fi
      "$(wineserver_program)" -w
    fi
  ) 9>"$WINEPREFIX.lock"
fi
exec "$WINELOADER" "$@"
