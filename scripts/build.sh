# Build functions shared by the project's scripts (sourced, not run).
# Three build trees: build/native (host compiler, portable core and its tests),
# build/i686 and build/x86_64 (mingw-w64 for 32- and 64-bit Windows: everything, the
# tests run under Wine). A tree is configured once; after that ninja re-runs CMake
# itself when a CMake file changes.

source "$(dirname "${BASH_SOURCE[0]}")/machine.sh"

build_native() {
  if [ ! -f build/native/build.ninja ]; then
    cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  cmake --build build/native -j "$(nproc)"
}

# Usage: configure_windows ARCH (i686 or x86_64)
configure_windows() {
  if [ ! -f "build/$1/build.ninja" ]; then
    cmake -S . -B "build/$1" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-$1.cmake" \
      -DVELMORA_NATIVE_BUILD="$PWD/build/native" >/dev/null
  fi
}

# Usage: build_windows ARCH [TARGET...]
build_windows() {
  local arch="$1"
  shift
  configure_windows "$arch"
  cmake --build "build/$arch" -j "$(nproc)" ${1:+--target "$@"}
}
