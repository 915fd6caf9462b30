#!/usr/bin/env bash
# Installs, with apt-get, what the build and the tests need and the machine
# lacks. Without root (or password-free sudo) it only says what is missing:
# the build then fails without its tools, and a missing real tool or fuzzer
# makes its tests report "skipped".
set -euo pipefail

# What the build needs: without it nothing can run.
packages=()
command -v cmake >/dev/null || packages+=(cmake)
command -v g++ >/dev/null || packages+=(g++)
[ -f /usr/include/gtest/gtest.h ] || packages+=(libgtest-dev)
# What single groups of tests need: without it those tests report "skipped".
tools=()
# The Python module, its tests and its packaging (tests/python/), for
# Debian's python3.
compgen -G '/usr/include/python3*/Python.h' >/dev/null || tools+=(python3-dev)
for module in venv:python3-venv pybind11:python3-pybind11 numpy:python3-numpy pytest:python3-pytest \
  build:python3-build skbuild:python3-skbuild; do
  /usr/bin/python3 -c "import ${module%%:*}" 2>/dev/null || tools+=("${module#*:}")
done
[ -f /usr/lib/cmake/pybind11/pybind11Config.cmake ] || tools+=(pybind11-dev)
# The real-tool tests (tests/tools/): POV-Ray with its include files, the PDB
# readers gemmi and RDKit for Debian's python3, and the VRML parser tovrmlx3d.
command -v povray >/dev/null || tools+=(povray)
[ -f /usr/share/povray-3.7/include/colors.inc ] || tools+=(povray-includes)
/usr/bin/python3 -c 'import gemmi' 2>/dev/null || tools+=(python3-gemmi)
/usr/bin/python3 -c 'import rdkit' 2>/dev/null || tools+=(python3-rdkit)
command -v tovrmlx3d >/dev/null || tools+=(view3dscene)
# The browser and Blender checks (tests/web/): headless Chromium for three.js
# and X_ITE and the page, Blender's glTF importer.
[ -x /usr/bin/chromium ] || tools+=(chromium)
# The page's check in Firefox ESR, drawn under Xvfb.
[ -x /usr/bin/firefox-esr ] || tools+=(firefox-esr)
command -v xvfb-run >/dev/null || tools+=(xvfb xauth)
# The WebAssembly build and its checks (scripts/build-web.sh, docs/web.md).
command -v em++ >/dev/null || tools+=(emscripten)
command -v blender >/dev/null || tools+=(blender)
# The install and package checks (tests/install/): man-db renders the manual
# page, dpkg-dev computes the package's dependencies, lintian checks it.
command -v man >/dev/null || tools+=(man-db)
command -v dpkg-shlibdeps >/dev/null || tools+=(dpkg-dev)
command -v lintian >/dev/null || tools+=(lintian)
# The Windows checks (tests/windows/): the MinGW-w64 cross compiler, the
# sources of GoogleTest to build for Windows, and Wine to run what it makes.
command -v x86_64-w64-mingw32-g++-posix >/dev/null || tools+=(g++-mingw-w64-x86-64-posix)
[ -f /usr/src/googletest/CMakeLists.txt ] || tools+=(googletest)
command -v wine >/dev/null || tools+=(wine wine64)
# The fuzz stage: clang++ and its libFuzzer and sanitizer runtimes.
command -v clang++ >/dev/null || tools+=(clang)
compgen -G '/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-*.a' >/dev/null || tools+=(libclang-rt-dev)

# The web checks (tests/web/): the npm packages pinned by its package-lock.json,
# installed with the machine's own node and npm (Debian's npm package would
# conflict with an installed nodejs). Best effort: without them those checks
# report skipped. A node_modules newer than the lock file is kept as it is.
# The page's three.js (web/) is pinned the same way.
for web in "$(dirname "$0")/../tests/web" "$(dirname "$0")/../web"; do
  if command -v node >/dev/null && command -v npm >/dev/null &&
     ! [ "$web/node_modules/.package-lock.json" -nt "$web/package-lock.json" ]; then
    (cd "$web" && npm ci --no-audit --no-fund) || echo "npm ci failed in $web: the web checks will report skipped" >&2
  fi
done

[ "${#packages[@]}" -eq 0 ] && [ "${#tools[@]}" -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
  as_root=(sudo -n)
else
  echo "not installed (needs root): ${packages[*]} ${tools[*]}" >&2
  exit 0
fi
install() { "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$@"; }
"${as_root[@]}" apt-get update || echo "apt-get update failed; trying the installs all the same" >&2
[ "${#packages[@]}" -eq 0 ] || install "${packages[@]}"
# All tools at once, and when that fails one at a time, so that one that
# cannot be had leaves the others installed.
if [ "${#tools[@]}" -gt 0 ] && ! install "${tools[@]}"; then
  for tool in "${tools[@]}"; do
    install "$tool" || echo "could not install $tool: the tests that need it will report skipped" >&2
  done
fi
