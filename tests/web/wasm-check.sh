#!/bin/sh
# The checks of the WebAssembly build (docs/web.md), skipped (77) with the
# reason when node, the build or the page's site is missing.
# Usage: wasm-check.sh goldens|module|page BUILD_WEB PROGRAM MAKE_MODEL SCRATCH
# (BUILD_WEB: the folder of bash scripts/build-web.sh; PROGRAM and
# MAKE_MODEL: the native program and the model maker.)
set -u
check="$1" build_web="$2" program="$3" make_model="$4" scratch="$5"
here="$(cd "$(dirname "$0")" && pwd)"
command -v node > /dev/null || { echo "SKIPPED: node is not installed"; exit 77; }
[ -f "$build_web/site/sferonda.wasm" ] ||
  { echo "SKIPPED: no WebAssembly build in $build_web (bash scripts/build-web.sh, with emscripten)"; exit 77; }
case "$check" in
  goldens)
    # The program for node answers as the native one, from the folder it runs in.
    mkdir -p "$scratch"
    wrapper="$scratch/sferonda-node"
    printf '#!/bin/sh\nexec node "%s" "$@"\n' "$build_web/sferonda-cli.js" > "$wrapper"
    chmod +x "$wrapper"
    status=0
    sh "$here/../golden/check.sh" "$wrapper" "$here/../../examples" "$here/../golden/examples" "$scratch/examples" || status=1
    sh "$here/../golden/check.sh" "$wrapper" "$here/../golden/rare/input" "$here/../golden/rare/expected" "$scratch/rare" || status=1
    # And its glTF files are the native program's bytes.
    sh "$here/../golden/same-gltf.sh" "$program" "$wrapper" "$make_model" "$here/../../examples" "$scratch/gltf" || status=1
    exit "$status" ;;
  module) exec node --no-experimental-fetch "$here/check-module.mjs" "$build_web/site" "$program" "$make_model" "$scratch" ;;
  page)
    # Firefox draws only in a display: Xvfb's, with Mesa's software GL.
    display=""
    [ -n "${DISPLAY:-}" ] || ! command -v xvfb-run > /dev/null || display="xvfb-run -a"
    exec $display node "$here/check-page.mjs" "$build_web/site" "$program" "$make_model" "$scratch" ;;
esac
echo "unknown check $check" >&2
exit 2
