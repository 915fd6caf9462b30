#!/usr/bin/env bash
# Cross-builds the Windows program with MinGW-w64 and zips it for users:
#   bash scripts/build-windows.sh [build-folder]     (default build-windows)
# makes build-folder/sferonda.exe and build-folder/sferonda-VERSION-windows-x86_64.zip
# (the program, README.md, LICENSE, the examples and docs/, in one folder).
# The zip is the same bytes from every build of a commit, from a checkout or
# from a `git archive` tarball: entries in name order, their times from
# SOURCE_DATE_EPOCH (else the last commit's time) in UTC (scripts/archive.py).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-windows}"

command -v x86_64-w64-mingw32-g++-posix >/dev/null ||
    { echo "build-windows: x86_64-w64-mingw32-g++-posix not found (apt-get install g++-mingw-w64-x86-64-posix)" >&2; exit 77; }
# shellcheck source=scripts/source-date-epoch.sh
source scripts/source-date-epoch.sh

cmake --no-warn-unused-cli -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/windows-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DSFERONDA_TESTS="${SFERONDA_TESTS:-OFF}" >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target sferonda

version="$(sed -n 's/^project(Sferonda VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
name="sferonda-$version-windows-x86_64"
python3 scripts/archive.py zip "$build/$name.zip" "$name" "$SOURCE_DATE_EPOCH" "$build/sferonda.exe" README.md LICENSE examples docs
echo "$build/$name.zip"
