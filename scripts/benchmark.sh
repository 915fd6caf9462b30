#!/usr/bin/env bash
# Times sferonda at full capacity against the I/O floor of the same run.
#
#   bash scripts/benchmark.sh [rounds, default and least 11]
#
# SFERONDA_PROGRAM=<path> times another build of the program instead.
#
# Builds a Release sferonda in build-bench/, generates models of 10000 beads
# with 25000 connectors (5000 for the pseudo-PDB file), and runs, round after
# round: the floor (one cp of every file the batch reads and writes), the
# batch of all six display types, the floor again, then each display type
# alone and `sferonda gltf`. The batch's ratio to the floor is taken in each
# round against the mean of the two floors around it, so that both see the
# same machine; reported are medians, the peak resident memory, and the
# SHA-256 of every output file checked against bench/expected-sha256.txt.
# With valgrind present, callgrind counts the instructions of each display
# type and of the batch, per output byte, and those of the reader per input
# byte. Last, `sferonda gltf` on the same model as display type 6, against
# that VRML case, with the size of its file.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
repetitions="${1:-11}"
[ "$repetitions" -ge 11 ] || { echo "at least 11 rounds" >&2; exit 2; }
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
gltf_peak_kib=0
record() {  # name, then "seconds kib" from timed_run
    local name="$1" seconds kib
    read -r seconds kib <<< "$2"
    times[$name]+="$seconds "
    case "$name" in
        floor) ;;
        gltf) [ "$kib" -gt "$gltf_peak_kib" ] && gltf_peak_kib="$kib" ;;
        *) [ "$kib" -gt "$peak_kib" ] && peak_kib="$kib" ;;
    esac
    return 0
}
floor_run() { "$timed" /dev/null /dev/null cp "${inputs[@]}" "${outputs[@]}" floor/; }
ratios=""
for ((round = 1; round <= repetitions; round++)); do
    floor_before="$(floor_run)"
    batch_run="$("$timed" answer-batch console.txt "$program")"
    floor_after="$(floor_run)"
    record floor "$floor_before"
    record floor "$floor_after"
    record batch "$batch_run"
    ratios+="$(awk -v b="${batch_run% *}" -v f1="${floor_before% *}" -v f2="${floor_after% *}" \
        'BEGIN {print b / ((f1 + f2) / 2)}') "
    for type in 1 2 3 4 5 6; do
        record "type $type" "$("$timed" "answer-$type" console.txt "$program")"
    done
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
awk -v r="$(median "$ratios")" -v p="$peak_kib" 'BEGIN {
    printf "  batch / floor   %8.2f   (median of the rounds; target at most 1.5)\n", r
    printf "  peak RSS        %8.1f MiB (display types and batch; target under 16)\n", p / 1024
}'

# The batch's outputs, byte for byte as recorded.
"$program" < answer-batch > console.txt
for output in "${outputs[@]}" console.txt; do sha256sum "$output"; done | sed 's|  |  bench/|' > sha256.txt
if grep '  bench/' "$root/bench/expected-sha256.txt" | diff - sha256.txt > /dev/null; then
    echo "  outputs         SHA-256 of all $(wc -l < sha256.txt) files as in bench/expected-sha256.txt"
else
    echo "  outputs         DIFFER from bench/expected-sha256.txt:"
    cat sha256.txt
fi

# Instruction counts, the stable figures: the reader is the case reading of
# the two model files, counted alone with callgrind's collection switched on
# only inside it.
if command -v valgrind > /dev/null; then
    instructions() {  # answer file, then extra callgrind options
        local answer="$1"
        shift
        valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" "$program" < "$answer" 2>&1 > /dev/null |
            sed -n 's/.*Collected : *\([0-9]*\).*/\1/p'
    }
    output_bytes() { cat out-"$1"* | wc -c; }
    echo "  callgrind instructions (millions)"
    for type in 1 2 3 4 5 6; do
        count="$(instructions "answer-$type")"
        awk -v c="$count" -v o="$(output_bytes "$type")" -v t="$type" \
            'BEGIN {printf "    display type %s %8.1f M  %5.2f per output byte\n", t, c / 1e6, c / o}'
    done
    count="$(instructions answer-batch)"
    reader="$(instructions answer-batch '--toggle-collect=*read_bead_model*')"
    awk -v c="$count" -v r="$reader" -v o="$(bytes "${outputs[@]}")" -v i="$(bytes "${inputs[@]}")" 'BEGIN {
        printf "    whole batch    %8.1f M  %5.2f per output byte (target at most 250 M)\n", c / 1e6, c / o
        printf "    reader         %8.1f M  %5.2f per input byte (target at most 10)\n", r / 1e6, r / i
    }'
else
    echo "  callgrind instructions: valgrind not found, skipped"
fi
gltf="$(median "${times[gltf]}")"
vrml="$(median "${times[type 6]}")"
awk -v g="$gltf" -v v="$vrml" -v size="$(bytes out.glb)" -v p="$gltf_peak_kib" 'BEGIN {
    printf "  gltf command    %8.1f ms (target at most display type 6: %.1f ms)\n", g * 1000, v * 1000
    printf "  gltf file       %8.2f MB (target under 10)\n", size / 1e6
    printf "  gltf peak RSS   %8.1f MiB\n", p / 1024
}'
