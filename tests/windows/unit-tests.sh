#!/bin/sh
# The GoogleTest programs built for Windows, run under Wine through CMake's
# CMAKE_CROSSCOMPILING_EMULATOR (those that cannot run there are left out by
# tests/CMakeLists.txt, docs/windows.md says why):
#   unit-tests.sh build-folder
set -eu
build="$1"
[ -f "$build/CMakeCache.txt" ] || { echo "SKIPPED: no Windows build in $build (see the windows_build test)"; exit 77; }
grep -q '^SFERONDA_TESTS:BOOL=ON' "$build/CMakeCache.txt" ||
    { echo "SKIPPED: GoogleTest's sources are missing (apt-get install googletest)"; exit 77; }
jobs="$(nproc)"
cmake --build "$build" -j"$jobs"
ctest --test-dir "$build" --output-on-failure -j"$jobs"
