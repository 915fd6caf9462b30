#include "records/list_read.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "records/line_source.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"
#include "tests/support/scratch.hpp"

namespace sferonda {
namespace {

// The units these tests read from, kept for every test, as one run keeps them.
Units& test_units() {
    static Units units;
    return units;
}

constexpr int UNIT = 4;
constexpr std::int32_t UNTOUCHED = -99;

void serve(std::string text) { attach_input_text(test_units(), UNIT, std::move(text), "list_read_test.dat"); }

template <typename Read>
int status_of(Read read) {
    try {
        read();
    } catch (const RunEnded& ended) {
        return ended.status;
    }
    return 0;
}

std::int32_t next_integer() {
    std::int32_t value = UNTOUCHED;
    read_list_or_fail(test_units(), UNIT, {value});
    return value;
}

// --- separators, nulls, slashes, repeat counts -------------------------------

TEST(ListRead, ValuesOnOneLineOrSpreadOverLines) {
    for (const char* text : {"3 4.5, 7\n99\n", "3\n4.5\n7\n99\n", "\t3\t4.5\t,\t7 \n99\n",
                             "\n   \n3 4.5\n\n7\n99\n"}) {
        SCOPED_TRACE(text);
        serve(text);
        std::int32_t first = 0, third = 0;
        float second = 0;
        EXPECT_TRUE(read_list(test_units(), UNIT, {first, second, third}));
        EXPECT_EQ(first, 3);
        EXPECT_EQ(second, 4.5f);
        EXPECT_EQ(third, 7);
        EXPECT_EQ(next_integer(), 99);
    }
}

TEST(ListRead, EachReadStartsOnTheNextLine) {
    serve("1 2 3 4\n5 6\n");
    std::int32_t a = 0, b = 0;
    read_list_or_fail(test_units(), UNIT, {a, b});
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(next_integer(), 5);
}

struct NullCase {
    const char* text;
    std::int32_t a, b, c;
    std::int32_t next_line_value;
};

TEST(ListRead, NullValuesSlashesAndRepeatCounts) {
    const NullCase cases[] = {
        {"1,,3\n9\n", 1, UNTOUCHED, 3, 9},
        {"1 , , 3\n9\n", 1, UNTOUCHED, 3, 9},
        {",2,3\n9\n", UNTOUCHED, 2, 3, 9},
        {",,3\n9\n", UNTOUCHED, UNTOUCHED, 3, 9},
        {"1,\n,3\n9\n", 1, UNTOUCHED, 3, 9},
        {"1,\n3 4\n9\n", 1, 3, 4, 9},
        {"5 / 6\n9\n", 5, UNTOUCHED, UNTOUCHED, 9},
        {"5,/6\n9\n", 5, UNTOUCHED, UNTOUCHED, 9},
        {"5/\n9\n", 5, UNTOUCHED, UNTOUCHED, 9},
        {"/ 1 2 3\n9\n", UNTOUCHED, UNTOUCHED, UNTOUCHED, 9},
        {"2* 7\n9\n", UNTOUCHED, UNTOUCHED, 7, 9},
        {"2*,7\n9\n", UNTOUCHED, UNTOUCHED, 7, 9},
        {"1 2*\n7\n9\n", 1, UNTOUCHED, UNTOUCHED, 7},
        {"3*4\n9\n", 4, 4, 4, 9},
        {"2*4 5\n9\n", 4, 4, 5, 9},
        {"5*4 5\n9\n", 4, 4, 4, 9},
        {"1 2*3 4\n9\n", 1, 3, 3, 9},
        {"1 4*\n9\n", 1, UNTOUCHED, UNTOUCHED, 9},
        {"2*\n/\n9\n", UNTOUCHED, UNTOUCHED, UNTOUCHED, 9},
    };
    for (const NullCase& test : cases) {
        SCOPED_TRACE(test.text);
        serve(test.text);
        std::int32_t a = UNTOUCHED, b = UNTOUCHED, c = UNTOUCHED;
        EXPECT_TRUE(read_list(test_units(), UNIT, {a, b, c}));
        EXPECT_EQ(a, test.a);
        EXPECT_EQ(b, test.b);
        EXPECT_EQ(c, test.c);
        EXPECT_EQ(next_integer(), test.next_line_value);
    }
}

TEST(ListRead, RepeatedValueIsConvertedForEachVariable) {
    serve("2*1.5\n3*2\n");
    float x = 0, y = 0;
    read_list_or_fail(test_units(), UNIT, {x, y});
    EXPECT_EQ(x, 1.5f);
    EXPECT_EQ(y, 1.5f);
    std::int32_t i = 0;
    float r = 0;
    Name n = make_name("old");
    read_list_or_fail(test_units(), UNIT, {i, r, n});
    EXPECT_EQ(i, 2);
    EXPECT_EQ(r, 2.0f);
    EXPECT_EQ(n, make_name("2"));
}

TEST(ListRead, LoneRepeatCountLeavesBothVariablesUnchanged) {
    serve("2*\n");
    float x = 8.25f;
    std::int32_t k = 17;
    EXPECT_TRUE(read_list(test_units(), UNIT, {x, k}));
    EXPECT_EQ(x, 8.25f);
    EXPECT_EQ(k, 17);
}

TEST(ListRead, ZeroRepeatCountIsASyntaxError) {
    serve("0*5\n");
    std::int32_t k = 0;
    EXPECT_EQ(status_of([&] { read_list_or_fail(test_units(), UNIT, {k}); }), 59);
}

// --- integers ----------------------------------------------------------------

struct IntegerCase {
    const char* text;
    std::int32_t expected;
};

TEST(ListRead, IntegerForms) {
    const IntegerCase cases[] = {
        {"42", 42},
        {"+12", 12},
        {"-7", -7},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"3.0", 3},
        {"3.7", 3},
        {"-3.7", -3},
        {"-0.5", 0},
        {".9", 0},
        {"5.", 5},
        {"1E2", 100},
        {"1e2", 100},
        {"1D2", 100},
        {"2.5d+1", 25},
        {"1234E-2", 12},
        {"2147483647.9", 2147483647},
        {"-2147483648.9", std::numeric_limits<std::int32_t>::min()},
        {"1e-400", 0},
    };
    for (const IntegerCase& test : cases) {
        SCOPED_TRACE(test.text);
        serve(std::string(test.text) + "\n");
        EXPECT_EQ(next_integer(), test.expected);
    }
}

TEST(ListRead, UnreadableIntegersAreConversionErrors) {
    for (const char* text : {"word", "2147483648", "-2147483649", "99999999999999999999", "1E10",
                             "-3E9", "1e400", "1+5", "--1", "+-1", "'7'", "\"7\"", "1E", "1e+", ".",
                             "-", "1.5.2", "3x", "0x10", "E5", "inf", "nan"}) {
        SCOPED_TRACE(text);
        serve(std::string(text) + "\n");
        EXPECT_EQ(status_of([] { next_integer(); }), 64);
    }
}

// --- reals -------------------------------------------------------------------

struct RealCase {
    const char* text;
    float expected;
};

TEST(ListRead, RealFormsRoundToTheNearestFloat) {
    const RealCase cases[] = {
        {"3", 3.0f},
        {"4.5", 4.5f},
        {"-2.25", -2.25f},
        {"+0.3", 0.3f},
        {".5", 0.5f},
        {"5.", 5.0f},
        {"1.5D2", 150.0f},
        {"1.5d-1", 0.15f},
        {"2E+1", 20.0f},
        {"3.4028235e38", std::numeric_limits<float>::max()},
        // The largest float plus half its last unit is 2^128 - 2^103 =
        // 340282356779733661637539395458142568448, a tie that rounds to even,
        // away from the largest float; anything below it still rounds down.
        {"-340282356779733661637539395458142568447", -std::numeric_limits<float>::max()},
        {"3.4028235677973366E38", std::numeric_limits<float>::max()},
        {"1.4e-45", 0x1p-149f},
        {"7.1e-46", 0x1p-149f},  // just above half the smallest subnormal
        {"7e-46", 0.0f},         // just below it
        {"1e-50", 0.0f},
        // 1 + 2^-24 + about 1e-19: through a double it would land on the tie 1 + 2^-24
        // and then round to even, giving 1; the nearest float is 1 + 2^-23.
        {"1.00000005960464477550", 0x1.000002p+0f},
    };
    for (const RealCase& test : cases) {
        SCOPED_TRACE(test.text);
        serve(std::string(test.text) + "\n");
        float value = -123.0f;
        read_list_or_fail(test_units(), UNIT, {value});
        EXPECT_EQ(value, test.expected);
        EXPECT_EQ(std::signbit(value), std::signbit(test.expected));
    }
}

// Mantissas far longer than the digits that decide a rounding: only whether
// any digit after those is not zero still counts.
TEST(ListRead, LongMantissasRoundAsTheirExactValue) {
    const std::string zeros(1000, '0');
    const struct {
        std::string text;
        float expected;
    } cases[] = {
        {"1.000000059604644775390625" + zeros, 1.0f},             // 1 + 2^-24, a tie: to even
        {"1.000000059604644775390625" + zeros + "1", 0x1.000002p+0f},  // just above the tie
        {"1" + zeros + "e-1000", 1.0f},                            // integer digits past the kept ones
        {"-0." + zeros + "25E1001", -2.5f},                        // leading zeros after the point
        {"0." + zeros, 0.0f},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.text.substr(0, 40));
        serve(test.text + "\n");
        float value = -123.0f;
        read_list_or_fail(test_units(), UNIT, {value});
        EXPECT_EQ(value, test.expected);
    }
}

TEST(ListRead, TinyNegativeRealKeepsItsSign) {
    serve("-1e-50\n");
    float value = 1.0f;
    read_list_or_fail(test_units(), UNIT, {value});
    EXPECT_EQ(value, 0.0f);
    EXPECT_TRUE(std::signbit(value));
}

TEST(ListRead, UnreadableRealsAreConversionErrors) {
    for (const char* text : {"word", "1+5", "--1", ".", "'1.5'", "1.5e", "1.5E-", "e5", "1.5q",
                             "1.5.", "0x1p3", "inf", "1..5",
                             // reals that round to infinity in single precision
                             "1e39", "-1D39", "1e400", "340282356779733661637539395458142568448",
                             "-3.40282356779733661637539395458142568448E38", "0.00034028236E42"}) {
        SCOPED_TRACE(text);
        serve(std::string(text) + "\n");
        float value = 0;
        EXPECT_EQ(status_of([&] { read_list_or_fail(test_units(), UNIT, {value}); }), 64);
    }
}

// --- texts -------------------------------------------------------------------

struct TextCase {
    const char* text;
    const char* expected;
};

TEST(ListRead, TextValues) {
    const TextCase cases[] = {
        {"two words\n", "two"},
        {"'two words'\n", "two words"},
        {"\"two words\"\n", "two words"},
        {"  model.dat  \n", "model.dat"},
        {"a,b\n", "a"},
        {"'a, b/c'\n", "a, b/c"},
        {"'it''s'\n", "it's"},
        {"\"say \"\"hi\"\"\"\n", "say \"hi\""},
        {"\"it's\"\n", "it's"},
        {"ab'c\n", "ab'c"},
        {"''\n", ""},
        {"'abc\ndef'\n", "abcdef"},
        {"'abc\r\ndef'\r\n", "abcdef"},
        {"'ab\n\nc'\n", "abc"},
        {"name.dat\r\n", "name.dat"},
        {"2*x\n", "x"},
        {"abcdefghijklmnopqrstuvwxyz0123456789ABCD\n", "abcdefghijklmnopqrstuvwxyz0123"},
        {"'abcdefghijklmnopqrstuvwxyz0123456789 BCD'\n", "abcdefghijklmnopqrstuvwxyz0123"},
    };
    for (const TextCase& test : cases) {
        SCOPED_TRACE(test.text);
        serve(std::string(test.text) + "77\n");
        Name name = make_name("previous contents");
        read_list_or_fail(test_units(), UNIT, {name});
        EXPECT_EQ(as_view(name), as_view(make_name(test.expected)));
        EXPECT_EQ(next_integer(), 77);
    }
}

TEST(ListRead, SlashInAnUnquotedNameEndsTheRead) {
    serve("dir/file 5\n6\n");
    Name name = make_name("old");
    std::int32_t k = UNTOUCHED;
    EXPECT_TRUE(read_list(test_units(), UNIT, {name, k}));
    EXPECT_EQ(name, make_name("dir"));
    EXPECT_EQ(k, UNTOUCHED);
    EXPECT_EQ(next_integer(), 6);
}

std::string quoted(const std::string& body) {
    std::string text(1, '\'');
    text += body;
    text += '\'';
    return text;
}

TEST(ListRead, TextOfMoreThan2049CharactersIsASyntaxError) {
    const std::string x2049(2049, 'x');
    const std::string x2050(2050, 'x');
    // A doubled quote counts as one character, a line end inside quotes as none.
    const std::string x2048_quote = quoted(std::string(2048, 'x') + "''");
    const std::string x2050_over_two_lines = quoted(std::string(2000, 'x') + "\n" + std::string(50, 'x'));
    for (const std::string& text : {x2049, quoted(x2049), x2048_quote}) {
        serve(text + "\n");
        Name name{};
        read_list_or_fail(test_units(), UNIT, {name});
        EXPECT_EQ(as_view(name), std::string(30, 'x'));
    }
    for (const std::string& text : {x2050, quoted(x2050), x2050_over_two_lines}) {
        serve(text + "\n");
        Name name{};
        EXPECT_EQ(status_of([&] { read_list_or_fail(test_units(), UNIT, {name}); }), 59);
    }
}

TEST(ListRead, QuotedTextForANumberIsAConversionError) {
    serve("'a' 'b'\n");
    Name name{};
    std::int32_t k = 0;
    EXPECT_EQ(status_of([&] { read_list_or_fail(test_units(), UNIT, {name, k}); }), 64);
    EXPECT_EQ(name, make_name("a"));
}

// --- end of file -------------------------------------------------------------

TEST(ListRead, EndOfFileAtTheStart) {
    serve("");
    std::int32_t k = UNTOUCHED;
    EXPECT_FALSE(read_list(test_units(), UNIT, {k}));
    EXPECT_EQ(k, UNTOUCHED);
    serve("\n \n");
    EXPECT_FALSE(read_list(test_units(), UNIT, {k}));
    EXPECT_EQ(k, UNTOUCHED);
    serve("");
    EXPECT_EQ(status_of([&] { read_list_or_fail(test_units(), UNIT, {k}); }), 24);
}

TEST(ListRead, EndOfFileInTheMiddleKeepsWhatWasServed) {
    serve("1 2\n\n");
    std::int32_t a = UNTOUCHED, b = UNTOUCHED, c = UNTOUCHED;
    EXPECT_FALSE(read_list(test_units(), UNIT, {a, b, c}));
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(c, UNTOUCHED);

    serve("1 2");  // last line without a line feed
    EXPECT_EQ(status_of([&] { read_list_or_fail(test_units(), UNIT, {a, b, c}); }), 24);
}

TEST(ListRead, EndOfFileInsideAQuotedText) {
    serve("'never\nclosed\n");
    Name name = make_name("old");
    EXPECT_FALSE(read_list(test_units(), UNIT, {name}));
    EXPECT_EQ(name, make_name("old"));
}

TEST(ListRead, LastLineWithoutLineFeedIsRead) {
    serve("1\n2");
    EXPECT_EQ(next_integer(), 1);
    EXPECT_EQ(next_integer(), 2);
    std::int32_t k = UNTOUCHED;
    EXPECT_FALSE(read_list(test_units(), UNIT, {k}));
}

// --- a whole model file ------------------------------------------------------

// Lines longer than the window a file is read through: values before,
// across and after the window's edges, and the rest of a line passed over.
TEST(ListRead, LinesLongerThanTheWindowGiveEveryValue) {
    constexpr std::size_t WINDOW = LineSource::LINE_WINDOW;
    const std::string blanks(WINDOW, ' ');
    const struct {
        const char* title;
        std::string text;
    } cases[] = {
        {"blanks of two windows first", blanks + blanks + "   7 2.5\n9\n"},
        {"a value across the window's edge", std::string(WINDOW - 3, ' ') + "7 2.5\r\n9\n"},
        {"the second value across it", std::string("7").append(WINDOW - 2, ' ') + "2.5 \n9\n"},
        {"the rest of a long line passed over", std::string("7 2.5 ").append(3 * WINDOW, 'x') + "\n9\n"},
        {"a line feed right after the window", std::string("7 2.5").append(WINDOW - 5, ' ') + "\r\n9"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.title);
        testing::ScratchDirectory scratch;
        scratch.write("long.dat", test.text);
        open_old(test_units(), UNIT, scratch.file("long.dat"));
        std::int32_t first = 0, next = 0;
        float second = 0;
        read_list_or_fail(test_units(), UNIT, {first, second});
        read_list_or_fail(test_units(), UNIT, {next});
        EXPECT_EQ(first, 7);
        EXPECT_EQ(second, 2.5f);
        EXPECT_EQ(next, 9);
    }
    // A value longer than the window holds is refused, never cut in two.
    testing::ScratchDirectory scratch;
    scratch.write("long.dat", std::string("0.").append(2 * WINDOW, '0') + "1 9\n");
    open_old(test_units(), UNIT, scratch.file("long.dat"));
    float value = 0;
    EXPECT_EQ(status_of([&] { read_list_or_fail(test_units(), UNIT, {value}); }), 64);
}

TEST(ListRead, ReadsALargeModelFileLineByLine) {
    constexpr int beads = 10000;
    constexpr int connectors = 25000;
    std::string text = std::to_string(beads) + "\n";
    for (int i = 1; i <= beads; ++i) {
        text += std::to_string(i) + " " + std::to_string(i) + ".5 -0.25 1E1 0.5\r\n";
    }
    text += std::to_string(connectors) + "\n";
    for (int j = 1; j <= connectors; ++j) text += std::to_string(j) + ",1, 2 ,0.3\n";
    serve(std::move(text));

    std::int32_t count = 0, index = 0;
    read_list_or_fail(test_units(), UNIT, {count});
    ASSERT_EQ(count, beads);
    float x = 0, y = 0, z = 0, r = 0;
    for (int i = 1; i <= beads; ++i) {
        read_list_or_fail(test_units(), UNIT, {index, x, y, z, r});
        ASSERT_EQ(index, i);
        ASSERT_EQ(x, static_cast<float>(i) + 0.5f);
    }
    EXPECT_EQ(y, -0.25f);
    EXPECT_EQ(z, 10.0f);
    EXPECT_EQ(r, 0.5f);
    read_list_or_fail(test_units(), UNIT, {count});
    ASSERT_EQ(count, connectors);
    std::int32_t first = 0, second = 0;
    for (int j = 1; j <= connectors; ++j) {
        read_list_or_fail(test_units(), UNIT, {index, first, second, r});
        ASSERT_EQ(index, j);
    }
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    EXPECT_EQ(r, 0.3f);
    EXPECT_FALSE(read_list(test_units(), UNIT, {index}));
}

}  // namespace
}  // namespace sferonda
