#!/usr/bin/env bash
# Installs what building, running and testing Velmora needs on Debian 12 (run as root).
# Does nothing when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ make
  g++-mingw-w64-i686-posix
  googletest
  wine wine32:i386 fonts-wine
  libxrender1:i386 libxrandr2:i386 libxi6:i386 libxcursor1:i386
  libxinerama1:i386 libxcomposite1:i386 libxfixes3:i386 libcups2:i386
  xvfb xauth xdotool imagemagick
  cups printer-driver-cups-pdf poppler-utils
  ncdu  # the scan benchmark's native reference
)

installed() {
  [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" = "install ok installed" ]
}

# One query for all: this runs before every start of the program.
statuses="$(dpkg-query -W -f='${Status}\n' "${packages[@]}" 2>/dev/null || true)"
[ "$(grep -cx 'install ok installed' <<<"$statuses")" -eq ${#packages[@]} ] && exit 0

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "setup: missing packages (${missing[*]}); run this as root" >&2
  exit 1
fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
echo "setup: installing ${missing[*]}"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
