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
# shellcheck source=scripts/bench-batch.sh
source "$root/scripts/bench-batch.sh"
timed="$tools/timed_run"

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
