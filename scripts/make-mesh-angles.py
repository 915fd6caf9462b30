"""Prints the table of writers/mesh_angles.cpp: the sine and cosine that the
C library gives for each angle the unit meshes are cut at, 2 pi k / n in
double as the meshes compute it, as hexadecimal floating-point literals.
Run once on glibc (Python's math calls the C library's sin and cos):

    /usr/bin/python3 scripts/make-mesh-angles.py
"""

import math

TURN_DIVISIONS = (8, 12, 24, 48)

for steps in TURN_DIVISIONS:
    print(f"constexpr SineCosine TURN_{steps}[{steps}] = {{")
    for step in range(steps):
        angle = 2.0 * math.pi * step / steps
        print(f"    {{{math.sin(angle).hex()}, {math.cos(angle).hex()}}},  // {step}")
    print("};")
