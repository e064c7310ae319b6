#!/usr/bin/env bash
# Installs what is missing (tools/setup.sh), configures (once) and builds.
#
#   tools/build.sh [BUILD_DIR] [targets...]
#
# BUILD_DIR defaults to <project>/build; a given one is taken relative to the
# current directory. Configure: cmake -G Ninja with the i686 mingw toolchain, Release
# (VMTOOL_BUILD_TYPE overrides). Later calls only run the build; Ninja
# re-runs CMake by itself when a CMakeLists.txt changes.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}     # a given path is relative to the current directory
shift $(( $# > 0 ? 1 : 0 ))
mkdir -p "$build"
build=$(cd "$build" && pwd)

bash "$root/tools/setup.sh"

if [ ! -f "$build/build.ninja" ] || [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/i686-w64-mingw32.cmake" \
    -DCMAKE_BUILD_TYPE="${VMTOOL_BUILD_TYPE:-Release}"
fi
targets=()
[ $# -eq 0 ] || targets=(--target "$@")
cmake --build "$build" "${targets[@]}"
