#!/usr/bin/env bash
# Regenerates the README's gallery: builds sferonda, runs it on the examples
# and renders every full scene (.pov) and wormlike scene (-worm.pov) with
# POV-Ray into docs/gallery/. Needs povray and povray-includes (Debian) and
# python3. The build folder is build/, or the one named by BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
build="${BUILD_DIR:-build}"
command -v povray >/dev/null || { echo "make-gallery: povray is not installed" >&2; exit 1; }

# A folder already configured keeps its settings (tests on or off).
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSFERONDA_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target sferonda >/dev/null
rm -rf "$build/gallery" && mkdir -p "$build/gallery" docs/gallery
cp examples/*.dat examples/*.col examples/main.inp "$build/gallery/"
cd "$build/gallery"
echo main.inp | ../sferonda >/dev/null

# POV-Ray may write only in the folder it runs in, so it renders there.
for scene in *.pov; do
  picture="${scene%.pov}.png"
  povray +I"$scene" +O"$picture" +W320 +H240 +A0.3 +R3 -J -D +FN -P -V >povray.log 2>&1 ||
    { cat povray.log >&2; exit 1; }
  # Drop the render time POV-Ray stamps into the file, so that the same
  # scene always gives the same bytes.
  python3 - "$picture" <<'EOF'
import struct, sys
path = sys.argv[1]
data = open(path, "rb").read()
kept, position = [data[:8]], 8
while position < len(data):
    length, kind = struct.unpack(">I4s", data[position:position + 8])
    chunk = data[position:position + 12 + length]
    if kind != b"tIME" and not (kind == b"tEXt" and b"Render Date" in chunk):
        kept.append(chunk)
    position += 12 + length
open(path, "wb").write(b"".join(kept))
EOF
  cp "$picture" "$root/docs/gallery/"
done
cd "$root"
ls -l docs/gallery/
du -ch docs/gallery/*.png | tail -1
