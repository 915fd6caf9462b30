#!/usr/bin/env bash
# Compares the program's E13.5, F8.3 and F9.3 fields, the real fields its
# writers use, with fields built from std::to_chars on every one of the 2^32
# float bit patterns (tests/verify/). About 20 minutes of one core a kind.
#
#   nice bash scripts/verify-field-formats.sh [parallel parts, default 2] [kinds...]
#
# Each kind's range is cut into that many parts run side by side. Prints
# each part's count of differences and time, and exits non-zero on any.
set -euo pipefail
cd "$(dirname "$0")/.."
parts="${1:-2}"
shift || true
kinds=("$@")
[ "${#kinds[@]}" -gt 0 ] || kinds=(E13.5 F8.3 F9.3)
build="$PWD/build-verify"
mkdir -p "$build"
"${CXX:-c++}" -std=c++20 -O2 -Wall -Wextra -ffp-contract=off -I. tests/verify/verify_field_formats.cpp \
    records/field_format.cpp records/decimal_digits.cpp -o "$build/verify_field_formats"

failed=0
started=$SECONDS
for kind in "${kinds[@]}"; do
    pids=()
    step=$(( (1 << 32) / parts ))
    for ((part = 0; part < parts; part++)); do
        first=$(( part * step ))
        last=$(( part == parts - 1 ? (1 << 32) - 1 : first + step - 1 ))
        "$build/verify_field_formats" "$kind" "$first" "$last" > "$build/$kind-$part.txt" &
        pids+=($!)
    done
    for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
    cat "$build/$kind"-*.txt
done
echo "all parts done in $((SECONDS - started)) s: $([ "$failed" = 0 ] && echo "no difference" || echo "DIFFERENCES FOUND")"
exit "$failed"
