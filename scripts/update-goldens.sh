#!/usr/bin/env bash
# Records the golden outputs in tests/golden/ anew: the example batch
# (examples/main.inp) into tests/golden/examples/ and the rare-path batch
# (tests/golden/rare/input/main.inp) into tests/golden/rare/expected/.
#
# Goldens pin bytes that the hand-worked tests and the real-tool checks
# vouch for, so record them only on purpose: after those pass
# (ctest, and ctest -L tools with the tools installed), and review the diff.
# The build folder is build/, or the one named by BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
build="${BUILD_DIR:-build}"
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target sferonda >/dev/null
program="$root/$build/sferonda"

record() {  # input folder, golden folder
    local inputs="$1" goldens="$2" scratch="$root/$build/golden-record"
    sh tests/golden/run-batch.sh "$program" "$inputs" "$scratch"
    rm -rf "$goldens" && mkdir -p "$goldens"
    for written in "$scratch"/*; do
        [ -e "$inputs/${written##*/}" ] || cp "$written" "$goldens/"
    done
    echo "recorded $(ls "$goldens" | wc -l) files in $goldens"
}
record examples tests/golden/examples
record tests/golden/rare/input tests/golden/rare/expected
git status --short tests/golden
