// Free-form output records: blanks between values, the 12-column integers,
// and the line length, 79 characters on the console and 80 in a file.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "records/record_write.hpp"
#include "records/units.hpp"
#include "tests/support/scratch.hpp"

namespace sferonda {
namespace {

constexpr int FILE_UNIT = 14;

// The first `length` letters of a long run, as a value and as expected text.
std::string_view text(std::size_t length) {
    static const std::string run = [] {
        std::string letters(100, ' ');
        for (std::size_t k = 0; k < letters.size(); ++k) letters[k] = static_cast<char>('a' + k % 26);
        return letters;
    }();
    return std::string_view(run).substr(0, length);
}

std::string joined(std::initializer_list<std::string_view> parts) {
    std::string whole;
    for (std::string_view part : parts) whole.append(part);
    return whole;
}

std::string console_record(std::initializer_list<Value> values) {
    Units units;
    capture_console_output(units);
    write_list(units, CONSOLE_OUTPUT_UNIT, values);
    return testing::console_lines_with_lf(take_console_output(units));
}

std::string file_record(std::initializer_list<Value> values) {
    testing::ScratchDirectory scratch;
    Units units;
    open_unknown(units, FILE_UNIT, scratch.file("list.txt"));
    write_list(units, FILE_UNIT, values);
    close_unit(units, FILE_UNIT);
    return scratch.read("list.txt");
}

TEST(FreeFormOutput, BlanksBetweenValues) {
    EXPECT_EQ(console_record({"Error in MODPB2: maxcon exceeded"}), " Error in MODPB2: maxcon exceeded\n");
    EXPECT_EQ(console_record({text(15), std::int32_t{12000}}), joined({" ", text(15), "       12000\n"}));
    EXPECT_EQ(console_record({std::int32_t{5001}, "x"}), "        5001 x\n");
    EXPECT_EQ(console_record({"ab", "cd"}), " abcd\n");
    EXPECT_EQ(console_record({std::int32_t{-7}, std::int32_t{8}}), "          -7           8\n");
}

// One blank, a text of n characters and a 12-column integer: 13 + n columns.
TEST(FreeFormOutput, ConsoleLinesHoldSeventyNineCharacters) {
    EXPECT_EQ(console_record({text(66), std::int32_t{12345}}), joined({" ", text(66), "       12345\n"}));
    EXPECT_EQ(console_record({text(67), std::int32_t{12345}}), joined({" ", text(67), "\n       12345\n"}));
    // The longest record of the program: one blank, 48 and 30 characters.
    EXPECT_EQ(console_record({text(48), text(30)}), joined({" ", text(48), text(30), "\n"}));
    EXPECT_EQ(console_record({text(48), text(31)}), joined({" ", text(48), "\n ", text(31), "\n"}));
}

TEST(FreeFormOutput, FileLinesHoldEightyCharacters) {
    EXPECT_EQ(file_record({text(67), std::int32_t{12345}}), joined({" ", text(67), "       12345\r\n"}));
    EXPECT_EQ(file_record({text(68), std::int32_t{12345}}), joined({" ", text(68), "\r\n       12345\r\n"}));
    EXPECT_EQ(file_record({text(49), text(30)}), joined({" ", text(49), text(30), "\r\n"}));
    EXPECT_EQ(file_record({text(49), text(31)}), joined({" ", text(49), "\r\n ", text(31), "\r\n"}));
}

}  // namespace
}  // namespace sferonda
