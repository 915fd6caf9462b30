#!/usr/bin/env bash
# Builds the fuzz targets with clang++ and runs each for a bounded time,
# starting from the committed corpus and regression inputs.
#
#   bash fuzz/run.sh [seconds per target, default 60] [build folder, default build-fuzz]
#
# New inputs go to <build>/corpus/<target>, findings to <build>/artifacts/<target>.
# Exits non-zero when a target crashes, hangs, leaks or trips a sanitizer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
build="${2:-$root/build-fuzz}"
mkdir -p "$build"
build="$(cd "$build" && pwd)"  # the session target works in a folder of its own
jobs="$(nproc)"

cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER="${FUZZ_CXX:-clang++}" >/dev/null
cmake --build "$build" -j"$jobs" >/dev/null

failed=0
total=0
for target in list_read case session gltf; do
    work="$build/corpus/$target"
    artifacts="$build/artifacts/$target"
    log="$build/$target.log"
    mkdir -p "$work" "$artifacts"
    # The gltf target reads the case target's inputs and starts from its corpus.
    seeds="$target"
    [ "$target" = gltf ] && seeds=case
    dict="$root/fuzz/free_form.dict"
    [ -f "$root/fuzz/$seeds.dict" ] && dict="$root/fuzz/$seeds.dict"
    inputs=("$work" "$root/fuzz/corpus/$seeds")
    [ -d "$root/fuzz/regressions/$seeds" ] && inputs+=("$root/fuzz/regressions/$seeds")
    status=0
    "$build/${target}_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -dict="$dict" \
        -artifact_prefix="$artifacts/" "${inputs[@]}" >"$log" 2>&1 || status=$?
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
    total=$((total + ${runs:-0}))
    if [ "$status" -ne 0 ]; then
        failed=1
        echo "fuzz $target: FAILED (status $status) after ${runs:-?} executions; log $log"
        grep -E "ERROR|SUMMARY|unexpected|Test unit written" "$log" | head -20 || true
    else
        echo "fuzz $target: ${runs:-0} executions in ${seconds}s, no finding"
    fi
done
echo "fuzz: $total executions in all"
exit "$failed"
