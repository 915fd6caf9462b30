#!/bin/sh
# Checks an installed tree (a prefix of `cmake --install`, or the usr/ of the
# unpacked package): exactly the expected files, gzip files without name or
# time, the program's version, and the installed program run on the
# installed examples writing exactly the goldens.
# Usage: check-tree.sh root version golden-folder scratch-folder
set -u
root="$1" version="$2" goldens="$3" scratch="$4"
here="$(dirname "$0")"
failed=0
fail() { echo "$*"; failed=1; }

expected="bin/sferonda
share/doc/sferonda/LICENSE
share/doc/sferonda/README.md
share/doc/sferonda/changelog.gz
share/doc/sferonda/copyright
share/doc/sferonda/examples/chain.col
share/doc/sferonda/examples/chain.dat
share/doc/sferonda/examples/compact.col
share/doc/sferonda/examples/compact.dat
share/doc/sferonda/examples/header.inc
share/doc/sferonda/examples/helix.col
share/doc/sferonda/examples/helix.dat
share/doc/sferonda/examples/main.inp
share/doc/sferonda/examples/single.col
share/doc/sferonda/examples/single.dat
share/doc/sferonda/examples/star.col
share/doc/sferonda/examples/star.dat
share/man/man1/sferonda.1.gz"
# The docs folder goes whole, pictures included, as the README links into it.
docs="$(cd "$here/../../docs" && find . ! -type d | sed 's|^\./|share/doc/sferonda/docs/|')"
expected="$(printf '%s\n%s\n' "$expected" "$docs" | LC_ALL=C sort)"
installed="$(cd "$root" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)"
[ "$installed" = "$expected" ] ||
  fail "installed files differ from the expected ones (< expected, > installed):
$(printf '%s\n' "$expected" > "$scratch/expected-files"
  printf '%s\n' "$installed" | diff "$scratch/expected-files" - | grep '^[<>]')"

# gzip -n leaves the name flag (byte 4) clear and the time (bytes 5-8) zero.
for file in share/man/man1/sferonda.1.gz share/doc/sferonda/changelog.gz; do
  [ -f "$root/$file" ] || continue
  header="$(od -An -tx1 -N8 "$root/$file" | tr -d ' \n')"
  [ "$header" = "1f8b080000000000" ] || fail "$file: gzip header $header, not without name and time"
  gzip -t "$root/$file" 2>/dev/null || fail "$file: not a valid gzip file"
done

program="$root/bin/sferonda"
[ -x "$program" ] || { fail "bin/sferonda: not an executable"; exit 1; }
printed="$("$program" --version)"
[ "$printed" = "sferonda $version" ] || fail "--version printed \"$printed\", not \"sferonda $version\""

sh "$here/../golden/check.sh" "$program" "$root/share/doc/sferonda/examples" "$goldens" "$scratch/batch" ||
  fail "the installed program on the installed examples: outputs differ from the goldens"
exit "$failed"
