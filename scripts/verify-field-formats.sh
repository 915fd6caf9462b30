#!/usr/bin/env bash
# Compares the program's E13.5, F8.3 and F9.3 fields, the real fields its
# writers use, and its shortest text of a float (the glTF numbers) with
# those built from std::to_chars on every one of the 2^32 float bit
# patterns (tests/verify/). About 11 minutes of one core a field kind on an
# idle machine.
#
#   nice bash scripts/verify-field-formats.sh [parallel parts, default 2] [E13.5|F8.3|F9.3|shortest|all]
#
# CXXFLAGS=-DSFERONDA_CHARCONV_STANDINS checks the stand-ins of
# platform/charconv.hpp in place of the library's to_chars.
#
# The range of patterns is cut into that many parts run side by side, each
# checking every kind asked for (default all) on each pattern, and reporting
# progress every 2^26 patterns in build-verify/part-N.txt. Prints each
# part's count of differences and time, and exits non-zero on any.
set -euo pipefail
cd "$(dirname "$0")/.."
parts="${1:-2}"
shift || true
kind="${1:-all}"
build="$PWD/build-verify"
mkdir -p "$build"
"${CXX:-c++}" ${CXXFLAGS:-} -std=c++20 -O2 -Wall -Wextra -ffp-contract=off -I. tests/verify/verify_field_formats.cpp \
    records/field_format.cpp records/decimal_digits.cpp records/shortest_digits.cpp -o "$build/verify_field_formats"

failed=0
started=$SECONDS
pids=()
step=$(( (1 << 32) / parts ))
rm -f "$build"/part-*.txt
for ((part = 0; part < parts; part++)); do
    first=$(( part * step ))
    last=$(( part == parts - 1 ? (1 << 32) - 1 : first + step - 1 ))
    "$build/verify_field_formats" "$kind" "$first" "$last" > "$build/part-$part.txt" &
    pids+=($!)
done
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
grep -h -v "through" "$build"/part-*.txt
echo "all parts done in $((SECONDS - started)) s: $([ "$failed" = 0 ] && echo "no difference" || echo "DIFFERENCES FOUND")"
exit "$failed"
