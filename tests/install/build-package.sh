#!/bin/sh
# Builds the Debian package of the source in FOLDER/sferonda: one Release
# configuration without the tests, the program, then cpack, in
# FOLDER/sferonda/build, under the given umask. The output goes to
# FOLDER/build.log; its end is shown when the build fails.
# Usage: build-package.sh folder umask
set -u
folder="$1"
(
  umask "$2"
  cmake -S "$folder/sferonda" -B "$folder/sferonda/build" \
    -DCMAKE_BUILD_TYPE=Release -DSFERONDA_TESTS=OFF &&
  cmake --build "$folder/sferonda/build" -j2 &&
  cd "$folder/sferonda/build" && cpack -G DEB
) > "$folder/build.log" 2>&1
status=$?
[ "$status" -eq 0 ] || { echo "the package build in $folder failed:"; tail -n 30 "$folder/build.log"; }
exit "$status"
