#!/usr/bin/env bash
# SHA-256 of every file the benchmark's full-capacity batch writes and of
# every file the two golden batches write, console text included: proof
# that work on speed leaves every output byte as it was.
#
#   bash scripts/output-checksums.sh           prints the checksums
#   bash scripts/output-checksums.sh --record  writes them to bench/expected-sha256.txt
#   bash scripts/output-checksums.sh --check   compares with bench/expected-sha256.txt
#
# SFERONDA_PROGRAM=<path> checks another build of the program (the test
# command's, as the test output_checksums); SFERONDA_CHECKSUM_DIR=<folder>
# works there instead of build-checksums/.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
mode="${1:-}"
case "$mode" in ""|--record|--check) ;; *) echo "usage: $0 [--record|--check]" >&2; exit 2 ;; esac
expected="$root/bench/expected-sha256.txt"
build="${SFERONDA_CHECKSUM_DIR:-$root/build-checksums}"
work="$build/run"
# shellcheck source=scripts/bench-batch.sh
source "$root/scripts/bench-batch.sh"

"$program" < answer-batch > console.txt
for output in "${outputs[@]}"; do [ -s "$output" ] || { echo "no $output written" >&2; exit 1; }; done
sums="$build/sha256.txt"
{
    for output in "${outputs[@]}" console.txt; do sha256sum "$output" | sed 's|  |  bench/|'; done
    for batch in examples:"$root/examples" rare:"$root/tests/golden/rare/input"; do
        name="${batch%%:*}"
        sh "$root/tests/golden/run-batch.sh" "$program" "${batch#*:}" "$build/golden-$name"
        (cd "$build/golden-$name" && for file in *; do
            [ -e "${batch#*:}/$file" ] || sha256sum "$file" | sed "s|  |  $name/|"
        done)
    done
} > "$sums"

case "$mode" in
    "") cat "$sums" ;;
    --record) cp "$sums" "$expected"; echo "$(wc -l < "$expected") checksums written to bench/expected-sha256.txt" ;;
    --check)
        if diff "$expected" "$sums"; then
            echo "all $(wc -l < "$expected") output files match their recorded checksums"
        else
            echo "output files differ from bench/expected-sha256.txt (< recorded, > now)" >&2
            exit 1
        fi ;;
esac
