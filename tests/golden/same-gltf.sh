#!/bin/sh
# The glTF files of another build of the program (the Windows program under
# Wine, the WebAssembly one under node) against the native program's, byte
# for byte: every example at each level of detail, instanced and merged,
# and a full-capacity model at the level it chooses, instanced and merged.
# Usage: same-gltf.sh NATIVE OTHER MAKE_MODEL EXAMPLES SCRATCH (the programs by full path)
set -u
native="$1" other="$2" make_model="$3" examples="$(cd "$4" && pwd)" scratch="$5"
rm -rf "$scratch" && mkdir -p "$scratch/native" "$scratch/other" && scratch="$(cd "$scratch" && pwd)"
"$make_model" 10000 25000 "$scratch/capacity.dat" "$scratch/capacity.col" || exit 1
failed=0 compared=0

# Both programs write NAME.glb in folders of their own: the scene is named after the file.
compare() {  # name coordinates-file option...
    name="$1" dat="$2"
    shift 2
    (cd "$scratch/native" && "$native" gltf "$@" "$dat" "${dat%.dat}.col" "$name.glb" > /dev/null 2>&1) ||
        { echo "$name.glb: the native program failed"; failed=1; return; }
    (cd "$scratch/other" && "$other" gltf "$@" "$dat" "${dat%.dat}.col" "$name.glb" > "$name.console" 2>&1) ||
        { echo "$name.glb: the program failed: $(cat "$scratch/other/$name.console")"; failed=1; return; }
    cmp "$scratch/native/$name.glb" "$scratch/other/$name.glb" ||
        { echo "$name.glb: not the native program's bytes"; failed=1; }
    compared=$((compared + 1))
}

for dat in "$examples"/*.dat; do
    [ -f "${dat%.dat}.col" ] || continue
    stem="$(basename "$dat" .dat)"
    for level in low medium high; do compare "$stem-$level" "$dat" --detail "$level"; done
    compare "$stem-instanced" "$dat" --instanced
    compare "$stem-merged" "$dat" --merge
done
compare capacity "$scratch/capacity.dat"
compare capacity-instanced "$scratch/capacity.dat" --instanced
compare capacity-merged "$scratch/capacity.dat" --merge

[ "$failed" -eq 0 ] && echo "$compared glTF files the same bytes as the native program's"
exit "$failed"
