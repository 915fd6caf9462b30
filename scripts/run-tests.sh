#!/usr/bin/env bash
# Builds and runs every test twice: a normal optimised build and a build
# with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSFERONDA_TESTS=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DSFERONDA_SANITIZE=ON -DSFERONDA_TESTS=ON
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
