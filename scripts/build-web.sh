#!/usr/bin/env bash
# Builds the program as WebAssembly with Debian's emscripten (em++ on the
# PATH) and lays out the static page in build-web/site/ (docs/web.md):
# index.html, the page's modules, sferonda.js, sferonda.wasm, three.js,
# three-mesh-bvh, fflate and the example models; and the same page in one
# file that opens from the disk, build-web/sferonda.html.
# The program for node on the real file system is build-web/sferonda-cli.js.
#
#   bash scripts/build-web.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
build="$root/build-web"
command -v emcmake > /dev/null || { echo "emscripten is not installed (apt-get install emscripten)"; exit 77; }
# Debian's emscripten runs its tools with node, which must find Debian's acorn.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
mkdir -p "$build"
emcmake cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release > "$build/cmake.log" 2>&1 ||
    { cat "$build/cmake.log"; exit 1; }
cmake --build "$build" -j2

site="$build/site"
rm -rf "$site"
mkdir -p "$site"
cp "$root"/web/index.html "$root"/web/*.mjs "$site"/
rm "$site"/build-single.mjs "$site"/single-worker.mjs
cp "$build"/sferonda.js "$build"/sferonda.wasm "$site"/
three="$root/web/node_modules/three/build/three.module.js"
fflate="$root/web/node_modules/fflate/esm/browser.js"
bvh="$root/web/node_modules/three-mesh-bvh/build/index.module.js"
if [ ! -f "$three" ] || [ ! -f "$fflate" ] || [ ! -f "$bvh" ] || [ ! -d "$root/web/node_modules/esbuild" ]; then
    command -v npm > /dev/null || { echo "three.js is not installed in web/ and npm is missing"; exit 77; }
    (cd "$root/web" && npm ci --no-audit --no-fund --ignore-scripts > /dev/null)
fi
cp "$three" "$root"/web/node_modules/three/build/three.core.js "$site"/
cp "$fflate" "$site"/fflate.js
cp "$bvh" "$site"/three-mesh-bvh.js
# The examples that "Try an example" runs, loaded with the page.
mkdir -p "$site/examples"
cp "$root"/examples/{helix,chain,star,compact,single}.{dat,col} "$site/examples"/
cp "$root"/web/node_modules/three/examples/jsm/controls/OrbitControls.js "$site"/OrbitControls.js
# OrbitControls and three-mesh-bvh import 'three' by name: the page's import map points it at the copy.
node "$root/web/build-single.mjs" "$build/sferonda-single.js" "$site/examples" "$build/sferonda.html"
echo "site in $site:"
ls -l "$site"
