#!/bin/sh
# Unpacks the package with `dpkg-deb -x` into a scratch folder and checks
# it: its control fields, the owners and modes of its files, a stripped
# program, the tree (check-tree.sh: the program run from there on the
# packaged examples) and the manual page (check-manual.sh).
# Usage: check-unpacked.sh package scratch-folder version golden-folder
set -u
package="$1" scratch="$2" version="$3" goldens="$4"
here="$(dirname "$0")"
rm -rf "$scratch"
mkdir -p "$scratch"
failed=0
fail() { echo "$*"; failed=1; }

field() { dpkg-deb -f "$package" "$1"; }
[ "$(field Package)" = sferonda ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Maintainer)" = "Sferonda project contributors <sferonda@example.org>" ] ||
  fail "Maintainer: $(field Maintainer)"
# Computed dependencies name at least the C and C++ libraries.
for library in libc6 libstdc++6; do
  printf ', %s' "$(field Depends)" | grep -Fq ", $library " || fail "Depends: $(field Depends): no $library"
done
# A summary line and an extended description of its own lines.
[ -n "$(field Description | head -n 1)" ] || fail "Description: no summary"
[ "$(field Description | sed -n '2,$p' | grep -c .)" -ge 2 ] || fail "Description: no extended description"

# Owned by root; directories and the program rwxr-xr-x, other files rw-r--r--.
dpkg-deb -c "$package" | awk '
  $2 != "root/root" { print "owner " $2 ": " $6; bad = 1 }
  /^d/ && $1 != "drwxr-xr-x" { print "mode " $1 ": " $6; bad = 1 }
  /^-/ && $6 == "./usr/bin/sferonda" && $1 != "-rwxr-xr-x" { print "mode " $1 ": " $6; bad = 1 }
  /^-/ && $6 != "./usr/bin/sferonda" && $1 != "-rw-r--r--" { print "mode " $1 ": " $6; bad = 1 }
  END { exit bad }' || fail "the package's files have other owners or modes than expected"

dpkg-deb -x "$package" "$scratch/root" || { echo "dpkg-deb -x failed"; exit 1; }
program="$scratch/root/usr/bin/sferonda"
if command -v readelf >/dev/null; then
  readelf -S "$program" | grep -q '\.symtab' && fail "usr/bin/sferonda is not stripped"
fi
copyright="$scratch/root/usr/share/doc/sferonda/copyright"
head -n 1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
  fail "usr/share/doc/sferonda/copyright: not in the Debian copyright format"
gzip -dc "$scratch/root/usr/share/doc/sferonda/changelog.gz" | head -n 1 | grep -q "^sferonda ($version) " ||
  fail "usr/share/doc/sferonda/changelog.gz: its first entry is not version $version"

sh "$here/check-tree.sh" "$scratch/root/usr" "$version" "$goldens" "$scratch" || failed=1
sh "$here/check-manual.sh" "$scratch/root/usr/share/man/man1/sferonda.1.gz" "$program" "$scratch/manual"
manual=$?
[ "$manual" -eq 77 ] || [ "$manual" -eq 0 ] || failed=1
[ "$failed" -eq 0 ] || exit 1
[ "$manual" -eq 77 ] && exit 77
echo "unpacked package: control fields, modes, stripped program, tree, example outputs and manual page as expected"
