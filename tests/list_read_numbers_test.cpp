// Reals at the edges of the reader's direct conversion: digits making an
// integer below 2^24 and a power of ten of at most 10 either way are one
// single-precision division or multiplication; everything past those edges
// takes the general conversion. Both sides must give the nearest float.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "records/list_read.hpp"
#include "records/units.hpp"

namespace sferonda {
namespace {

constexpr int UNIT = 4;

struct EdgeCase {
    const char* text;
    float expected;  // the literal: the compiler rounds it to the nearest float
};

TEST(ShortReals, GiveTheNearestFloatOnBothSidesOfTheDirectConversion) {
    const EdgeCase cases[] = {
        {"16777215", 16777215.0f},           // digits just below 2^24: direct
        {"1677721.5", 1677721.5f},
        {"16777216", 16777216.0f},           // 2^24 digits: general
        {"16777217", 16777216.0f},           // a tie, to the even 2^24
        {"16777219", 16777220.0f},           // a tie, to the even 2^24 + 4
        {"0.1", 0.1f},
        {"-0.3", -0.3f},
        {"1.865", 1.865f},
        {"1e10", 1e10f},                     // the largest direct power
        {"1e11", 1e11f},                     // 10^11 is no float: general
        {"12345678e-10", 12345678e-10f},     // the smallest direct power
        {"1.5e-10", 1.5e-10f},               // 15 times 10^-11: general
        {"0.0000000001", 1e-10f},
        {"0.000000000001", 1e-12f},
        {"9999999.9", 9999999.9f},           // 99999999 digits: general
        {"3.3333333", 3.3333333f},
        {"2.5D3", 2500.0f},
        {"+7.25d-1", 0.725f},
        {"1e007", 1e7f},
    };
    for (const EdgeCase& edge : cases) {
        SCOPED_TRACE(edge.text);
        attach_input_text(UNIT, std::string(edge.text) + "\n", "numbers.dat");
        float value = -1.0f;
        read_list_or_fail(UNIT, {value});
        EXPECT_EQ(value, edge.expected);
    }
}

TEST(ShortReals, NegativeZeroKeepsItsSign) {
    for (const char* text : {"-0", "-0.0", "-0.000E5"}) {
        SCOPED_TRACE(text);
        attach_input_text(UNIT, std::string(text) + "\n", "numbers.dat");
        float value = 1.0f;
        read_list_or_fail(UNIT, {value});
        EXPECT_EQ(value, 0.0f);
        EXPECT_TRUE(std::signbit(value));
    }
}

// A number directly followed by a repeat mark, a quote or a letter is not a
// plain number: the general steps read it, as a repeat count or as an error.
TEST(ShortReals, NumbersRunIntoOtherCharactersTakeTheGeneralSteps) {
    attach_input_text(UNIT, "2*1.5 4,5/6\n", "numbers.dat");
    float a = 0, b = 0, c = 0, d = 0, e = -1;
    read_list_or_fail(UNIT, {a, b, c, d, e});
    EXPECT_EQ(a, 1.5f);
    EXPECT_EQ(b, 1.5f);
    EXPECT_EQ(c, 4.0f);
    EXPECT_EQ(d, 5.0f);
    EXPECT_EQ(e, -1.0f);  // the slash ended the read
}

}  // namespace
}  // namespace sferonda
