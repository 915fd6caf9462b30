// The number conversions that stand in where the library lacks them
// (platform/charconv.hpp) against the library's own, on the texts where
// they could part: halfway cases, long mantissas, subnormals, the edges of
// the range, and random decimals and floats.

#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <random>
#include <string>

#include "platform/charconv.hpp"

namespace sferonda {
namespace {

template <typename T>
void expect_same_reading(const std::string& text) {
    SCOPED_TRACE(text);
    const char* last = text.data() + text.size();
    T expected = 7, got = 7;
    const auto library = std::from_chars(text.data(), last, expected);
    const auto standin = charconv_standin::from_chars(text.data(), last, got);
    EXPECT_EQ(standin.ec, library.ec);
    EXPECT_EQ(standin.ptr, library.ptr);
    EXPECT_EQ(std::memcmp(&got, &expected, sizeof got), 0) << got << " " << expected;
}

void expect_same_reading_both(const std::string& text) {
    expect_same_reading<float>(text);
    expect_same_reading<double>(text);
}

TEST(CharconvStandin, ReadsTheHardTextsAsTheLibraryDoes) {
    const char* const texts[] = {
        // halfway between two floats and just beside it: 2^24 + 1, 1 + 2^-24, 2^53 + 1
        "16777217", "16777217.000000000000000000001", "16777216.999999999999999999999", "1.000000059604644775390625",
        "9007199254740993", "9007199254740993.00000000000000000000000001", "9007199254740992.9999999999999999999",
        // 20 and more digits
        "12345678901234567890", "0.123456789012345678901234567890e5", "3.14159265358979323846264338327950288",
        // subnormals and the smallest ones' halves
        "1e-45", "1.4e-45", "7e-46", "7.006492321624085e-46", "1.1754942e-38", "4.9406564584124654e-324",
        "2.4703282292062327e-324", "2.4703282292062328e-324", "2.2250738585072011e-308", "1e-400", "-1e-400",
        // the overflow edge
        "3.4028235e38", "3.40282356779733661637539395458142568e38", "3.4028236e38", "1.7976931348623157e308",
        "1.7976931348623158e308", "1.797693134862315807e308", "1e309", "-1e309",
        // plain values, signs and the words
        "0", "-0", "1", "-2.5", "0.1", "100e-2", "inf", "-inf", "nan", "-nan",
    };
    for (const char* text : texts) expect_same_reading_both(text);
}

TEST(CharconvStandin, ReadsRandomDecimalsAsTheLibraryDoes) {
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 200000; ++i) {
        std::string text = random() % 2 ? "-" : "";
        const int digits = 1 + static_cast<int>(random() % 25);
        for (int d = 0; d < digits; ++d) text += static_cast<char>('0' + random() % 10);
        text += 'e';
        text += std::to_string(static_cast<int>(random() % 700) - 350);
        expect_same_reading_both(text);
    }
}

TEST(CharconvStandin, WritesRandomFloatsAsTheLibraryDoes) {
    std::mt19937 random(20261209);
    for (int i = 0; i < 300000; ++i) {
        const float value = charconv_standin::bit_cast<float>(static_cast<std::uint32_t>(random()));
        for (const auto format : {std::chars_format::fixed, std::chars_format::scientific}) {
            const int precision = static_cast<int>(random() % 12);
            char expected[160], got[160];
            const auto library = std::to_chars(expected, expected + sizeof expected, value, format, precision);
            const auto standin = charconv_standin::to_chars(got, got + sizeof got, value, format, precision);
            ASSERT_EQ(std::string(got, standin.ptr), std::string(expected, library.ptr)) << precision;
        }
    }
}

}  // namespace
}  // namespace sferonda
