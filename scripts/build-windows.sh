#!/usr/bin/env bash
# Cross-builds the Windows program with MinGW-w64 and zips it for users:
#   bash scripts/build-windows.sh [build-folder]     (default build-windows)
# makes build-folder/sferonda.exe and build-folder/sferonda-VERSION-windows-x86_64.zip
# (the program, README.md, LICENSE, the examples and docs/, in one folder).
# The zip is the same bytes from every build of a commit, from a checkout or
# from a `git archive` tarball: entries in a fixed order, their times from
# SOURCE_DATE_EPOCH (else the last commit's time) in UTC.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-windows}"

command -v x86_64-w64-mingw32-g++-posix >/dev/null ||
    { echo "build-windows: x86_64-w64-mingw32-g++-posix not found (apt-get install g++-mingw-w64-x86-64-posix)" >&2; exit 77; }
# The last commit's time as cmake/Reproducible.cmake takes it: from the
# checkout's own .git, else from what a tarball carries, else a fixed date.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    if [ -e .git ]; then
        SOURCE_DATE_EPOCH="$(git log -1 --format=%ct 2>/dev/null || true)"
    else
        SOURCE_DATE_EPOCH="$(head -n 1 cmake/commit-time.txt 2>/dev/null || true)"
    fi
    [[ "$SOURCE_DATE_EPOCH" =~ ^[0-9]+$ ]] || SOURCE_DATE_EPOCH=1796083200
fi
export SOURCE_DATE_EPOCH

cmake --no-warn-unused-cli -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/windows-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DSFERONDA_TESTS="${SFERONDA_TESTS:-OFF}" >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target sferonda

version="$(sed -n 's/^project(Sferonda VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
name="sferonda-$version-windows-x86_64"
python3 - "$build/$name.zip" "$name" "$SOURCE_DATE_EPOCH" "$build/sferonda.exe" README.md LICENSE examples docs <<'PY'
import os, sys, time, zipfile
target, folder, epoch, *sources = sys.argv[1:]
# Zip times are local times without a zone: written as UTC.
stamp = time.gmtime(max(int(epoch), 315532800))[:6]
files = []
for source in sources:
    if os.path.isdir(source):
        for place, folders, names in os.walk(source):
            folders.sort()
            files += [(os.path.join(place, f), os.path.join(place, f)) for f in sorted(names)]
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
