#!/bin/sh
# Renders the manual page with `man -l` and checks it against the program's
# own usage text: groff has no warning, the synopsis holds exactly the usage
# lines of `sferonda --help`, every subcommand and option of the help has
# its entry, and the page names the version that `--version` prints.
# Usage: check-manual.sh page program scratch-folder
set -u
page="$1" program="$2" scratch="$3"
if ! command -v man >/dev/null; then
  echo "SKIPPED: man is not installed (Debian: apt-get install man-db)"
  exit 77
fi
mkdir -p "$scratch"
failed=0
fail() { echo "$*"; failed=1; }

warnings="$(man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)"
[ -z "$warnings" ] || fail "man --warnings -l reports:
$warnings"

# Plain text, no hyphenation nor justification: words stay whole.
MANWIDTH=100 man -E ascii --nh --nj -l "$page" 2>/dev/null > "$scratch/page.txt"
grep -q '^NAME' "$scratch/page.txt" || { fail "$page: man -l renders no page"; exit 1; }

"$program" --help > "$scratch/help.txt"
# Section SECTION of the rendered page: its indented lines, blanks squeezed.
section() {
  sed -n "/^$1\$/,/^[^ ]/p" "$scratch/page.txt" | sed '1d;/^[^ ]/d;/^ *$/d;s/^ *//;s/  */ /g'
}
# The usage lines of the help: "Usage: sferonda ..." and those under it.
usage="$(sed -n '/^Usage:/,/^$/p' "$scratch/help.txt" | sed 's/^Usage://;/^ *$/d;s/^ *//;s/  */ /g')"
synopsis="$(section SYNOPSIS)"
[ -n "$usage" ] || fail "sferonda --help shows no usage lines"
[ "$synopsis" = "$usage" ] || fail "the synopsis differs from the usage of --help:
--- usage of --help
$usage
--- synopsis of the page
$synopsis"

# Each subcommand and option that the help explains ("  name  text" lines)
# is an entry of the page: a line of its own that starts with it.
options="$(sed -n 's/^  \([a-z-][a-z-]*\).*/\1/p' "$scratch/help.txt")"
[ -n "$options" ] || fail "sferonda --help explains no subcommand or option"
for option in $options; do
  grep -Eq "^ {7}$option( |\$)" "$scratch/page.txt" || fail "no entry for $option in the page"
done

version="$("$program" --version)"
grep -Fq "$version" "$scratch/page.txt" || fail "the page does not name \"$version\""
for text in "sferonda-log.txt" "forrtl: severe" "EXIT STATUS" "EXAMPLES" "FILES"; do
  grep -Fq "$text" "$scratch/page.txt" || fail "the page does not mention \"$text\""
done
[ "$failed" -eq 0 ] && echo "manual page: no warning; synopsis, $(echo $options | wc -w) entries and version agree with the program"
exit "$failed"
