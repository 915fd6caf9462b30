#!/bin/sh
# Runs one batch in a scratch folder and compares every file it writes, the
# console text included, byte for byte with the recorded goldens. Names the
# first differing file and line, and any file missing or not expected.
# Usage: check.sh program input-folder golden-folder scratch-folder
set -u
program="$1" inputs="$2" goldens="$3" scratch="$4"
here="$(dirname "$0")"

if ! sh "$here/run-batch.sh" "$program" "$inputs" "$scratch"; then
  echo "the batch did not end normally: see $scratch/console.txt"
  exit 1
fi

failed=0
for golden in "$goldens"/*; do
  name="${golden##*/}"
  written="$scratch/$name"
  if [ ! -f "$written" ]; then
    echo "$name: not written"
    failed=1
  elif ! difference="$(cmp "$golden" "$written")"; then
    # cmp counts lines from 1 at the first differing byte.
    line="$(echo "$difference" | sed -n 's/.*line \([0-9]*\).*/\1/p')"
    if [ -n "$line" ]; then
      echo "$name: first difference on line $line"
      # sed's "l" shows the line with its CR as \r and its end as $.
      printf "  expected: %s\n" "$(sed -n "${line}l 0" "$golden")"
      printf "  written:  %s\n" "$(sed -n "${line}l 0" "$written")"
    else
      echo "$name: $difference"
    fi
    failed=1
  fi
done

# Every file the batch wrote must have its golden.
for written in "$scratch"/*; do
  name="${written##*/}"
  [ -e "$inputs/$name" ] || [ -e "$goldens/$name" ] || { echo "$name: written but has no golden"; failed=1; }
done

[ "$failed" -eq 0 ] && echo "all $(ls "$goldens" | wc -l) files match their goldens"
exit "$failed"
