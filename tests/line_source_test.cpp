#include "records/line_source.hpp"
#include "records/text_start.hpp"
#include "records/units.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/param_names.hpp"
#include "tests/support/scratch.hpp"

namespace sferonda {
namespace {

constexpr std::size_t BLOCK = LineSource::BLOCK_SIZE;

// `length` letters in a pattern that does not repeat with the block, so
// that a line missing its head or tail, or shifted, differs from this.
std::string letters(std::size_t length, int seed) {
    std::string text(length, ' ');
    for (std::size_t k = 0; k < length; ++k) text[k] = static_cast<char>('a' + (k * 7 + seed) % 23);
    return text;
}

std::string operator*(std::string text, const char* end) { return text + end; }

struct FileCase {
    std::string title;
    std::string content;
    std::vector<std::string> lines;  // as the source should serve them
};

class FileBackedLines : public ::testing::TestWithParam<FileCase> {};

std::vector<std::string> lines_of_file(const testing::ScratchDirectory& scratch, const std::string& content,
                                       bool rewind_once) {
    scratch.write("lines.txt", content);
    Units units;
    const OpenedForReading opened = units.file_system().open_for_reading(scratch.file("lines.txt"));
    EXPECT_TRUE(opened.file);
    LineSource source(units, *opened.file, 4);
    std::vector<std::string> lines;
    std::string_view line;
    while (source.next_line(line)) lines.emplace_back(line);
    if (rewind_once) {
        source.rewind();
        lines.clear();
        while (source.next_line(line)) lines.emplace_back(line);
    }
    return lines;
}

// Long lines are compared by length and first difference, not printed whole.
void expect_same_lines(const std::vector<std::string>& served, const std::vector<std::string>& expected) {
    ASSERT_EQ(served.size(), expected.size()) << "number of lines";
    for (std::size_t k = 0; k < expected.size(); ++k) {
        if (served[k] == expected[k]) continue;
        std::size_t first = 0;
        while (first < served[k].size() && first < expected[k].size() && served[k][first] == expected[k][first]) {
            ++first;
        }
        ADD_FAILURE() << "line " << k + 1 << ": " << served[k].size() << " bytes served, "
                      << expected[k].size() << " expected, first difference at byte " << first;
    }
}

TEST_P(FileBackedLines, ServesEveryLineWhole) {
    testing::ScratchDirectory scratch;
    expect_same_lines(lines_of_file(scratch, GetParam().content, false), GetParam().lines);
}

TEST_P(FileBackedLines, ServesTheSameLinesAfterRewind) {
    testing::ScratchDirectory scratch;
    expect_same_lines(lines_of_file(scratch, GetParam().content, true), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    LineSource, FileBackedLines,
    ::testing::Values(
        FileCase{"empty file", "", {}},
        FileCase{"one empty line", "\n", {""}},
        FileCase{"short lines", "1\n2 3\n", {"1", "2 3"}},
        FileCase{"no final line end", "first\nlast", {"first", "last"}},
        FileCase{"line across a block boundary",
                 letters(BLOCK - 10, 1) * "\n" + letters(20, 2) * "\n",
                 {letters(BLOCK - 10, 1), letters(20, 2)}},
        FileCase{"line that fills the block with its line end",
                 letters(BLOCK - 1, 3) * "\n" + "next\n",
                 {letters(BLOCK - 1, 3), "next"}},
        FileCase{"line of exactly one block",
                 letters(BLOCK, 4) * "\n" + "next\n",
                 {letters(BLOCK, 4), "next"}},
        FileCase{"line longer than the block",
                 "short\n" + letters(BLOCK * 2 + 100, 5) * "\n" + "after\n",
                 {"short", letters(BLOCK * 2 + 100, 5), "after"}},
        FileCase{"line longer than the block without final line end",
                 "short\n" + letters(BLOCK + 7, 6),
                 {"short", letters(BLOCK + 7, 6)}},
        FileCase{"UTF-8 mark passed over", "\xEF\xBB\xBF" "1\n2\n", {"1", "2"}},
        FileCase{"UTF-8 mark before a line longer than the block",
                 "\xEF\xBB\xBF" + letters(BLOCK + 7, 8) * "\nnext\n",
                 {letters(BLOCK + 7, 8), "next"}},
        FileCase{"part of a mark, and a mark further on, are text",
                 "\xEF\xBBx\n\xEF\xBB\xBFy", {"\xEF\xBBx", "\xEF\xBB\xBFy"}},
        FileCase{"CR LF split across blocks",
                 letters(BLOCK - 1, 7) * "\r\n" + "next\r\n",
                 {letters(BLOCK - 1, 7) * "\r", "next\r"}},
        FileCase{"many lines over several blocks",
                 [] {
                     std::string text;
                     for (int k = 0; k < 20000; ++k) text += letters(static_cast<std::size_t>(k % 37), k) * "\r\n";
                     return text;
                 }(),
                 [] {
                     std::vector<std::string> lines;
                     for (int k = 0; k < 20000; ++k) lines.push_back(letters(static_cast<std::size_t>(k % 37), k) * "\r");
                     return lines;
                 }()}),
    testing::NameFromTitle{});

TEST(TextStart, TellsAMarkOnlyFromAllItsBytes) {
    EXPECT_EQ(text_start("\xEF\xBB", false), TextStart::Undecided);
    EXPECT_EQ(text_start("\xEF\xBB", true), TextStart::Plain);
    EXPECT_EQ(text_start("\xFE", false), TextStart::Undecided);
    EXPECT_EQ(text_start("\xFE\xFF", false), TextStart::Utf16);
    EXPECT_EQ(text_start("\xEF\xBB\x31", false), TextStart::Plain);
}

}  // namespace
}  // namespace sferonda
