#!/usr/bin/env bash
# Times sferonda at full capacity against the I/O floor of the same run.
#
#   bash scripts/benchmark.sh [repetitions, default 9]
#
# SFERONDA_PROGRAM=<path> times another build of the program instead.
#
# Builds a Release sferonda in build-bench/, generates models of 10000 beads
# with 25000 connectors (5000 for the pseudo-PDB file), and runs, several
# times over: each display type alone, the batch of all six, and the floor,
# one cp of every file the batch reads and writes. Reports the median times,
# the peak resident memory and the ratio batch / floor; then `sferonda gltf`
# on the same model as display type 6, against that VRML case, with the size
# of its file.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
repetitions="${1:-9}"
build="$root/build-bench"
work="$build/run"
cxx="${CXX:-c++}"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSFERONDA_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target sferonda >/dev/null
mkdir -p "$build/bench-tools"
for tool in make_model timed_run; do
    "$cxx" -std=c++20 -O2 -Wall -Wextra "bench/$tool.cpp" -o "$build/bench-tools/$tool"
done
program="${SFERONDA_PROGRAM:-$build/sferonda}"
timed="$build/bench-tools/timed_run"

rm -rf "$work" && mkdir -p "$work/floor"
cd "$work"
"$build/bench-tools/make_model" 10000 25000 model.dat model.col
"$build/bench-tools/make_model" 10000 5000 model-pdb.dat model-pdb.col
# Each case reads files of its own, so that the floor copies every byte the batch reads.
outputs=(out-1.bea out-2.ppv out-3.pov out-4-worm.pov out-5.pi out-6.vrml sferonda-log.txt)
: > batch.inp
for type in 1 2 3 4 5 6; do
    source_model=model; [ "$type" = 1 ] && source_model=model-pdb
    cp "$source_model.dat" "case-$type.dat"
    cp "$source_model.col" "case-$type.col"
    printf '%s\ncase-%s.dat\ncase-%s.col\nout-%s\n' "$type" "$type" "$type" "$type" | tee -a batch.inp > "type-$type.inp"
    echo -1 >> "type-$type.inp"
    echo "type-$type.inp" > "answer-$type"
done
echo -1 >> batch.inp
echo batch.inp > answer-batch
inputs=(case-*.dat case-*.col)

# One warm-up batch: the outputs exist for the floor, and every file is in the page cache.
"$timed" answer-batch console.txt "$program" >/dev/null
for output in "${outputs[@]}"; do [ -s "$output" ] || { echo "no $output written" >&2; exit 1; }; done

declare -A times
peak_kib=0
record() {  # name, then "seconds kib" from timed_run
    local name="$1" seconds kib
    read -r seconds kib <<< "$2"
    times[$name]+="$seconds "
    if [ "$name" != floor ] && [ "$kib" -gt "$peak_kib" ]; then peak_kib="$kib"; fi
}
for ((round = 1; round <= repetitions; round++)); do
    record floor "$("$timed" /dev/null /dev/null cp "${inputs[@]}" "${outputs[@]}" floor/)"
    for type in 1 2 3 4 5 6; do
        record "type $type" "$("$timed" "answer-$type" console.txt "$program")"
    done
    record batch "$("$timed" answer-batch console.txt "$program")"
    record gltf "$("$timed" /dev/null console-gltf.txt "$program" gltf case-6.dat case-6.col out.glb)"
done

median() { tr ' ' '\n' <<< "$1" | grep . | sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
bytes() { cat "$@" | wc -c; }
echo "sferonda benchmark: $repetitions rounds, medians in milliseconds"
echo "input $(bytes "${inputs[@]}") bytes read, output $(bytes "${outputs[@]}") bytes written by the batch"
for type in 1 2 3 4 5 6; do
    printf '  display type %s  %8.1f ms\n' "$type" "$(awk -v s="$(median "${times[type $type]}")" 'BEGIN {print s * 1000}')"
done
batch="$(median "${times[batch]}")"
floor="$(median "${times[floor]}")"
printf '  whole batch     %8.1f ms\n' "$(awk -v s="$batch" 'BEGIN {print s * 1000}')"
printf '  I/O floor (cp)  %8.1f ms\n' "$(awk -v s="$floor" 'BEGIN {print s * 1000}')"
awk -v b="$batch" -v f="$floor" -v p="$peak_kib" 'BEGIN {
    printf "  batch / floor   %8.2f   (target at most 3)\n", b / f
    printf "  peak RSS        %8.1f MiB (target under 16)\n", p / 1024
}'
gltf="$(median "${times[gltf]}")"
vrml="$(median "${times[type 6]}")"
awk -v g="$gltf" -v v="$vrml" -v size="$(bytes out.glb)" 'BEGIN {
    printf "  gltf command    %8.1f ms (target at most display type 6: %.1f ms)\n", g * 1000, v * 1000
    printf "  gltf file       %8.2f MB (target under 10)\n", size / 1e6
}'
