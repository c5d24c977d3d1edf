# The Wine programs to call directly (sourced, not run). Debian's `wine` wrapper picks
# the 32-bit loader whenever it is installed, even on a machine that cannot run it.

# The loader of a Windows build: i686 or x86_64.
wine_loader() {
  case "$1" in
    i686) echo /usr/lib/wine/wine ;;
    x86_64) echo /usr/lib/wine/wine64 ;;
  esac
}

# The loader for a Windows program: 32-bit or 64-bit, as its PE header says.
wine_loader_for() {
  local offset machine
  # The PE header's offset sits at byte 60; its machine field follows "PE\0\0".
  offset="$(od -An -t u4 -j 60 -N 4 "$1" | tr -d ' ')"
  machine="$(od -An -t x2 -j $((offset + 4)) -N 2 "$1" | tr -d ' ')"
  case "$machine" in
    014c) wine_loader i686 ;;
    8664) wine_loader x86_64 ;;
    *)
      echo "wine-loader: $1 is no x86 Windows program (machine $machine)" >&2
      return 1
      ;;
  esac
}

# The server, which serves programs of both kinds.
wineserver_program() {
  if [ -x /usr/lib/wine/wineserver64 ]; then echo /usr/lib/wine/wineserver64; else echo /usr/lib/wine/wineserver32; fi
}
