#!/usr/bin/env bash
# Writes seed inputs for the fuzz targets from the shipped examples and a
# few hand-written texts: make-seeds.sh <folder> gives <folder>/list_read
# and <folder>/case. The committed corpora in fuzz/corpus began as these
# seeds, grown by fuzzing and then minimised.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:?usage: make-seeds.sh <folder>}"
mkdir -p "$out/list_read" "$out/case"

# list_read: three header bytes (how to read, kinds of the targets), then the text.
n=0
list_seed() {  # header as printf escapes; the text comes on standard input
    n=$((n + 1))
    { printf "$1"; cat; } > "$out/list_read/seed-$n"
}
for model in "$root"/examples/*.dat "$root"/examples/*.col "$root"/examples/main.inp; do
    list_seed '\x04\x55\x55' < <(head -c 2000 "$model")   # an integer, then reals
    list_seed '\x1c\x00\x00' < <(head -c 2000 "$model")   # integers from a file, end of file fatal
    list_seed '\x00\xaa\xaa' < <(head -c 2000 "$model")   # one text per read
done
list_seed '\x02\x14\x00' < <(printf "3 4.5, 7\n99\n")
list_seed '\x02\x00\x00' < <(printf "1,,3\n,2,3\n5 / 6\n5,/6\n/ 1 2 3\n")
list_seed '\x01\x05\x00' < <(printf "2*1.5\n2*\n3*7 8\n")
list_seed '\x08\x00\x00' < <(printf "3.0\n3.7\n-3.7\n1E2\n1d-3\n+.5e+1\n2147483647\n-2147483648\n")
list_seed '\x00\x01\x00' < <(printf "1.0E39\n1e-46\n-0.0\n.5\n5.\n1D2\n")
list_seed '\x00\x02\x00' < <(printf "'my model'\n\"say \"\"hi\"\"\"\ndir/file\n'over\nlines'\nabc,def\n")
list_seed '\x02\x12\x00' < <(printf "'it''s' 3 4.5\n2*'ab' 7\n")
list_seed '\x01\x00\x00' < <(printf "1 2\r\n3 4\r\n\t5\t6\n")

# case: display type byte, the coordinates file, a NUL byte, the colors file.
byte() { printf "\\$(printf %03o "$1")"; }
for model in helix single star compact; do
    for type in 0 1 2 3 4 5 6 7; do
        { byte "$type"; cat "$root/examples/$model.dat"; printf '\0'; cat "$root/examples/$model.col"; } \
            > "$out/case/$model-$type"
    done
done
two_beads="2\n1 0.0 0.0 0.0 1.0\n2 4.0 0.0 0.0 1.0\n1\n1 1 2 0.5\n"
two_colors="2\n1 2\n2 2\n1\n1 2\n"
for type in 1 2 3 4 5 6; do
    { byte "$type"; printf "$two_beads\\0$two_colors"; } > "$out/case/two-beads-$type"
    { byte $((type + 8)); printf "$two_beads\\0$two_colors"; } > "$out/case/two-beads-long-name-$type"
    { byte "$type"; printf '0\n0\n\0000\n0\n'; } > "$out/case/empty-$type"
done
printf '\x022\n1 0 0 0 1\n3 1 1 1 1\n0\n\0002\n1 1\n2 1\n0\n' > "$out/case/bead-index-error"
printf '\x021\n1 0 0 0 1\n0\n\0002\n1 1\n2 1\n0\n' > "$out/case/bead-count-differs"
printf '\x0310001\n\0000\n' > "$out/case/too-many-beads"
printf '\x011\n1 0 0 0 0\n1\n1 1 1 0.5\n\0001\n1 1\n1\n1 1\n' > "$out/case/zero-radius"
printf '\x061\n1 0 0 0 1\n1\n1 1 2 0.5\n\0001\n1 9\n1\n1 1\n' > "$out/case/bad-color"
