#!/usr/bin/env bash
# The release as its users get it: scripts/release.sh run once, handed the
# test command's web and Windows builds, then each download checked from
# dist/ alone, with the checks that the builds have already:
#   linux    unpacked into an empty folder, no dynamic section, run with an
#            empty environment (env -i) on both golden batches
#   deb      tests/install/check-unpacked.sh: dpkg-deb -x into a scratch root,
#            --version, the examples' goldens, man -l of its page
#   windows  unpacked, under Wine on both golden batches (CR LF console)
#   web      the site unpacked and the one-file page beside it, through the
#            page check (tests/web/wasm-check.sh page)
#   python   the wheel into a fresh venv, its golden check (tests/python/check-wheel.sh)
#   source   the tarball unpacked, built, and its plain suite run
# A part whose download release.sh left out, or whose tool is missing, is
# reported skipped with the reason; status 1 when a part failed.
# Usage: check.sh SOURCE BUILD SCRATCH MAKE_MODEL
#   (BUILD: the test command's build folder, with windows/ in it)
set -u
source="$(cd "$1" && pwd)" build="$(cd "$2" && pwd)" scratch="$3" make_model="$4"
web_build="${SFERONDA_WEB_BUILD:-$source/build-web}"
rm -rf "$scratch" && mkdir -p "$scratch" && scratch="$(cd "$scratch" && pwd)"
dist="$source/dist"
failed=0
report=()
note() {  # part, outcome
    report+=("$(printf '%-8s %s' "$1" "$2")")
    case "$2" in failed*) failed=1 ;; esac
}
timed() {  # part, command...: its outcome by status (77: skipped, the last line as the reason), its time
    local part="$1" started=$SECONDS status
    shift
    "$@" > "$scratch/$part.log" 2>&1
    status=$?
    case "$status" in
        0) note "$part" "passed ($((SECONDS - started)) s)" ;;
        77) note "$part" "skipped: $(grep -m 1 SKIPPED "$scratch/$part.log" || tail -n 1 "$scratch/$part.log")" ;;
        *) note "$part" "failed, see $scratch/$part.log"; tail -n 20 "$scratch/$part.log" ;;
    esac
}

# --- The release, reusing what the test command built.
started=$SECONDS
reuse=()
[ -f "$web_build/site/sferonda.wasm" ] && reuse+=(SFERONDA_WEB_BUILD="$web_build")
[ -f "$build/windows/CMakeCache.txt" ] && reuse+=(SFERONDA_WINDOWS_BUILD="$build/windows")
status=0
env "${reuse[@]}" nice -n 10 bash "$source/scripts/release.sh" > "$scratch/release.log" 2>&1 || status=$?
case "$status" in
    0|3) note release "done ($((SECONDS - started)) s)" ;;
    *) tail -n 30 "$scratch/release.log"; echo "scripts/release.sh failed ($status)"; exit 1 ;;
esac
version="$(sed -n 's/^project(Sferonda VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")"
(cd "$dist" && sha256sum --quiet -c SHA256SUMS) || note sums "failed: SHA256SUMS does not match dist/"
# present FILE PART [WORD]: the download is there, else its part is reported
# skipped with release.sh's reason (its line naming FILE, or WORD).
present() {
    [ -f "$dist/$1" ] && return 0
    note "$2" "skipped: $(grep -F -m 1 "${3:-$1}" "$source/build-release/left-out.txt" || echo "no $1 in dist/")"
    return 1
}
goldens() {  # program, expected console line ending (none or CR), scratch: both golden batches
    local program="$1" ending="$2" where="$3" status=0 batch name inputs expected
    for batch in examples:"$source/examples":"$source/tests/golden/examples" \
                 rare:"$source/tests/golden/rare/input":"$source/tests/golden/rare/expected"; do
        IFS=: read -r name inputs expected <<< "$batch"
        cp -R "$expected" "$where/golden-$name"
        sed "s/\$/$ending/" "$expected/console.txt" > "$where/golden-$name/console.txt"
        sh "$source/tests/golden/check.sh" "$program" "$inputs" "$where/golden-$name" "$where/$name" || status=1
    done
    return "$status"
}

# --- Linux: any x86_64 Linux, nothing from the environment.
check_linux() {
    local folder="$scratch/linux/sferonda-$version-linux-x86_64"
    mkdir -p "$scratch/linux" && tar -xzf "$dist/sferonda-$version-linux-x86_64.tar.gz" -C "$scratch/linux" || return 1
    for file in sferonda sferonda.1 README.md LICENSE CHANGELOG examples/main.inp docs/formats.md; do
        [ -e "$folder/$file" ] || { echo "the archive has no $file"; return 1; }
    done
    if command -v readelf > /dev/null; then
        readelf -d "$folder/sferonda" | grep -q 'There is no dynamic section' ||
            { echo "the program has a dynamic section:"; readelf -d "$folder/sferonda" | head; return 1; }
    fi
    [ "$(env -i "$folder/sferonda" --version)" = "sferonda $version" ] || { echo "--version: not sferonda $version"; return 1; }
    printf '#!/bin/sh\nexec env -i "%s" "$@"\n' "$folder/sferonda" > "$scratch/linux/sferonda-env-i"
    chmod +x "$scratch/linux/sferonda-env-i"
    goldens "$scratch/linux/sferonda-env-i" "" "$scratch/linux"
}
present "sferonda-$version-linux-x86_64.tar.gz" linux && timed linux check_linux

# --- The Debian package, unpacked into a scratch root.
deb="sferonda_${version}_amd64.deb"
present "$deb" deb && timed deb sh "$source/tests/install/check-unpacked.sh" "$dist/$deb" "$scratch/deb" \
    "$version" "$source/tests/golden/examples"

# --- Windows, under Wine, in the prefix of the Windows checks.
check_windows() {
    command -v wine > /dev/null || { echo "SKIPPED: no Wine (apt-get install wine wine64)"; return 77; }
    command -v unzip > /dev/null || { echo "SKIPPED: no unzip (apt-get install unzip)"; return 77; }
    mkdir -p "$scratch/windows" && unzip -q "$dist/sferonda-$version-windows-x86_64.zip" -d "$scratch/windows" || return 1
    local exe="$scratch/windows/sferonda-$version-windows-x86_64/sferonda.exe"
    printf '#!/bin/sh\nexec sh "%s" "%s" "$@"\n' "$source/scripts/wine-run.sh" "$exe" > "$scratch/windows/sferonda-under-wine"
    chmod +x "$scratch/windows/sferonda-under-wine"
    goldens "$scratch/windows/sferonda-under-wine" '\r' "$scratch/windows"
}
present "sferonda-$version-windows-x86_64.zip" windows && timed windows check_windows

# --- The page: the site as a host serves it, the one-file page from disk,
# laid out as scripts/build-web.sh lays them out. The glTF files are compared
# with those of the Linux download's program.
check_web() {
    command -v unzip > /dev/null || { echo "SKIPPED: no unzip (apt-get install unzip)"; return 77; }
    mkdir -p "$scratch/web" && unzip -q "$dist/sferonda-$version-web.zip" -d "$scratch/web" &&
        mv "$scratch/web/sferonda-$version-web" "$scratch/web/site" || return 1
    [ ! -f "$dist/sferonda-$version.html" ] || cp "$dist/sferonda-$version.html" "$scratch/web/sferonda.html"
    local program="$scratch/linux/sferonda-$version-linux-x86_64/sferonda"
    [ -x "$program" ] || program="$build/sferonda"
    sh "$source/tests/web/wasm-check.sh" page "$scratch/web" "$program" "$make_model" "$scratch/page"
}
present "sferonda-$version-web.zip" web && timed web check_web
present "sferonda-$version.html" one-file-page

# --- Python: the wheel alone, into a fresh venv.
wheel="$(cd "$dist" && ls sferonda-"$version"-*.whl 2> /dev/null)"
if [ -n "$wheel" ]; then
    timed python sh "$source/tests/python/check-wheel.sh" /usr/bin/python3 "$source" "$scratch/python" "$dist/$wheel"
else
    present "sferonda-$version-cp311-cp311-linux_x86_64.whl" python Python
fi

# --- The source: built as a user builds it, its plain suite within 30 minutes.
check_source() {
    mkdir -p "$scratch/source" && tar -xzf "$dist/sferonda-$version.tar.gz" -C "$scratch/source" || return 1
    local tree="$scratch/source/sferonda-$version"
    cmake -S "$tree" -B "$tree/build" -DCMAKE_BUILD_TYPE=Release -DSFERONDA_TESTS=ON > /dev/null &&
        timeout 1500 nice -n 10 cmake --build "$tree/build" -j2 > "$scratch/source-build.log" 2>&1 ||
        { tail -n 20 "$scratch/source-build.log"; return 1; }
    timeout 600 ctest --test-dir "$tree/build" -j2 -LE 'tools|install' --timeout 300 --output-on-failure
}
present "sferonda-$version.tar.gz" source && timed source check_source

echo "release $version, from dist/:"
(cd "$dist" && ls -l | sed 1d)
printf '%s\n' "${report[@]}"
exit "$failed"
