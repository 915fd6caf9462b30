// The shortest text of a float against std::to_chars on the floats where
// the choices turn; scripts/verify-field-formats.sh compares every float.

#include "records/shortest_digits.hpp"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace sferonda {
namespace {

std::string shortest(float value) {
    char text[SHORTEST_BUFFER_SIZE];
    return {text, write_shortest(text, value)};
}

TEST(ShortestDigits, WorkedCases) {
    const std::pair<float, const char*> cases[] = {
        {0.0400390625f, "0.040039062"},     // 41/1024: nine digits end in a tie, to the even 2
        {1.06640625f, "1.0664062"},         // a tie again
        {0.0001234f, "0.0001234"},          // nine characters either way: fixed
        {1e-4f, "1e-04"},                   // "0.0001" is one longer
        {1099511627776.0f, "1099511627776"},  // 2^40: thirteen either way, fixed, every digit
        {1e10f, "1e+10"},
        {16777216.0f, "16777216"},
        {-0.0f, "-0"},
        {-std::numeric_limits<float>::infinity(), "-inf"},
        {-std::numeric_limits<float>::quiet_NaN(), "-nan"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(shortest(value), text);
}

TEST(ShortestDigits, AsToCharsWhereTheChoicesTurn) {
    std::vector<float> values{std::numeric_limits<float>::max(), std::numeric_limits<float>::denorm_min(),
                              std::numeric_limits<float>::min(), std::nextafter(std::numeric_limits<float>::min(), 0.0f),
                              std::numeric_limits<float>::quiet_NaN(), 0.0f, 1e-5f, 123456.7f};
    for (int power = -149; power < 128; ++power) {  // the lopsided intervals
        const float two = std::ldexp(1.0f, power);
        values.insert(values.end(), {two, std::nextafter(two, 0.0f), std::nextafter(two, INFINITY)});
    }
    for (int power = -45; power <= 38; ++power) {  // where fixed and scientific change places
        const float ten = std::strtof(("1e" + std::to_string(power)).c_str(), nullptr);
        values.insert(values.end(), {ten, std::nextafter(ten, 0.0f), 1.5f * ten, 1.2345679f * ten});
    }
    for (float value : values) {
        for (float signed_value : {value, -value}) {
            char expected[64];
            const std::string text(expected, std::to_chars(expected, expected + sizeof expected, signed_value).ptr);
            EXPECT_EQ(shortest(signed_value), text) << std::hexfloat << signed_value;
        }
    }
}

}  // namespace
}  // namespace sferonda
