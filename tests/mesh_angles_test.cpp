#include "writers/mesh_angles.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "writers/unit_meshes.hpp"

namespace sferonda {
namespace {

// The table against glibc's sin and cos (Linux only: MinGW's differ) on
// every angle as the meshes computed it before the table, around the axis
// and from pole to pole, at every level of detail.
void expect_glibc_values(SineCosine held, double computed_angle) {
    volatile double angle = computed_angle;  // the library's call, not the compiler's folded value
    EXPECT_EQ(std::bit_cast<std::uint64_t>(held.sine), std::bit_cast<std::uint64_t>(std::sin(angle)))
        << std::hexfloat << "sine of " << angle;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(held.cosine), std::bit_cast<std::uint64_t>(std::cos(angle)))
        << std::hexfloat << "cosine of " << angle;
}

void expect_turn(int steps) {
    for (int step = 0; step < steps; ++step) {
        expect_glibc_values(turn_fraction(step, steps), 2.0 * std::numbers::pi * step / steps);
    }
}

TEST(MeshAngles, AreGlibcsSineAndCosineOfEachAngleAsComputed) {
    for (const MeshDetail& detail : MESH_DETAILS) {
        SCOPED_TRACE(detail.name);
        expect_turn(detail.sphere_segments);
        expect_turn(detail.cylinder_sides);
        for (int ring = 1; ring < detail.sphere_rings; ++ring) {
            expect_glibc_values(turn_fraction(ring, 2 * detail.sphere_rings),
                                std::numbers::pi * ring / detail.sphere_rings);
        }
    }
}

}  // namespace
}  // namespace sferonda
