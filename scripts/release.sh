#!/usr/bin/env bash
# Makes every download of a release in dist/ (docs/release.md):
#
#   bash scripts/release.sh
#
# from a clean checkout, or from the source tarball that it makes:
#   sferonda-VERSION.tar.gz                  the source (git archive of HEAD)
#   sferonda-VERSION-linux-x86_64.tar.gz     the static program, manual page, README, licence,
#                                            changelog, examples and docs/, in one folder
#   sferonda_VERSION_amd64.deb               the Debian package
#   sferonda-VERSION-windows-x86_64.zip      the Windows program (scripts/build-windows.sh)
#   sferonda-VERSION-web.zip                 the page's static site (scripts/build-web.sh)
#   sferonda-VERSION.html                    the one-file page, which opens from disk
#   sferonda-VERSION-cp311-cp311-linux_x86_64.whl  the Python wheel (for the Python that builds it)
#   sferonda-VERSION-python.tar.gz           the Python module's source distribution, for other
#                                            Pythons (pip builds it; a C++20 compiler and CMake)
#   RELEASE-NOTES.md, SHA256SUMS
# Every file is the same bytes from every run on a commit: times from
# SOURCE_DATE_EPOCH (scripts/source-date-epoch.sh), archives through
# scripts/archive.py, compiled parts without the build's folders.
#
# It builds in build-release/. Builds made already can be handed over:
#   SFERONDA_WEB_BUILD=folder      a finished scripts/build-web.sh folder, packed as it is
#   SFERONDA_WINDOWS_BUILD=folder  a scripts/build-windows.sh folder, brought up to date
# A part whose tools are missing is left out with the reason, on standard
# error and in build-release/left-out.txt, and the run ends with status 3
# once the rest is written.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
umask 022
export LC_ALL=C TZ=UTC
# shellcheck source=scripts/source-date-epoch.sh
source scripts/source-date-epoch.sh
version="$(sed -n 's/^project(Sferonda VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
[ -n "$version" ] || { echo "release: no version in CMakeLists.txt" >&2; exit 1; }
python="${SFERONDA_PYTHON:-/usr/bin/python3}"
dist="$root/dist" work="$root/build-release"
rm -rf "$dist" "$work/stage" && mkdir -p "$dist" "$work/stage"
: > "$work/left-out.txt"
left_out() {  # file, reason
    echo "release: $1 left out: $2" >&2
    printf '%s: %s\n' "$1" "$2" >> "$work/left-out.txt"
}
archive() { python3 "$root/scripts/archive.py" "$@"; }
echo "release $version, SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH"

# --- The source. From a checkout, git archive of HEAD: cmake/commit-time.txt
# then holds the commit's time (export-subst). From an unpacked tarball, its
# files packed again the same way.
tarball="sferonda-$version.tar.gz"
if [ -d .git ] || [ -f .git ]; then
    [ -z "$(git status --porcelain --untracked-files=no)" ] ||
        echo "release: the working tree differs from HEAD; $tarball holds HEAD" >&2
    git archive --format=tar --prefix="sferonda-$version/" HEAD | gzip -9n > "$dist/$tarball"
else
    # What .gitignore leaves out stays out.
    mkdir -p "$work/stage/source"
    tar -cf - --exclude='./build*' --exclude=./dist --exclude=./_skbuild --exclude=./.venv \
        --exclude=node_modules --exclude=__pycache__ --exclude='*.egg-info' --exclude='*.swp' . |
        tar -xf - -C "$work/stage/source"
    archive tar "$dist/$tarball" "sferonda-$version" "$SOURCE_DATE_EPOCH" "$work/stage/source/"
fi

# --- The Linux program, static, and the Debian package, from one build.
native="$work/native"
cmake --no-warn-unused-cli -S . -B "$native" -DCMAKE_BUILD_TYPE=Release -DSFERONDA_TESTS=OFF \
    -DSFERONDA_PYTHON=OFF > /dev/null
cmake --build "$native" -j"${JOBS:-2}" --target sferonda sferonda_static
linux="sferonda-$version-linux-x86_64"
mkdir -p "$work/stage/$linux"
cp "$native/static/sferonda" "$native/install/sferonda.1" README.md LICENSE "$work/stage/$linux/"
cp "$native/install/changelog" "$work/stage/$linux/CHANGELOG"
cp -R examples docs "$work/stage/$linux/"
# Only the examples that the install rules install: no generator scripts.
find "$work/stage/$linux/examples" -type f ! -name '*.dat' ! -name '*.col' ! -name main.inp ! -name header.inc -delete
archive tar "$dist/$linux.tar.gz" "$linux" "$SOURCE_DATE_EPOCH" "$work/stage/$linux/"
if command -v dpkg-shlibdeps > /dev/null; then
    (cd "$native" && cpack -G DEB > cpack.log) || { cat "$native/cpack.log" >&2; exit 1; }
    cp "$native/sferonda_${version}_$(dpkg --print-architecture).deb" "$dist/"
else
    left_out "sferonda_${version}_amd64.deb" "dpkg-shlibdeps is missing (apt-get install dpkg-dev)"
fi

# --- The Windows program.
windows="${SFERONDA_WINDOWS_BUILD:-$work/windows}"
windows_zip="sferonda-$version-windows-x86_64.zip"
tests="$(sed -n 's/^SFERONDA_TESTS:BOOL=//p' "$windows/CMakeCache.txt" 2>/dev/null || true)"
status=0
SFERONDA_TESTS="${tests:-OFF}" bash scripts/build-windows.sh "$windows" > "$work/windows.log" 2>&1 || status=$?
case "$status" in
    0) cp "$windows/$windows_zip" "$dist/" ;;
    77) left_out "$windows_zip" "$(tail -n 1 "$work/windows.log")" ;;
    *) cat "$work/windows.log" >&2; exit 1 ;;
esac

# --- The page: its site as a zip, and the one-file page.
web="${SFERONDA_WEB_BUILD:-}"
if [ -z "$web" ]; then
    web="$root/build-web" status=0
    bash scripts/build-web.sh > "$work/web.log" 2>&1 || status=$?
    case "$status" in
        0) ;;
        77) web=""; left_out "sferonda-$version-web.zip and sferonda-$version.html" "$(tail -n 1 "$work/web.log")" ;;
        *) cat "$work/web.log" >&2; exit 1 ;;
    esac
fi
if [ -n "$web" ]; then
    [ -f "$web/site/sferonda.wasm" ] || { echo "release: no page's site in $web/site" >&2; exit 1; }
    archive zip "$dist/sferonda-$version-web.zip" "sferonda-$version-web" "$SOURCE_DATE_EPOCH" "$web/site/"
    if [ -f "$web/sferonda.html" ]; then
        cp "$web/sferonda.html" "$dist/sferonda-$version.html"
    else
        left_out "sferonda-$version.html" "$web/sferonda.html is missing: scripts/build-web.sh made no one-file page"
    fi
fi

# --- The Python wheel and source distribution, built offline with Debian's
# tools from a copy of the source: the wheel from the source distribution,
# as pip builds it elsewhere.
if "$python" -c 'import build, skbuild, pybind11' 2> /dev/null; then
    copy="$work/python"
    rm -rf "$copy" && mkdir -p "$copy/source"
    mapfile -t sources < <(find . -mindepth 1 -maxdepth 1 ! -name 'build*' ! -name dist ! -name _skbuild \
        ! -name .venv ! -name .git ! -name web ! -name tests | sed 's|^\./||')
    cp -R "${sources[@]}" "$copy/source/"
    # The time that a tarball's copy holds, and a checkout's does not.
    echo "$SOURCE_DATE_EPOCH" > "$copy/source/cmake/commit-time.txt"
    (cd "$copy/source" && "$python" -m build --no-isolation --skip-dependency-check --outdir "$copy/dist") \
        > "$copy/build.log" 2>&1 || { tail -n 30 "$copy/build.log" >&2; exit 1; }
    # setuptools packs the source distribution with the copy's times and owner.
    archive renew "$copy/dist/sferonda-$version.tar.gz" "$SOURCE_DATE_EPOCH"
    cp "$copy/dist/sferonda-$version.tar.gz" "$dist/sferonda-$version-python.tar.gz"
    cp "$copy"/dist/sferonda-"$version"-*.whl "$dist/"
else
    left_out "the Python wheel and source distribution" \
        "$python lacks build, skbuild or pybind11 (apt-get install python3-build python3-skbuild python3-pybind11 pybind11-dev python3-dev)"
fi

# --- The notes: the changelog's entry for this version, with the date.
{
    echo "# Sferonda $version ($(date -u -d "@$SOURCE_DATE_EPOCH" +%Y-%m-%d))"
    echo
    sed -n '3,/^ -- /p' cmake/debian/changelog.in | sed '$d' | sed -e '/^$/d' \
        -e 's/^  \* /- /' -e 's/^    /  /' -e "s/sferonda-VERSION/sferonda-$version/g"
    echo
    echo "Which file is for which system, and how to check them with SHA256SUMS:"
    echo "the README's \"Download\"."
} > "$dist/RELEASE-NOTES.md"
(cd "$dist" && sha256sum -- * > "$work/SHA256SUMS" && mv "$work/SHA256SUMS" SHA256SUMS)

echo "dist/:"
(cd "$dist" && ls -l)
if [ -s "$work/left-out.txt" ]; then
    echo "release incomplete, left out:" >&2
    cat "$work/left-out.txt" >&2
    exit 3
fi
