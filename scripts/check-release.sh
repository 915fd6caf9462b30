#!/usr/bin/env bash
# Makes the release of HEAD three times and compares the bytes: from two
# clones in two folders of different depth, and from the source tarball of
# the first, unpacked in a third folder. Every file of dist/ must be the
# same in all three, but the tarball itself (and its line of SHA256SUMS) in
# the third, which packs its files again without git. Three whole releases:
# run it by hand, niced, not in the test command.
#
#   nice -n 10 bash scripts/check-release.sh [scratch-folder]    (default build-check-release/)
#
# Prints each file of the first dist/ with its size, SHA-256 and whether the
# other two have it the same, and the parts that release.sh left out.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
scratch="${1:-$root/build-check-release}"
# Each release takes its time from its own source, as a user's would.
unset SOURCE_DATE_EPOCH
commit="$(git rev-parse HEAD)"
[ -z "$(git status --porcelain --untracked-files=no)" ] ||
    echo "check-release: the working tree differs from HEAD; HEAD is what is checked" >&2
rm -rf "$scratch" && mkdir -p "$scratch"

release() {  # source folder: release.sh there, 0 or 3 (parts left out) accepted
    local status=0 started=$SECONDS
    (cd "$1" && bash scripts/release.sh) > "$1.log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || [ "$status" -eq 3 ] || { tail -n 30 "$1.log"; echo "release.sh failed in $1" >&2; exit 1; }
    echo "release in $1: $((SECONDS - started)) s"
}
first="$scratch/one/sferonda" second="$scratch/two/a/longer/path/sferonda"
for clone in "$first" "$second"; do
    git clone -q --no-checkout "$root" "$clone" && git -C "$clone" checkout -q --detach "$commit"
    release "$clone"
done
version="$(sed -n 's/^project(Sferonda VERSION \([0-9.]*\).*/\1/p' "$first/CMakeLists.txt")"
tarball="sferonda-$version.tar.gz"
mkdir -p "$scratch/three"
tar -xzf "$first/dist/$tarball" -C "$scratch/three"
third="$scratch/three/sferonda-$version"
release "$third"

sums_without_tarball() { grep -v "  $tarball\$" "$1/dist/SHA256SUMS"; }
differ=0
printf '%-50s %10s  %-64s  %s  %s\n' file bytes SHA-256 clone tarball
for path in "$first"/dist/*; do
    name="${path##*/}"
    same() {  # folder: "same", "DIFFERS", or "-" where it is not compared
        if [ "$1" = "$third" ] && [ "$name" = "$tarball" ]; then echo -; return; fi
        if [ "$1" = "$third" ] && [ "$name" = SHA256SUMS ]; then
            cmp -s <(sums_without_tarball "$first") <(sums_without_tarball "$third") && echo same || echo DIFFERS
            return
        fi
        cmp -s "$path" "$1/dist/$name" && echo same || echo DIFFERS
    }
    in_second="$(same "$second")" in_third="$(same "$third")"
    [ "$in_second" != DIFFERS ] && [ "$in_third" != DIFFERS ] || differ=1
    printf '%-50s %10s  %s  %-5s  %s\n' "$name" "$(stat -c %s "$path")" \
        "$(sha256sum "$path" | cut -d' ' -f1)" "$in_second" "$in_third"
done
for folder in "$second" "$third"; do
    extra="$(comm -13 <(ls "$first/dist") <(ls "$folder/dist"))"
    [ -z "$extra" ] || { echo "only in $folder/dist: $extra"; differ=1; }
done
if [ -s "$first/build-release/left-out.txt" ]; then
    echo "left out by release.sh, so not compared:"
    sed 's/^/  /' "$first/build-release/left-out.txt"
fi
[ "$differ" -eq 0 ] && echo "every file of dist/ the same bytes in the three releases of $commit"
exit "$differ"
