#!/usr/bin/env bash
# Installs what building, running and testing Velmora needs on Debian 12 (run as root).
# Does nothing when everything is already there. Both Windows builds are always made.
# 32-bit Wine runs the 32-bit build where this machine runs 32-bit programs. Where it
# runs none, the 64-bit build runs under 64-bit Wine, and 32-bit Wine is installed
# under user-mode emulation only for one short check of the 32-bit product
# (tests/scripts/product-i686-test.sh); without root or emulation that check is skipped.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/machine.sh

packages=(
  cmake ninja-build g++ make
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  googletest
  wine wine64 fonts-wine
  libxrender1 libxrandr2 libxi6 libxcursor1 libxinerama1 libxcomposite1 libxfixes3 libcups2
  xvfb xauth xdotool imagemagick
  cups printer-driver-cups-pdf poppler-utils
  ncdu  # the scan benchmark's native reference, and real exports to open
  gdu  # real exports to open
  ntfs-3g  # NTFS volume images for the file table tests
)
packages32=(
  wine32:i386
  libxrender1:i386 libxrandr2:i386 libxi6:i386 libxcursor1:i386
  libxinerama1:i386 libxcomposite1:i386 libxfixes3:i386 libcups2:i386
)
choose_windows_build
if [ "$windows_arch" = i686 ]; then
  packages+=("${packages32[@]}")
  packages32=()
else
  packages+=(qemu-user-static)
fi

# The packages named that are not installed; one query for all, as this runs before
# every start of the program.
missing_of() {
  local present p
  # A package of this machine's own architecture may be named with it or without.
  present="$(dpkg-query -W -f='${binary:Package} ${Status}\n' "$@" 2>/dev/null |
    awk -v own=":$(dpkg --print-architecture)" \
      '$(NF-1) == "ok" && $NF == "installed" { sub(own "$", "", $1); print $1 }')" || true
  for p in "$@"; do grep -qxF -- "$p" <<<"$present" || echo "$p"; done
}
mapfile -t missing < <(missing_of "${packages[@]}")
mapfile -t missing32 < <(missing_of "${packages32[@]}")
[ ${#missing[@]} -eq 0 ] && [ ${#missing32[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: missing packages (${missing[*]}); run this as root" >&2
    exit 1
  fi
  exit 0  # only the emulated check's packages, which need root anyway
fi

install() {
  echo "setup: installing $*"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}
if [ "$windows_arch" = i686 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -qq
  install "${missing[@]}"
fi
if [ ${#missing32[@]} -gt 0 ]; then
  # Some of them run their own 32-bit programs as they install.
  if ! start_i386_emulation; then
    echo "setup: no 32-bit Wine: this machine runs no 32-bit programs and cannot emulate them" >&2
    exit 0
  fi
  trap stop_i386_emulation EXIT
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  apt-get update -qq
  install "${missing32[@]}"
fi
