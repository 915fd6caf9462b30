#!/usr/bin/env bash
# Draws the README's glTF gallery: builds sferonda, writes the binary glTF
# file of every example model with `sferonda gltf`, and has three.js draw
# each in headless Chromium (tests/web/three.html, the page of the browser
# check) into docs/gallery/NAME-gltf.png, 320 x 240. Needs Debian's chromium,
# node and the npm packages of tests/web (npm ci there). The build folder is
# build/, or the one named by BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
[ -x /usr/bin/chromium ] || { echo "make-gltf-gallery: /usr/bin/chromium is not installed" >&2; exit 1; }
command -v node >/dev/null || { echo "make-gltf-gallery: node is not installed" >&2; exit 1; }
[ -d tests/web/node_modules/three ] || { echo "make-gltf-gallery: run npm ci in tests/web first" >&2; exit 1; }

# A folder already configured keeps its settings (tests on or off).
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSFERONDA_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target sferonda >/dev/null
folder="$build/gltf-gallery"
rm -rf "$folder" && mkdir -p "$folder" docs/gallery
names=()
for dat in examples/*.dat; do
  name="$(basename "$dat" .dat)"
  "$build/sferonda" gltf "$dat" "examples/$name.col" "$folder/$name.glb" </dev/null >/dev/null
  names+=("$name.glb")
done
node tests/web/browse.mjs --page three.html --files "$folder" --shots "$folder/shots" --size 320x240 "${names[@]}" \
  >"$folder/report.json"
python3 - "$folder/report.json" <<'CHECK'
import json, sys
failed = [(report["name"], report["errors"]) for report in json.load(open(sys.argv[1])) if report["errors"]]
if failed:
    sys.exit(f"make-gltf-gallery: the page failed on {failed}")
CHECK
for glb in "${names[@]}"; do
  cp "$folder/shots/${glb%.glb}.png" "docs/gallery/${glb%.glb}-gltf.png"
done
ls -l docs/gallery/*-gltf.png
