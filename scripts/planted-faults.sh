#!/usr/bin/env bash
# Plants small faults in a scratch copy of the program, one at a time, and
# checks that the plain test suite (no outside tools) catches each of them.
#
#   nice -n 10 bash scripts/planted-faults.sh [--windows] [text]
#
# With --windows the checks run are those of the Windows program under Wine
# (label windows, tests/windows/) instead: for the faults of its platform
# seam, platform/windows.cpp, whose descriptions begin "windows seam". Those
# faults are planted only with --windows (the Linux program does not
# contain that code), and only they are.
#
# With --web the check run is that of the page in Chromium and Firefox
# (tools_wasm_page, tests/web/check-page.mjs), on the WebAssembly build that
# scripts/build-web.sh makes inside the copy (emscripten, Chromium and the
# npm packages of web/ and tests/web/ needed): for the faults of the page's
# code that only a browser shows, whose descriptions begin "web build".
#
# The faults are listed in scripts/planted-faults.txt, in blocks separated by
# blank lines:
#     # one-line description
#     file: path/relative/to/repo
#     from: exact text (occurring exactly once in that file)
#     to: replacement text
# where a literal \n in from or to stands for a line end. With an argument,
# only the faults whose description contains that text are planted.
#
# The working tree is copied to build-planted/ (or PLANTED_FAULTS_DIR) and
# built there once (Release, tests on); each fault is then applied, the build
# brought up to date, and ctest run without the real-tool tests (label
# tools) and the slow install and package checks (label install). A fault
# is caught when a test fails. It takes minutes, so CI does not run it; run
# it before resolving a change to the program's code.
# Prints "N of M planted faults caught" and exits non-zero when a fault
# survived, no longer applies, or breaks the build.
set -uo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
labels=(-LE 'tools|install') windows=no web=no timeout=120
if [ "${1:-}" = --windows ]; then
    labels=(-L windows) windows=yes
    shift
elif [ "${1:-}" = --web ]; then
    labels=(-R '^tools_wasm_page$') web=yes timeout=600
    shift
fi
only="${1:-}"
work="${PLANTED_FAULTS_DIR:-$root/build-planted}"
source_copy="$work/source"
list="$source_copy/scripts/planted-faults.txt"  # as copied, so that edits during a run change nothing
build="$work/build"
jobs=2
shopt -u patsub_replacement 2>/dev/null || true  # "&" in a replacement is just "&"

started=$SECONDS
# The build is kept from run to run while it matches its sources: the copy
# keeps the files' times, so only what changed since is rebuilt. A run that
# did not end cleanly may have left a fault in it.
[ -f "$work/build-matches-source" ] || rm -rf "$build"
rm -f "$work/build-matches-source"
rm -rf "$source_copy" && mkdir -p "$source_copy"
# Tracked and untracked files of the working tree, as they are now.
git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' path; do [ -f "$path" ] && printf '%s\0' "$path"; done |
    tar --null -T - -cf - | tar -xf - -C "$source_copy"
# The page's npm packages, as installed here.
if [ "$web" = yes ]; then
    for folder in web tests/web; do
        [ ! -d "$root/$folder/node_modules" ] || ln -s "$root/$folder/node_modules" "$source_copy/$folder/node_modules"
    done
fi

# The Windows build inside it (made by the windows_build test) is brought up
# to date with it, so that it never keeps a fault restored since.
build_copy() {
    cmake --build "$build" -j"$jobs" >"$work/build.log" 2>&1 || return
    [ "$windows" = no ] || [ ! -f "$build/windows/CMakeCache.txt" ] ||
        cmake --build "$build/windows" -j"$jobs" >>"$work/build.log" 2>&1 || return
    [ "$web" = no ] || bash "$source_copy/scripts/build-web.sh" >>"$work/build.log" 2>&1
}
# Without standard input: a fault that makes a test's program read it would
# otherwise take the rest of the list of faults.
run_tests() {
    ctest --test-dir "$build" -j"$jobs" "${labels[@]}" --timeout "$timeout" \
        --stop-on-failure >"$work/ctest.log" 2>&1 </dev/null
}

# The Python module too, where Debian's interpreter has pybind11 (tests/python/).
python_options=()
if /usr/bin/python3 -c 'import pybind11' 2>/dev/null; then
    python_options=(-DSFERONDA_PYTHON=ON -DPython_EXECUTABLE=/usr/bin/python3)
fi
cmake -S "$source_copy" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSFERONDA_TESTS=ON "${python_options[@]}" \
    >"$work/configure.log" 2>&1 ||
    { echo "planted faults: the scratch copy does not configure (see $work/configure.log)" >&2; exit 2; }
build_copy || { echo "planted faults: the scratch copy does not build (see $work/build.log)" >&2; exit 2; }
run_tests || { echo "planted faults: the tests fail without any fault (see $work/ctest.log)" >&2; exit 2; }

# A file's whole text, trailing line ends included.
read_text() { local text; text="$(cat "$1"; printf x)"; printf '%s' "${text%x}"; }

total=0 caught=0
survivors=() stale=() unbuildable=()

plant() {  # description, file, from, to
    local description="$1" file="$2" from="$3" to="$4" target original rest
    total=$((total + 1))
    target="$source_copy/$file"
    from="${from//\\n/$'\n'}"
    to="${to//\\n/$'\n'}"
    if [ ! -f "$target" ] || [ -z "$from" ]; then
        stale+=("$description ($file)")
        return
    fi
    original="$(read_text "$target")"
    rest="${original#*"$from"}"
    if [ "$rest" = "$original" ] || [ "${rest#*"$from"}" != "$rest" ]; then
        stale+=("$description ($file: the text to replace does not occur exactly once)")
        return
    fi
    printf '%s' "${original/"$from"/"$to"}" > "$target"
    if ! build_copy; then
        unbuildable+=("$description ($file)")
    elif run_tests; then
        survivors+=("$description ($file)")
    else
        caught=$((caught + 1))
        # ctest stops at the first failing test and lists it last.
        printf 'caught: %s (by %s)\n' "$description" \
            "$(sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) .*/\1/p' "$work/ctest.log" | tr '\n' ' ' | sed 's/ $//')"
    fi
    printf '%s' "$original" > "$target"
}

description="" file="" from="" to=""
# A fault of the Windows seam is built only into the Windows program, one of
# the page's that a browser shows only into the WebAssembly build.
for_this_program() {
    case "$1" in
        "windows seam"*) [ "$windows" = yes ] ;;
        "web build"*) [ "$web" = yes ] ;;
        *) [ "$windows" = no ] && [ "$web" = no ] ;;
    esac
}
flush_block() {
    if [ -n "$description$file$from$to" ] && for_this_program "$description"; then
        if [ -z "$only" ] || [[ "$description" == *"$only"* ]]; then
            plant "$description" "$file" "$from" "$to"
        fi
    fi
    description="" file="" from="" to=""
}
will_plant=0
while IFS= read -r line; do
    description="${line#\# }"
    for_this_program "$description" && [[ -z "$only" || "$description" == *"$only"* ]] && will_plant=$((will_plant + 1))
done < <(grep '^# ' "$list")
description=""
echo "planting $will_plant faults, one at a time"
while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in
        "") flush_block ;;
        "# "*) description="${line#\# }" ;;
        "file: "*) file="${line#file: }" ;;
        "from: "*) from="${line#from: }" ;;
        "to: "*) to="${line#to: }" ;;
        "to:") to="" ;;
        *) echo "planted faults: line not understood: $line" >&2; exit 2 ;;
    esac
done < "$list"
flush_block

# Leaves the build matching the restored sources, for the next run.
build_copy && touch "$work/build-matches-source"

echo
echo "$caught of $total planted faults caught ($((SECONDS - started)) s)"
for fault in "${survivors[@]}"; do echo "  survived: $fault"; done
for fault in "${stale[@]}"; do echo "  no longer applies: $fault"; done
for fault in "${unbuildable[@]}"; do echo "  does not build: $fault"; done
[ "$caught" -eq "$total" ]
