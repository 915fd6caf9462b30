#pragma once
// The sine and cosine of the angles the unit meshes are cut at, the same
// bits on every system: the C libraries differ in the last bits (cos(pi/2)
// is 6.1232340e-17 with glibc, 6.1230318e-17 with MinGW), and a glTF file
// keeps the vertices' every bit. The values are glibc's, so that the files
// written on Linux stayed as they were.

#include <array>

namespace sferonda {

struct SineCosine {
    double sine;
    double cosine;
};

// The divisions of a whole turn that the table holds.
inline constexpr std::array<int, 4> TURN_DIVISIONS{8, 12, 24, 48};

constexpr bool has_turn_division(int steps) {
    for (const int held : TURN_DIVISIONS) {
        if (held == steps) return true;
    }
    return false;
}

// sin and cos of the angle 2.0 * pi * step / steps, rounded as that
// expression is in double; steps one of TURN_DIVISIONS, 0 <= step < steps.
SineCosine turn_fraction(int step, int steps);

}  // namespace sferonda
