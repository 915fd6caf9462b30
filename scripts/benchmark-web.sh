#!/usr/bin/env bash
# Times the six-type full-capacity batch of scripts/benchmark.sh run by node
# on the WebAssembly build against the native program, round after round in
# the same run, and names the files that the two write differently.
#
#   bash scripts/benchmark-web.sh [rounds, default 5]
#
# Needs the WebAssembly build (bash scripts/build-web.sh). Prints the median
# times and their ratio (docs/speed.md).
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
rounds="${1:-5}"
cli="$root/build-web/sferonda-cli.js"
[ -f "$cli" ] || { echo "no $cli: run bash scripts/build-web.sh first" >&2; exit 1; }
build="$root/build-bench"
work="$build/run-web"
# shellcheck source=scripts/bench-batch.sh
source "$root/scripts/bench-batch.sh"
timed="$tools/timed_run"
wasm=(node --no-experimental-fetch "$cli")

checksums() { sha256sum "${outputs[@]}"; }
"$timed" answer-batch console.txt "$program" > /dev/null
native_sums="$(checksums)"
"$timed" answer-batch console.txt "${wasm[@]}" > /dev/null
differing="$(diff <(echo "$native_sums") <(checksums) | sed -n 's/^> [0-9a-f]*  //p' || true)"
[ -z "$differing" ] || echo "written otherwise by the WebAssembly batch (docs/web.md): $differing"

native="" web="" start=""
for ((round = 1; round <= rounds; round++)); do
    native+="$("$timed" answer-batch console.txt "$program" | cut -d' ' -f1) "
    web+="$("$timed" answer-batch console.txt "${wasm[@]}" | cut -d' ' -f1) "
    start+="$("$timed" /dev/null /dev/null node -e '' | cut -d' ' -f1) "
done
median() { tr ' ' '\n' <<< "$1" | grep . | sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
native_median="$(median "$native")"
web_median="$(median "$web")"
echo "native batch: $native_median s (rounds: $native)"
echo "WebAssembly batch under node $(node --version): $web_median s (rounds: $web)"
start_median="$(median "$start")"
echo "node's own start (node -e ''): $start_median s (rounds: $start)"
awk -v w="$web_median" -v n="$native_median" -v s="$start_median" \
    'BEGIN {printf "ratio: %.2f (target at most 2); without node'"'"'s own start: %.2f\n", w / n, (w - s) / n}'
