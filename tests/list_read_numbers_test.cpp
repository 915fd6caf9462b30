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

// The units these tests read from, kept for every test, as one run keeps them.
Units& test_units() {
    static Units units;
    return units;
}

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
        {"1677721.7", 1677721.7f},           // 16777217 digits: general; one rounding gives ...75
        {"18446744073709551617", 18446744073709551617.0f},  // 20 digits, beyond 64 bits
        {"00000000000000000001.5", 1.5f},    // 21 digits, leading zeros among them
    };
    for (const EdgeCase& edge : cases) {
        SCOPED_TRACE(edge.text);
        attach_input_text(test_units(), UNIT, std::string(edge.text) + "\n", "numbers.dat");
        float value = -1.0f;
        read_list_or_fail(test_units(), UNIT, {value});
        EXPECT_EQ(value, edge.expected);
    }
}

TEST(ShortReals, NegativeZeroKeepsItsSign) {
    for (const char* text : {"-0", "-0.0", "-0.000E5"}) {
        SCOPED_TRACE(text);
        attach_input_text(test_units(), UNIT, std::string(text) + "\n", "numbers.dat");
        float value = 1.0f;
        read_list_or_fail(test_units(), UNIT, {value});
        EXPECT_EQ(value, 0.0f);
        EXPECT_TRUE(std::signbit(value));
    }
}

// A number directly followed by a repeat mark, a quote or a letter is not a
// plain number: the general steps read it, as a repeat count or as an error.
TEST(ShortReals, NumbersRunIntoOtherCharactersTakeTheGeneralSteps) {
    attach_input_text(test_units(), UNIT, "2*1.5 4,5/6\n", "numbers.dat");
    float a = 0, b = 0, c = 0, d = 0, e = -1;
    read_list_or_fail(test_units(), UNIT, {a, b, c, d, e});
    EXPECT_EQ(a, 1.5f);
    EXPECT_EQ(b, 1.5f);
    EXPECT_EQ(c, 4.0f);
    EXPECT_EQ(d, 5.0f);
    EXPECT_EQ(e, -1.0f);  // the slash ended the read
}

// A line is first tried as plain numbers separated by blanks and tabs only;
// whatever else turns up part way, the general steps read the line again
// from its start, and the values come out as if they alone had read it.
struct HandOverCase {
    const char* text;
    std::int32_t index;
    float x, y, z;
    std::int32_t next_line_index;  // the following read's value: the read ended where it should
};

TEST(PlainLines, AnythingElsePartWayGivesTheSameValuesAsTheGeneralSteps) {
    constexpr float KEPT = -7.0f;
    const HandOverCase cases[] = {
        {"3 1.5 -2.25 0.125\n9\n", 3, 1.5f, -2.25f, 0.125f, 9},
        {"3\t1.5  -2.25 0.125  trailing words\n9\n", 3, 1.5f, -2.25f, 0.125f, 9},
        {"3 1.5 -2.25 0.125\r\n9\n", 3, 1.5f, -2.25f, 0.125f, 9},
        {"3 1.5,-2.25 0.125\n9\n", 3, 1.5f, -2.25f, 0.125f, 9},      // a comma after a value
        {"3 1.5 ,, 0.125\n9\n", 3, 1.5f, KEPT, 0.125f, 9},           // a null value
        {"3 1.5 -2.25 /\n9\n", 3, 1.5f, -2.25f, KEPT, 9},            // a slash ends the read
        {"3 2*1.5 0.125\n9\n", 3, 1.5f, 1.5f, 0.125f, 9},            // a repeat count
        {"3 1.5\n-2.25\n0.125 8\n9\n", 3, 1.5f, -2.25f, 0.125f, 9}, // over three lines
        {"3 1.5 -2.25 1.0000000001\n9\n", 3, 1.5f, -2.25f, 1.0f, 9}, // a long form
        {"3 1.5 -2.25 1.5e-20\n9\n", 3, 1.5f, -2.25f, 1.5e-20f, 9},
        {"3.9 1.5 -2.25 0.125\n9\n", 3, 1.5f, -2.25f, 0.125f, 9},    // an integer in real form
        {"3 1 -2 2147483647\n9\n", 3, 1.0f, -2.0f, 2147483647.0f, 9},
    };
    for (const HandOverCase& line : cases) {
        SCOPED_TRACE(line.text);
        attach_input_text(test_units(), UNIT, line.text, "numbers.dat");
        std::int32_t index = -1, next_line_index = -1;
        float x = KEPT, y = KEPT, z = KEPT;
        read_list_or_fail(test_units(), UNIT, {index, x, y, z});
        read_list_or_fail(test_units(), UNIT, {next_line_index});
        EXPECT_EQ(index, line.index);
        EXPECT_EQ(x, line.x);
        EXPECT_EQ(y, line.y);
        EXPECT_EQ(z, line.z);
        EXPECT_EQ(next_line_index, line.next_line_index);
    }
}

}  // namespace
}  // namespace sferonda
