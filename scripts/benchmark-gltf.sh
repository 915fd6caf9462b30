#!/usr/bin/env bash
# What viewers make of the glTF file of a full-capacity model (10000 beads,
# 25000 connectors), as `sferonda gltf` writes it by default and with its
# options:
#
#   bash scripts/benchmark-gltf.sh
#
# Builds a Release sferonda in build-bench/ (SFERONDA_PROGRAM=<path> takes
# another build), writes the model's file at every level of detail,
# instanced and merged, and reports each file's size, triangles and the
# time the program took, then
#   - Blender (blender -b, tests/web/blender_import.py): the import's own
#     time and processor time, and the wall time and peak memory of the
#     whole run from /usr/bin/time -v, for the default file, for the same
#     35000 nodes at medium and high detail, which tells whether the nodes
#     or the triangles set the time, and for the merged file; then by the
#     number of objects, smaller models (2.5 connectors a bead) as separate
#     objects and merged, each at the level the program chooses;
#   - three.js in headless Chromium with software rendering (tests/web/
#     browse.mjs and three.html): the time from the request of the file to
#     its first frame drawn, default, instanced and merged.
# Aims: Blender 10 s, merged 2 s; three.js 20 s by default and 5 s instanced.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
build="$root/build-bench"
work="$build/gltf"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSFERONDA_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target sferonda >/dev/null
mkdir -p "$build/bench-tools"
"${CXX:-c++}" -std=c++20 -O2 -Wall -Wextra bench/make_model.cpp -o "$build/bench-tools/make_model"
program="${SFERONDA_PROGRAM:-$build/sferonda}"
rm -rf "$work" && mkdir -p "$work"
cd "$work"
"$build/bench-tools/make_model" 10000 25000 capacity.dat capacity.col

write() {  # name, then the options
    local name="$1"
    shift
    local detail started
    started=$(date +%s%N)
    detail="$("$program" gltf "$@" capacity.dat capacity.col "$name.glb" | tail -n 1)"
    printf '  %-20s %9d bytes  %s  (%d ms)\n' "$name.glb" "$(stat -c %s "$name.glb")" "${detail# }" \
        "$((($(date +%s%N) - started) / 1000000))"
}
echo "sferonda gltf, 10000 beads and 25000 connectors"
write capacity
write capacity-instanced --instanced
write capacity-merged --merge
for level in low medium high; do write "capacity-$level" --detail "$level"; done

seconds_of() {  # the h:mm:ss or m:ss of time -v in seconds
    awk -F': ' '/Elapsed \(wall clock\)/ {n = split($2, p, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i]; print s}' "$1"
}
if command -v blender >/dev/null; then
    echo "Blender $(blender --version 2>/dev/null | head -n 1 | awk '{print $2}') import (aims 10 s, merged 2 s)"
    for name in capacity capacity-medium capacity-high capacity-merged; do
        # Blender's Python takes its standard library from the first python3 on PATH.
        PATH=/usr/bin:/bin /usr/bin/time -v -o "$name.time" blender -b --factory-startup --python-exit-code 1 \
            --python "$root/tests/web/blender_import.py" -- "$name.json" "$name.glb" > "$name.blender.log" 2>&1
        python3 - "$name" "$(seconds_of "$name.time")" \
            "$(awk '/Maximum resident/ {print $NF}' "$name.time")" <<'PY'
import json, sys
name, wall, kib = sys.argv[1], float(sys.argv[2]), int(sys.argv[3])
report = json.load(open(f"{name}.json"))[0]
print(f"  {name + '.glb':20s} import {report['seconds']:6.1f} s ({report['processor_seconds']:.1f} s of processor), "
      f"{len(report['meshes'])} objects; "
      f"whole run {wall:.1f} s, peak {kib / 1048576:.2f} GiB")
PY
    done
    echo "Blender import by number of objects: separate, merged (import and processor seconds)"
    sizes=()
    for beads in 400 1000 2000 2857 4000 5714 7143; do
        "$build/bench-tools/make_model" "$beads" $((beads * 5 / 2)) "m$beads.dat" "m$beads.col"
        "$program" gltf "m$beads.dat" "m$beads.col" "m$beads.glb" > /dev/null
        "$program" gltf --merge "m$beads.dat" "m$beads.col" "m$beads-merged.glb" > /dev/null
        sizes+=("m$beads.glb" "m$beads-merged.glb")
    done
    PATH=/usr/bin:/bin blender -b --factory-startup --python-exit-code 1 --python \
        "$root/tests/web/blender_import.py" -- sizes.json "${sizes[@]}" > sizes.blender.log 2>&1
    python3 - <<'PY'
import json
reports = json.load(open("sizes.json"))
for separate, merged in zip(reports[::2], reports[1::2]):
    print(f"  {len(separate['meshes']):6d} objects  {separate['seconds']:5.1f} s ({separate['processor_seconds']:.1f})  "
          f"merged {merged['seconds']:5.1f} s ({merged['processor_seconds']:.1f})")
PY
else
    echo "Blender: not installed"
fi

if [ -d "$root/tests/web/node_modules/playwright-core" ] && [ -x /usr/bin/chromium ]; then
    echo "three.js in headless Chromium, software rendering: first frame (aims 20 s, instanced 5 s)"
    node "$root/tests/web/browse.mjs" --page three.html --files "$work" --shots "$work/shots" \
        capacity.glb capacity-instanced.glb capacity-merged.glb > three.json
    python3 - <<'PY'
import json
for report in json.load(open("three.json")):
    found = report.get("found") or {}
    if "firstFrameSeconds" not in found:
        print(f"  {report['name']:20s} failed: {report['errors'][:3]}")
        continue
    print(f"  {report['name']:20s} first frame {found['firstFrameSeconds']:6.1f} s "
          f"(load {found['loadSeconds']:.1f} s, draw {found['drawSeconds']:.1f} s)")
PY
else
    echo "three.js: Chromium or the npm packages of tests/web are not installed"
fi
