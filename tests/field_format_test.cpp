#include "records/field_format.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>

namespace sferonda {
namespace {

constexpr float FLOAT_INF = std::numeric_limits<float>::infinity();
constexpr float FLOAT_NAN = std::numeric_limits<float>::quiet_NaN();
constexpr float SMALLEST_FLOAT = std::numeric_limits<float>::denorm_min();
constexpr float LARGEST_FLOAT = std::numeric_limits<float>::max();
constexpr char GUARD = '#';

// Runs `format` on a buffer with a guard character on each side, checks that
// exactly `width` characters were written, and returns them.
std::string render(int width, const std::function<void(char*)>& format) {
    std::string buffer(static_cast<std::size_t>(width) + 2, GUARD);
    format(buffer.data() + 1);
    EXPECT_EQ(buffer.front(), GUARD) << "wrote before the field";
    EXPECT_EQ(buffer.back(), GUARD) << "wrote after the field";
    std::string field = buffer.substr(1, static_cast<std::size_t>(width));
    EXPECT_EQ(field.find(GUARD), std::string::npos) << "left part of the field unwritten";
    return field;
}

struct TextCase {
    int width;
    std::string_view text;
    std::string_view expected;
};

TEST(TextField, FitsPadsOrCuts) {
    const TextCase cases[] = {
        {1, "x",          "x"},
        {5, "ab",         "   ab"},
        {3, "abcdef",     "abc"},
        {6, "a b   ",     "a b   "},
        {4, "",           "    "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(render(c.width, [&](char* out) { format_text_field(out, c.width, c.text); }),
                  c.expected) << "A" << c.width << " of '" << c.text << "'";
    }
}

TEST(TextField, LongFieldsKeepTrailingBlanks) {
    const std::string line = "Model" + std::string(145, ' ');
    EXPECT_EQ(render(150, [&](char* out) { format_text_field(out, 150, line); }), line);
    const std::string name = "beads.dat" + std::string(21, ' ');
    EXPECT_EQ(render(30, [&](char* out) { format_text_field(out, 30, name); }), name);
}

// Blanks are written in runs of words that overlap: every count of them, from
// none to beyond two words, must fill exactly the columns before the text.
TEST(TextField, BlanksOfEveryCountFillTheirColumnsExactly) {
    for (int width = 1; width <= 40; ++width) {
        const std::string expected = std::string(static_cast<std::size_t>(width - 1), ' ') + "x";
        EXPECT_EQ(render(width, [&](char* out) { format_text_field(out, width, "x"); }), expected) << "A" << width;
    }
}

struct IntegerCase {
    int width;
    int min_digits;
    std::int32_t value;
    std::string_view expected;
};

TEST(IntegerField, PlainAndMinimumDigits) {
    constexpr std::int32_t INT_MIN32 = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t INT_MAX32 = std::numeric_limits<std::int32_t>::max();
    const IntegerCase cases[] = {
        { 5, 0,          0, "    0"},
        { 7, 0,          1, "      1"},
        { 1, 0,          0, "0"},
        { 1, 0,         -1, "*"},
        { 1, 0,         12, "*"},
        { 2, 0,          7, " 7"},
        { 2, 0,         -5, "-5"},
        { 2, 0,        -10, "**"},
        { 4, 1,       1234, "1234"},
        { 4, 0,       -123, "-123"},
        { 4, 0,      12345, "****"},
        { 6, 0,     -42000, "-42000"},
        { 5, 5,          0, "00000"},
        { 5, 5,          7, "00007"},
        { 5, 5,        123, "00123"},
        { 5, 5,      99999, "99999"},
        { 5, 5,     100000, "*****"},
        { 5, 5,         -1, "*****"},
        { 6, 3,         -7, "  -007"},
        {12, 0,  INT_MIN32, " -2147483648"},
        {12, 0,  INT_MAX32, "  2147483647"},
        {11, 0,  INT_MIN32, "-2147483648"},
        {10, 0,  INT_MIN32, "**********"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(render(c.width, [&](char* out) {
                      format_integer_field(out, c.width, c.min_digits, c.value);
                  }),
                  c.expected) << "I" << c.width << "." << c.min_digits << " of " << c.value;
    }
}

struct RealCase {
    int width;
    int decimals;
    float value;
    std::string_view expected;
};

TEST(FixedField, RoundsOnceTiesToEven) {
    const RealCase cases[] = {
        {9, 3,     0.0625f, "    0.062"},
        {9, 3,     2.0625f, "    2.062"},
        {9, 3,     0.1875f, "    0.188"},
        {8, 3,    99.9995f, "  99.999"},   // the float lies just below the tie
        {8, 3,     9.9995f, "  10.000"},   // the float lies just above the tie: carry
        {8, 3,   999.9996f, "1000.000"},
        {5, 0,        2.5f, "   2."},
        {5, 0,        3.5f, "   4."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(render(c.width, [&](char* out) {
                      format_fixed_field(out, c.width, c.decimals, c.value);
                  }),
                  c.expected) << "F" << c.width << "." << c.decimals << " of " << c.value;
    }
}

TEST(FixedField, SignZeroAndWidthLimits) {
    const float largest_in_f9 = std::nextafter(100000.0f, 0.0f);  // 99999.9921875
    const RealCase cases[] = {
        {8, 3,        1.5f, "   1.500"},
        {8, 3,      -0.25f, "  -0.250"},
        {8, 3,    -0.0004f, "   0.000"},
        {8, 3,    -0.0006f, "  -0.001"},
        {8, 3,       -0.0f, "   0.000"},
        {8, 3,   -999.999f, "-999.999"},
        {8, 3,    -1000.0f, "********"},
        {8, 3,  -999.9996f, "********"},   // rounds to -1000.000
        {8, 3,   9999.999f, "9999.999"},
        {8, 3,    10000.0f, "********"},
        {9, 3,        0.5f, "    0.500"},
        {9, 3, -9999.999f,  "-9999.999"},
        {9, 3,   -10000.0f, "*********"},
        {9, 3, largest_in_f9, "99999.992"},
        {9, 3,   100000.0f, "*********"},
        {8, 3, LARGEST_FLOAT, "********"},
        {50, 3, LARGEST_FLOAT, "       340282346638528859811704183484516925440.000"},
        {50, 3, -LARGEST_FLOAT, "      -340282346638528859811704183484516925440.000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(render(c.width, [&](char* out) {
                      format_fixed_field(out, c.width, c.decimals, c.value);
                  }),
                  c.expected) << "F" << c.width << "." << c.decimals << " of " << c.value;
    }
}

TEST(FixedField, LeadingZeroGivesWayInNarrowFields) {
    const RealCase cases[] = {
        {6, 3,       -0.5f, "-0.500"},
        {5, 3,       -0.5f, "-.500"},
        {4, 3,       -0.5f, "****"},
        {5, 3,        0.5f, "0.500"},
        {4, 3,        0.5f, ".500"},
        {3, 3,        0.5f, "***"},
        {4, 3,    -0.0004f, ".000"},
        {5, 3,    -0.0004f, "0.000"},
        {3, 0,       0.4f,  " 0."},
        {1, 0,       0.4f,  "."},
        {3, 0,      -0.6f,  "-1."},
        {2, 0,      -0.6f,  "**"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(render(c.width, [&](char* out) {
                      format_fixed_field(out, c.width, c.decimals, c.value);
                  }),
                  c.expected) << "F" << c.width << "." << c.decimals << " of " << c.value;
    }
}

TEST(ExponentField, FractionDigitsAndExponent) {
    const RealCase cases[] = {
        {13, 5,          1.0f, "  0.10000E+01"},
        {13, 5,     -123.456f, " -0.12346E+03"},
        {13, 5,     0.001234f, "  0.12340E-02"},
        {13, 5,          0.0f, "  0.00000E+00"},
        {13, 5,         -0.0f, "  0.00000E+00"},
        {13, 5,      1.03125f, "  0.10312E+01"},   // exact tie kept at the even digit
        {13, 5,      99999.5f, "  0.10000E+06"},   // tie rounds up to even, carries
        {13, 5,   0.9999995f,  "  0.10000E+01"},
        {13, 5,     99.9995f,  "  0.99999E+02"},   // the float lies just below the tie
        {13, 5, SMALLEST_FLOAT, "  0.14013E-44"},
        {13, 5, -SMALLEST_FLOAT, " -0.14013E-44"},
        {13, 5, LARGEST_FLOAT, "  0.34028E+39"},
        {11, 5,          1.0f, "0.10000E+01"},
        {11, 5,         -1.0f, "***********"},
        {10, 5,          1.0f, "**********"},
        { 8, 1,         -0.5f, "-0.5E+00"},
        { 8, 1,         0.96f, " 0.1E+01"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(render(c.width, [&](char* out) {
                      format_exponent_field(out, c.width, c.decimals, c.value);
                  }),
                  c.expected) << "E" << c.width << "." << c.decimals << " of " << c.value;
    }
}

// Values come back again and again (every connector repeats its beads'
// centres): a repeated value must give the field of its own width and digits.
TEST(ExponentField, SameValueInTurnWithOtherWidthsAndDigits) {
    const RealCase cases[] = {
        {13, 5, 0.1875f, "  0.18750E+00"},
        {13, 3, 0.1875f, "    0.188E+00"},   // exact tie 0.187|5 goes to the even 8
        {13, 2, 0.1875f, "     0.19E+00"},
        {12, 5, 0.1875f, " 0.18750E+00"},
        { 9, 3, 0.1875f, "0.188E+00"},
        {10, 5, 0.1875f, "**********"},
        {13, 5, 0.1875f, "  0.18750E+00"},
        {13, 4, 0.1875f, "   0.1875E+00"},
    };
    for (int round = 1; round <= 2; ++round) {
        for (const auto& c : cases) {
            EXPECT_EQ(render(c.width, [&](char* out) {
                          format_exponent_field(out, c.width, c.decimals, c.value);
                      }),
                      c.expected) << "E" << c.width << "." << c.decimals << " of " << c.value << ", round " << round;
        }
    }
}

// E13.5 of a whole number below a million, worked in integers: six digits
// round to five, an exact tie to the even digit.
std::string integer_in_e13_5(std::int32_t whole) {
    std::string digits = std::to_string(whole);
    int exponent = static_cast<int>(digits.size());
    if (digits.size() == 6) {
        std::int32_t kept = whole / 10;
        const std::int32_t dropped = whole % 10;
        if (dropped > 5 || (dropped == 5 && kept % 2 == 1)) ++kept;
        digits = std::to_string(kept);
        if (digits.size() == 6) {  // 99999|5 and above carry into a seventh digit
            digits.pop_back();
            ++exponent;
        }
    }
    digits.resize(5, '0');
    return "  0." + digits + "E+0" + std::to_string(exponent);
}

// More different values than any table of recent fields has slots, so that
// many share a slot; each is formatted twice, in two sweeps.
TEST(ExponentField, ManyDifferentValuesEachGetTheirOwnField) {
    constexpr std::int32_t LAST = 300000;
    int wrong = 0;
    for (int sweep = 1; sweep <= 2; ++sweep) {
        for (std::int32_t whole = 1; whole <= LAST; ++whole) {
            char field[13];
            format_exponent_field(field, 13, 5, static_cast<float>(whole));
            if (std::string_view(field, 13) != integer_in_e13_5(whole) && ++wrong <= 5) {
                ADD_FAILURE() << "E13.5 of " << whole << " gave \"" << std::string_view(field, 13)
                              << "\", sweep " << sweep;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST(ExponentField, WholeNumbersWorkedInIntegers) {
    // The worked rule itself, on the cases where it rounds.
    EXPECT_EQ(integer_in_e13_5(7), "  0.70000E+01");
    EXPECT_EQ(integer_in_e13_5(123456), "  0.12346E+06");
    EXPECT_EQ(integer_in_e13_5(100005), "  0.10000E+06");
    EXPECT_EQ(integer_in_e13_5(100015), "  0.10002E+06");
    EXPECT_EQ(integer_in_e13_5(999995), "  0.10000E+07");
}

enum class RealField { fixed, exponent };

struct NonFiniteCase {
    RealField field;
    int width;
    int decimals;
    float value;
    std::string_view expected;
};

TEST(RealFields, NotANumberAndInfinity) {
    const NonFiniteCase cases[] = {
        {RealField::fixed,     8, 3,  FLOAT_INF, " Infinit"},
        {RealField::fixed,     8, 3, -FLOAT_INF, " -Infini"},
        {RealField::fixed,     9, 3,  FLOAT_INF, " Infinity"},
        {RealField::fixed,     9, 3, -FLOAT_INF, " -Infinit"},
        {RealField::exponent, 13, 5,  FLOAT_INF, " Infinity    "},
        {RealField::exponent, 13, 5, -FLOAT_INF, " -Infinity   "},
        {RealField::fixed,     8, 3,  FLOAT_NAN, " NaN    "},
        {RealField::exponent, 13, 5,  FLOAT_NAN, " NaN         "},
        {RealField::fixed,     3, 1,  FLOAT_NAN, "NaN"},
        {RealField::fixed,     2, 1,  FLOAT_NAN, "**"},
        {RealField::fixed,     2, 1,  FLOAT_INF, " I"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(render(c.width, [&](char* out) {
                      if (c.field == RealField::fixed) {
                          format_fixed_field(out, c.width, c.decimals, c.value);
                      } else {
                          format_exponent_field(out, c.width, c.decimals, c.value);
                      }
                  }),
                  c.expected) << "width " << c.width << " of " << c.value;
    }
}

}  // namespace
}  // namespace sferonda
