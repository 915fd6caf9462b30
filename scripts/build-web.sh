#!/usr/bin/env bash
# Builds the program as WebAssembly with Debian's emscripten (em++ on the
# PATH) and lays out the static page in build-web/site/ (docs/web.md):
# index.html, the page's modules, sferonda.js, sferonda.wasm, the workers of
# the program and of the picture (bundled with three.js, three-mesh-bvh and
# fflate) and the example models; and the same page in one file that opens
# from the disk, build-web/sferonda.html.
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
cp "$root"/web/index.html "$site"/
# The page's modules; its workers are bundled below.
cp "$root"/web/{page,file-names,run-queue,summary,model-view,start-worker,sferonda-api}.mjs "$site"/
cp "$build"/sferonda.js "$build"/sferonda.wasm "$site"/
if [ ! -d "$root/web/node_modules/three" ] || [ ! -d "$root/web/node_modules/esbuild" ]; then
    command -v npm > /dev/null || { echo "the page's npm packages are not installed in web/ and npm is missing"; exit 77; }
    (cd "$root/web" && npm ci --no-audit --no-fund --ignore-scripts > /dev/null)
fi
# The examples that "Try an example" runs, loaded with the page.
mkdir -p "$site/examples"
cp "$root"/examples/{helix,chain,star,compact,single}.{dat,col} "$site/examples"/
node "$root/web/bundle.mjs" "$site" "$build/sferonda-single.js" "$build/sferonda.html"
echo "site in $site:"
ls -l "$site"
