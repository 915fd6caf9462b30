# Sourced by benchmark.sh and output-checksums.sh: builds a Release sferonda
# and the benchmark tools in $build, and prepares in $work the full-capacity
# batch (10000 beads, 25000 connectors; 5000 for display type 1).
# Sets: program, tools, outputs (the files the batch writes), inputs,
# batch_inputs (type-N.inp and batch.inp) and answer files answer-N, answer-batch.
# SFERONDA_PROGRAM=<path> takes that program instead of building one.
cxx="${CXX:-c++}"
if [ -z "${SFERONDA_PROGRAM:-}" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSFERONDA_TESTS=OFF >/dev/null
    cmake --build "$build" -j"$(nproc)" --target sferonda >/dev/null
fi
tools="$build/bench-tools"
mkdir -p "$tools"
for tool in make_model timed_run; do
    "$cxx" -std=c++20 -O2 -Wall -Wextra "bench/$tool.cpp" -o "$tools/$tool"
done
program="${SFERONDA_PROGRAM:-$build/sferonda}"

rm -rf "$work" && mkdir -p "$work/floor"
cd "$work"
"$tools/make_model" 10000 25000 model.dat model.col
"$tools/make_model" 10000 5000 model-pdb.dat model-pdb.col
# Each case reads files of its own, so that the floor copies every byte the batch reads.
outputs=(out-1.bea out-2.ppv out-3.pov out-4-worm.pov out-5.pi out-6.vrml sferonda-log.txt)
: > batch.inp
for type in 1 2 3 4 5 6; do
    source_model=model; [ "$type" = 1 ] && source_model=model-pdb
    cp "$source_model.dat" "case-$type.dat"
    cp "$source_model.col" "case-$type.col"
    printf '%s\ncase-%s.dat\ncase-%s.col\nout-%s\n' "$type" "$type" "$type" "$type" | tee -a batch.inp > "type-$type.inp"
    echo -1 >> "type-$type.inp"
    echo "type-$type.inp" > "answer-$type"
done
echo -1 >> batch.inp
echo batch.inp > answer-batch
inputs=(case-*.dat case-*.col)
