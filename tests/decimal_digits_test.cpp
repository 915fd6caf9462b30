// Exact decimal digits of floats, worked by hand: the binary value of each
// float is written out, scaled and rounded, ties to even.

#include "records/decimal_digits.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace sferonda {
namespace {

struct ScaledCase {
    float value;
    int power;
    std::uint64_t rounded;
};

TEST(DecimalDigits, ScaledValuesRoundOnceTiesToEven) {
    const ScaledCase cases[] = {
        {0.0625f, 3, 62},      // 62.5: a tie, to the even 62
        {0.1875f, 3, 188},     // 187.5: a tie, to the even 188
        {0.3125f, 3, 312},     // 312.5: to 312
        {-2.5f, 0, 2},         // the magnitude only; 2.5 to 2
        {3.5f, 0, 4},
        {0.1f, 3, 100},        // 0.100000001490116...: just above 100
        {0.3f, 1, 3},          // 3.00000011920928955...: down to 3
        {0.7f, 1, 7},          // 6.99999988079071044...: up to 7
        {1e-20f, 3, 0},        // far below half a unit
        {0.0f, 3, 0},
        {16777216.0f, 2, 1677721600},
        {1e-3f, 17, 100000004749745},  // 1e-3 is 0.001000000047497451305389404296875
    };
    for (const ScaledCase& c : cases) {
        SCOPED_TRACE(c.value);
        std::uint64_t rounded = 99;
        ASSERT_TRUE(scaled_rounded(c.value, c.power, rounded));
        EXPECT_EQ(rounded, c.rounded);
    }
}

TEST(DecimalDigits, ResultsBeyondTheIntegersAreLeftToTheCaller) {
    std::uint64_t rounded = 0;
    EXPECT_FALSE(scaled_rounded(3e38f, 3, rounded));   // far beyond 64 bits
    EXPECT_FALSE(scaled_rounded(1.0f, 30, rounded));   // 5^30 is no 64-bit factor
    std::uint64_t significand = 0;
    int exponent = 0;
    // 2^-126, the smallest normal float, needs 10^42 for five digits.
    EXPECT_FALSE(significant_digits(1.17549435e-38f, 5, significand, exponent));
}

struct SignificantCase {
    float value;
    int digits;
    std::uint64_t significand;
    int exponent;
};

TEST(DecimalDigits, SignificantDigitsAndTheirExponent) {
    const SignificantCase cases[] = {
        {0.890625f, 5, 89062, 0},    // 0.890625: a tie, to the even 89062
        {0.953125f, 5, 95312, 0},
        {999995.0f, 5, 10000, 7},    // a tie rounding up to 10^5: the exponent moves on
        {999994.0f, 5, 99999, 6},
        {100005.0f, 5, 10000, 6},    // a tie, to the even 10000
        {100015.0f, 5, 10002, 6},    // a tie, to the even 10002
        {1.0f, 1, 1, 1},
        {-7.0f, 5, 70000, 1},
        {9.5f, 1, 1, 2},             // 9.5 to the even 10: 0.1E+02
        {8.5f, 1, 8, 1},
        {1e20f, 5, 10000, 21},       // 100000002004087734272
    };
    for (const SignificantCase& c : cases) {
        SCOPED_TRACE(c.value);
        std::uint64_t significand = 0;
        int exponent = 0;
        ASSERT_TRUE(significant_digits(c.value, c.digits, significand, exponent));
        EXPECT_EQ(significand, c.significand);
        EXPECT_EQ(exponent, c.exponent);
    }
}

TEST(DecimalDigits, WriteDigitsKeepsLeadingZeros) {
    char out[12] = {};
    write_digits(out, 42, 5);
    EXPECT_EQ(std::string(out, 5), "00042");
    write_digits(out, 12345678901ULL, 11);  // beyond 32 bits
    EXPECT_EQ(std::string(out, 11), "12345678901");
    write_digits(out, 987, 2);  // the last digits only
    EXPECT_EQ(std::string(out, 2), "87");
}

}  // namespace
}  // namespace sferonda
