#!/bin/sh
# Installs the build into a scratch prefix, as a user's `cmake --install`
# does, and checks the installed tree (check-tree.sh).
# Usage: check-install.sh build-folder scratch-folder version golden-folder
set -u
build="$1" scratch="$2" version="$3" goldens="$4"
here="$(dirname "$0")"
rm -rf "$scratch"
mkdir -p "$scratch"
if ! cmake --install "$build" --prefix "$scratch/prefix" > "$scratch/install.log" 2>&1; then
  echo "cmake --install failed:"
  cat "$scratch/install.log"
  exit 1
fi
sh "$here/check-tree.sh" "$scratch/prefix" "$version" "$goldens" "$scratch" &&
  echo "installed tree in $scratch/prefix: files, version and example outputs as expected"
