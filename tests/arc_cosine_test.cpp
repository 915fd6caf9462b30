#include "geometry/arc_cosine.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

namespace sferonda {
namespace {

// Expected bits are glibc 2.36's acosf, which the goldens were made with;
// in the first four MinGW's acosf (the double result rounded) differs in
// the last bit.
struct Case {
    float x;
    float expected;
};
constexpr Case CASES[] = {
    {0x1.110b3cp-26f, 0x1.921fb4p+0f},  // just above 2^-26: the fit, not the constant
    {0x1.000004p-2f, 0x1.51700cp+0f},   // just above 0.25
    {-0.75f, 0x1.359d28p+1f},           // below -0.5: from the half-angle
    {0x1.800062p-1f, 0x1.7209a4p-1f},   // above 0.5: the split square root
    {0x1p-26f, 0x1.921fb6p+0f},         // at 2^-26: pi/2 as two parts
    {0x1.333334p-2f, 0x1.441f5ep+0f},   // 0.3
    {-0x1.666666p-1f, 0x1.2c5014p+1f},  // -0.7
    {0x1.fffffep-1f, 0x1.6a09e6p-12f},  // just below 1
    {1.0f, 0.0f},
    {-1.0f, 0x1.921fb6p+1f},
};

TEST(ArcCosine, GivesTheBitsOfTheReferenceLibrary) {
    for (const Case& c : CASES) {
        EXPECT_EQ(std::bit_cast<std::uint32_t>(arc_cosine(c.x)), std::bit_cast<std::uint32_t>(c.expected))
            << std::hexfloat << c.x << " gave " << arc_cosine(c.x);
    }
}

TEST(ArcCosine, IsNotANumberOutsideItsDomain) {
    EXPECT_TRUE(std::isnan(arc_cosine(0x1.000002p+0f)));
    EXPECT_TRUE(std::isnan(arc_cosine(-2.0f)));
    EXPECT_TRUE(std::isnan(arc_cosine(std::nanf(""))));
}

}  // namespace
}  // namespace sferonda
