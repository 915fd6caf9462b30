#!/usr/bin/env bash
# Cross-builds the Windows program with MinGW-w64 and zips it for users:
#   bash scripts/build-windows.sh [build-folder]     (default build-windows)
# makes build-folder/sferonda.exe and build-folder/sferonda-VERSION-windows-x86_64.zip
# (the program, README.md, LICENSE and the examples, in one folder). The zip
# is the same bytes from every build of a commit: entries in a fixed order,
# their times from SOURCE_DATE_EPOCH (else the last commit's time) in UTC.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-windows}"

command -v x86_64-w64-mingw32-g++-posix >/dev/null ||
    { echo "build-windows: x86_64-w64-mingw32-g++-posix not found (apt-get install g++-mingw-w64-x86-64-posix)" >&2; exit 77; }
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH="$(git log -1 --format=%ct 2>/dev/null || echo 1796083200)"
fi
export SOURCE_DATE_EPOCH

cmake --no-warn-unused-cli -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/windows-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DSFERONDA_TESTS="${SFERONDA_TESTS:-OFF}" >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target sferonda

version="$(sed -n 's/^project(Sferonda VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
name="sferonda-$version-windows-x86_64"
python3 - "$build/$name.zip" "$name" "$SOURCE_DATE_EPOCH" "$build/sferonda.exe" README.md LICENSE examples <<'PY'
import os, sys, time, zipfile
target, folder, epoch, *sources = sys.argv[1:]
# Zip times are local times without a zone: written as UTC.
stamp = time.gmtime(max(int(epoch), 315532800))[:6]
files = []
for source in sources:
    if os.path.isdir(source):
        files += [(os.path.join(source, f), f"{source}/{f}") for f in sorted(os.listdir(source))]
    else:
        files.append((source, os.path.basename(source)))
with zipfile.ZipFile(target + ".part", "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
    for path, name in files:
        entry = zipfile.ZipInfo(f"{folder}/{name}", stamp)
        entry.compress_type = zipfile.ZIP_DEFLATED
        entry.create_system = 0  # made on "MS-DOS": no Unix owner or mode
        entry.external_attr = 0
        with open(path, "rb") as f:
            archive.writestr(entry, f.read(), compresslevel=9)
os.replace(target + ".part", target)
PY
echo "$build/$name.zip"
