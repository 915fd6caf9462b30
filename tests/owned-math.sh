#!/bin/sh
# The program's numbers must be the same bits on every system, so its code
# calls no function of the C library's math but those IEEE 754 rounds
# exactly (sqrt; trunc and fabs, which an unoptimised build may call): the
# others differ from one library to the next (sin, cos, acos: see
# writers/mesh_angles.hpp, geometry/arc_cosine.hpp).
#   owned-math.sh CORE_LIBRARY C++_COMPILER
# Skipped (77) without nm or a shared libm to list.
set -u
core="$1" compiler="$2"
libm="$("$compiler" -print-file-name=libm.so.6)"
command -v nm > /dev/null && [ -f "$libm" ] || { echo "SKIPPED: no nm, or no libm.so.6 beside $compiler"; exit 77; }
functions="$(mktemp)"
nm -D --defined-only "$libm" | awk '{ sub(/@.*/, "", $3); print $3 }' | sort -u > "$functions"
called="$(nm -u "$core" | awk '{ print $2 }' | sort -u | comm -12 - "$functions" | grep -vxE 'sqrtf?|truncf?|fabsf?')"
rm -f "$functions"
[ -z "$called" ] || { echo "FAILED: the program calls the C library's" $called; exit 1; }
echo "the program calls none of the C library's inexact math functions"
