#!/usr/bin/env bash
# Installs, with apt-get, what the build and the tests need and the machine
# lacks. Without root (or password-free sudo) it only says what is missing:
# the build then fails without its tools, and a missing real tool or fuzzer
# makes its tests report "skipped".
set -euo pipefail

packages=()
command -v cmake >/dev/null || packages+=(cmake)
command -v g++ >/dev/null || packages+=(g++)
[ -f /usr/include/gtest/gtest.h ] || packages+=(libgtest-dev)
# The real-tool tests (tests/tools/): POV-Ray with its include files, the PDB
# readers gemmi and RDKit for Debian's python3, and the VRML parser tovrmlx3d.
command -v povray >/dev/null || packages+=(povray)
[ -f /usr/share/povray-3.7/include/colors.inc ] || packages+=(povray-includes)
/usr/bin/python3 -c 'import gemmi' 2>/dev/null || packages+=(python3-gemmi)
/usr/bin/python3 -c 'import rdkit' 2>/dev/null || packages+=(python3-rdkit)
command -v tovrmlx3d >/dev/null || packages+=(view3dscene)
# The fuzz stage: clang++ and its libFuzzer and sanitizer runtimes.
command -v clang++ >/dev/null || packages+=(clang)
compgen -G '/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-*.a' >/dev/null || packages+=(libclang-rt-dev)

[ "${#packages[@]}" -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
  as_root=(sudo -n)
else
  echo "not installed (needs root): ${packages[*]}" >&2
  exit 0
fi
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${packages[@]}"
