#!/usr/bin/env bash
# Times the six-type full-capacity batch of scripts/benchmark.sh run by node
# on the WebAssembly build against the native program, round after round in
# the same run, and names the files that the two write differently. Each
# program also runs a batch of no cases, whose time is what it costs to
# start (for node: its own start, loading and compiling the module), so that
# the batch's own work can be compared apart from it.
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
wasm=(node "$cli")

checksums() { sha256sum "${outputs[@]}"; }
"$timed" answer-batch console.txt "$program" > /dev/null
native_sums="$(checksums)"
"$timed" answer-batch console.txt "${wasm[@]}" > /dev/null
differing="$(diff <(echo "$native_sums") <(checksums) | sed -n 's/^> [0-9a-f]*  //p' || true)"
[ -z "$differing" ] || echo "written otherwise by the WebAssembly batch (docs/web.md): $differing"

printf -- '-1\n' > no-cases.inp
echo no-cases.inp > answer-no-cases
native="" web="" start="" native_empty="" web_empty=""
for ((round = 1; round <= rounds; round++)); do
    native+="$("$timed" answer-batch console.txt "$program" | cut -d' ' -f1) "
    web+="$("$timed" answer-batch console.txt "${wasm[@]}" | cut -d' ' -f1) "
    start+="$("$timed" /dev/null /dev/null node -e '' | cut -d' ' -f1) "
    native_empty+="$("$timed" answer-no-cases /dev/null "$program" | cut -d' ' -f1) "
    web_empty+="$("$timed" answer-no-cases /dev/null "${wasm[@]}" | cut -d' ' -f1) "
done
median() { tr ' ' '\n' <<< "$1" | grep . | sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
native_median="$(median "$native")"
web_median="$(median "$web")"
echo "native batch: $native_median s (rounds: $native)"
echo "WebAssembly batch under node $(node --version): $web_median s (rounds: $web)"
start_median="$(median "$start")"
echo "node's own start (node -e ''): $start_median s (rounds: $start)"
native_empty_median="$(median "$native_empty")"
web_empty_median="$(median "$web_empty")"
echo "batch of no cases: native $native_empty_median s, WebAssembly $web_empty_median s"
awk -v w="$web_median" -v n="$native_median" -v s="$start_median" \
    -v we="$web_empty_median" -v ne="$native_empty_median" \
    'BEGIN {printf "ratio: %.2f (target at most 2); without node'"'"'s own start: %.2f; the batch'"'"'s own work (less the batch of no cases): %.2f\n", w / n, (w - s) / n, (w - we) / (n - ne)}'
