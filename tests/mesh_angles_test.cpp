#include "writers/mesh_angles.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "writers/unit_meshes.hpp"

namespace sferonda {
namespace {

// The table against glibc's sin and cos (Linux only) on every angle as the
// meshes computed it before the table: around the axis, and from the pole.
void expect_glibc_values(SineCosine held, double computed_angle) {
    volatile double angle = computed_angle;  // the library's value, not one the compiler folded
    EXPECT_EQ(std::bit_cast<std::uint64_t>(held.sine), std::bit_cast<std::uint64_t>(std::sin(angle))) << angle;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(held.cosine), std::bit_cast<std::uint64_t>(std::cos(angle))) << angle;
}

TEST(MeshAngles, AreGlibcsSineAndCosineOfEachAngleAsComputed) {
    for (const MeshDetail& detail : MESH_DETAILS) {
        for (const int steps : {detail.sphere_segments, detail.cylinder_sides}) {
            for (int step = 0; step < steps; ++step) {
                expect_glibc_values(turn_fraction(step, steps), 2.0 * std::numbers::pi * step / steps);
            }
        }
        for (int ring = 1; ring < detail.sphere_rings; ++ring) {
            expect_glibc_values(turn_fraction(ring, 2 * detail.sphere_rings),
                                std::numbers::pi * ring / detail.sphere_rings);
        }
    }
}

}  // namespace
}  // namespace sferonda
