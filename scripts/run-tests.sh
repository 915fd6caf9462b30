#!/usr/bin/env bash
# Installs what the tests need (when run as root), then builds and runs every
# test twice: a normal optimised build and a build with AddressSanitizer and
# UndefinedBehaviorSanitizer, the concurrent runs once more under
# ThreadSanitizer; then fuzzes for a bounded time. The Windows
# checks (label windows: the program cross-built and run under Wine) and
# the release's downloads (label release: scripts/release.sh, reusing the
# web and Windows builds, then each download checked) run once, in the
# first: the sanitizer build has none.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"

bash scripts/install-test-deps.sh

# The Python module in this pass only: a sanitized module cannot load into
# a plain interpreter. Debian's interpreter, which sees Debian's packages.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSFERONDA_TESTS=ON \
  -DSFERONDA_PYTHON=ON -DPython_EXECUTABLE=/usr/bin/python3
cmake --build build -j"$jobs"
# The WebAssembly build, for the web checks of this pass (77: no emscripten, they report skipped).
web_status=0
bash scripts/build-web.sh || web_status=$?
[ "$web_status" -eq 0 ] || [ "$web_status" -eq 77 ] || exit "$web_status"
ctest --test-dir build --output-on-failure -j"$jobs"
# Two runs at once again under ThreadSanitizer, in a small build of its own:
# it cannot share the AddressSanitizer build.
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSFERONDA_TESTS=ON \
  -DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread
cmake --build build-tsan -j"$jobs" --target concurrent_runs_test
build-tsan/tests/concurrent_runs_test

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DSFERONDA_SANITIZE=ON -DSFERONDA_TESTS=ON
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

# Fuzzing, about a minute a target (SFERONDA_FUZZ_SECONDS), when clang++ can
# build libFuzzer targets with the sanitizers; otherwise skipped, with the reason.
fuzz_skip_reason() {
  command -v clang++ >/dev/null || { echo "clang++ not found"; return; }
  local probe
  probe="$(mktemp -d)"
  echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' > "$probe/probe.cpp"
  clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null ||
    echo "clang++ cannot link libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer"
  rm -rf "$probe"
}
reason="$(fuzz_skip_reason)"
if [ -n "$reason" ]; then
  echo "fuzz stage skipped: $reason"
else
  bash fuzz/run.sh "${SFERONDA_FUZZ_SECONDS:-60}" build-fuzz
fi
