# Build functions shared by the project's scripts (sourced, not run).
# Two build trees: build/native (host compiler, portable core and its tests) and
# build/windows (mingw-w64 i686, everything, tests run under Wine). A tree is
# configured once; after that ninja re-runs CMake itself when a CMake file changes.

build_native() {
  if [ ! -f build/native/build.ninja ]; then
    cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  cmake --build build/native -j "$(nproc)"
}

configure_windows() {
  if [ ! -f build/windows/build.ninja ]; then
    cmake -S . -B build/windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-i686.cmake" \
      -DVELMORA_NATIVE_BUILD="$PWD/build/native" >/dev/null
  fi
}

build_windows() {
  configure_windows
  cmake --build build/windows -j "$(nproc)"
}
