#!/usr/bin/env bash
# Builds sferonda and runs it on the example in examples/, answering its
# prompt with the example's main input file. The files it writes land in
# build/example/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSFERONDA_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target sferonda >/dev/null
rm -rf build/example && mkdir -p build/example
cp examples/* build/example/
cd build/example
echo main.inp | ../sferonda
echo
echo "Files written in build/example:"
ls -l --time-style=+ *.bea *.ppv *.pov *.pi *.vrml sferonda-log.txt 2>/dev/null
