// The bulk read of numbered lines against the free-form read, line by line,
// of the same files: whatever spelling, separator or line end a line has,
// and wherever the read blocks cut the file, the model must hold the same
// bits as the free-form read gives.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "driver/model_reader.hpp"
#include "driver/run.hpp"
#include "records/line_source.hpp"
#include "records/list_read.hpp"
#include "records/numbered_lines.hpp"
#include "records/units.hpp"
#include "tests/support/param_names.hpp"
#include "tests/support/scratch.hpp"

namespace sferonda {
namespace {

// The run these tests read with; too large for the stack, and kept for
// every test, as one run keeps its units.
Run& test_run() {
    static const std::unique_ptr<Run> run = std::make_unique<Run>();
    return *run;
}

constexpr int COORDINATES = 4;
constexpr int COLORS = 3;

// Each line of a file, read with one free-form read, as a model file is
// read when no line is of the common form.
void read_line_by_line(BeadModel& model, const std::string& coordinates, const std::string& colors) {
    open_old(test_run(), COORDINATES, coordinates);
    open_old(test_run(), COLORS, colors);
    std::int32_t index = 0;
    std::int32_t count = 0;
    ASSERT_TRUE(read_list(test_run(), COORDINATES, {model.bead_count}));
    for (std::int32_t i = 1; i <= model.bead_count; ++i) {
        ASSERT_TRUE(read_list(test_run(), COORDINATES,
                              {index, model.bead_x[i], model.bead_y[i], model.bead_z[i], model.bead_radius[i]}));
    }
    ASSERT_TRUE(read_list(test_run(), COORDINATES, {model.connector_count}));
    for (std::int32_t k = 1; k <= model.connector_count; ++k) {
        ASSERT_TRUE(read_list(test_run(), COORDINATES, {index, model.connector_first[k], model.connector_second[k],
                                            model.connector_radius[k]}));
    }
    ASSERT_TRUE(read_list(test_run(), COLORS, {count}));
    for (std::int32_t i = 1; i <= model.bead_count; ++i) {
        ASSERT_TRUE(read_list(test_run(), COLORS, {index, model.bead_color[i]}));
    }
    ASSERT_TRUE(read_list(test_run(), COLORS, {count}));
    for (std::int32_t k = 1; k <= model.connector_count; ++k) {
        ASSERT_TRUE(read_list(test_run(), COLORS, {index, model.connector_color[k]}));
    }
    close_unit(test_run(), COORDINATES);
    close_unit(test_run(), COLORS);
}

bool read_as_a_case(BeadModel& model, const std::string& coordinates, const std::string& colors) {
    open_old(test_run(), COORDINATES, coordinates);
    open_old(test_run(), COLORS, colors);
    const bool read = read_bead_model(test_run(), model, COORDINATES, COLORS, AfterError::Continue);
    close_unit(test_run(), COORDINATES);
    close_unit(test_run(), COLORS);
    return read;
}

template <class Column>
void expect_same_bits(const Column& found, const Column& expected, std::int32_t count, const char* name) {
    for (std::int32_t n = 1; n <= count; ++n) {
        if (std::memcmp(&found[n], &expected[n], sizeof found[n]) == 0) continue;
        ADD_FAILURE() << name << " of line " << n << ": " << found[n] << " instead of " << expected[n];
        return;
    }
}

void expect_same_model(const std::string& coordinates_text, const std::string& colors_text) {
    testing::ScratchDirectory scratch;
    scratch.write("case.dat", coordinates_text);
    scratch.write("case.col", colors_text);
    static BeadModel expected;
    static BeadModel found;
    expected = BeadModel{};
    found = BeadModel{};
    read_line_by_line(expected, scratch.file("case.dat"), scratch.file("case.col"));
    ASSERT_TRUE(read_as_a_case(found, scratch.file("case.dat"), scratch.file("case.col")));
    ASSERT_EQ(found.bead_count, expected.bead_count);
    ASSERT_EQ(found.connector_count, expected.connector_count);
    const std::int32_t beads = found.bead_count;
    const std::int32_t connectors = found.connector_count;
    expect_same_bits(found.bead_x, expected.bead_x, beads, "x");
    expect_same_bits(found.bead_y, expected.bead_y, beads, "y");
    expect_same_bits(found.bead_z, expected.bead_z, beads, "z");
    expect_same_bits(found.bead_radius, expected.bead_radius, beads, "radius");
    expect_same_bits(found.bead_color, expected.bead_color, beads, "bead color");
    expect_same_bits(found.connector_first, expected.connector_first, connectors, "first bead");
    expect_same_bits(found.connector_second, expected.connector_second, connectors, "second bead");
    expect_same_bits(found.connector_radius, expected.connector_radius, connectors, "connector radius");
    expect_same_bits(found.connector_color, expected.connector_color, connectors, "connector color");
}

// Spellings the bulk read takes itself, and spellings it must leave to the
// free-form read (beyond 2^24 digits or ten powers of ten, more than 19
// digits, a comma after the value, a wide exponent).
const std::vector<std::string> REALS = {
    "1", "-2.5", "+3.25", "0.125", ".5", "5.", "-0.0", "1.5E1", "2.5e-3", "7D2", "-1.25d+01", "16777215",
    "0.1", "3.4028234e38", "16777216", "123456789.5", "0.00000000001", "1E11", "1E-10", "00000000000000000001.5",
    "1.5,", "2.5E0001", "1.e1", "-.75", "99999.992", "1.0000001", "26812.005"};
const std::vector<std::string> INTEGERS = {"1", "-3", "+4", "2147483647", "-2147483648", "007", "2.7", "1E1", "9,",
                                           "12"};
const std::vector<std::string> SEPARATORS = {" ", "  ", "\t", " \t "};
const std::vector<std::string> LINE_ENDS = {"\n", "\r\n", " trailing words\n", " 1 2 3 4 5\n", "\t\n"};

class Spellings {
public:
    explicit Spellings(unsigned seed) : random_(seed) {}

    const std::string& pick(const std::vector<std::string>& choices) {
        return choices[std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random_)];
    }
    // Mostly the common form, now and then anything of the pool.
    const std::string& pick_mostly_first(const std::vector<std::string>& choices) {
        return std::uniform_int_distribution<int>(0, 3)(random_) != 0 ? choices.front() : pick(choices);
    }
    std::string index(std::int32_t n) {
        // Now and then a spelling only the free-form read takes.
        const int kind = std::uniform_int_distribution<int>(0, 19)(random_);
        std::string text = kind == 0 ? "+" : kind == 1 ? "0" : "";
        return text.append(std::to_string(n));
    }
    // Up to `most` digits, a sign now and then, a point anywhere or nowhere.
    std::string decimal(int most, bool point) {
        const int digits = std::uniform_int_distribution<int>(1, most)(random_);
        std::string text;
        const int sign = std::uniform_int_distribution<int>(0, 5)(random_);
        if (sign == 0) text += '-';
        if (sign == 1) text += '+';
        const int point_at = point ? std::uniform_int_distribution<int>(-1, digits)(random_) : -1;
        for (int k = 0; k < digits; ++k) {
            if (k == point_at) text += '.';
            text += static_cast<char>('0' + std::uniform_int_distribution<int>(0, 9)(random_));
        }
        if (point_at == digits) text += '.';
        return text;
    }
    std::string real() { return coin() ? pick(REALS) : decimal(9, true); }
    std::string integer() { return coin() ? pick(INTEGERS) : decimal(9, false); }
    std::string line(std::int32_t n, int reals, int integers) {
        std::string text = pick(SEPARATORS).substr(1) + index(n);
        for (int k = 0; k < integers; ++k) text += pick(SEPARATORS) + integer();
        for (int k = 0; k < reals; ++k) text += pick(SEPARATORS) + real();
        return text + pick_mostly_first(LINE_ENDS);
    }

private:
    bool coin() { return std::uniform_int_distribution<int>(0, 1)(random_) == 0; }

    std::mt19937 random_;
};

// Enough lines that the read blocks cut many of them, every kind of line.
TEST(NumberedLines, MixedSpellingsOverManyBlocksReadAsLineByLine) {
    constexpr std::int32_t BEADS = 10000;
    constexpr std::int32_t CONNECTORS = 25000;
    for (unsigned seed : {1u, 2u}) {
        Spellings spellings(seed);
        std::string coordinates = std::to_string(BEADS) + "\n";
        for (std::int32_t i = 1; i <= BEADS; ++i) coordinates += spellings.line(i, 4, 0);
        coordinates += std::to_string(CONNECTORS) + "\n";
        for (std::int32_t k = 1; k <= CONNECTORS; ++k) coordinates += spellings.line(k, 1, 2);
        std::string colors = std::to_string(BEADS) + "\n";
        for (std::int32_t i = 1; i <= BEADS; ++i) colors += spellings.line(i, 0, 1);
        colors += std::to_string(CONNECTORS) + "\n";
        for (std::int32_t k = 1; k <= CONNECTORS; ++k) colors += spellings.line(k, 0, 1);
        ASSERT_GT(coordinates.size(), 8 * LineSource::BLOCK_SIZE);
        SCOPED_TRACE(seed);
        expect_same_model(coordinates, colors);
    }
}

struct SmallCase {
    std::string title;
    std::string coordinates;
    std::string colors;
};

class NumberedLinesSmall : public ::testing::TestWithParam<SmallCase> {};

TEST_P(NumberedLinesSmall, ReadAsLineByLine) { expect_same_model(GetParam().coordinates, GetParam().colors); }

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberedLinesSmall,
    ::testing::Values(
        SmallCase{"last line without a line feed", "2\n1 1 2 3 4\n2 5 6 7 8\n0", "2\n1 1\n2 2\n0"},
        SmallCase{"last color line without a line feed", "1\n1 0 0 0 1\n1\n1 1 1 0.5\n", "1\n1 7\n1\n1 8"},
        SmallCase{"a free-form line between common ones", "3\n1 1 2 3 4\n2,5,6,7,8\n3 9 10 11 12\n0\n",
                  "3\n1 1\n2 2\n3 3\n0\n"},
        SmallCase{"line numbers growing a digit", "0\n12\n" + [] {
                      std::string lines;
                      for (int k = 1; k <= 12; ++k) lines += std::to_string(k) + " 1 2 0.5\n";
                      return lines;
                  }(),
                  "0\n12\n1 1\n2 1\n3 1\n4 1\n5 1\n6 1\n7 1\n8 1\n9 1\n10 1\n11 1\n12 1\n"},
        SmallCase{"carriage returns", "1\r\n1 1 2 3 4\r\n0\r\n", "1\r\n1 1\r\n0\r\n"}),
    testing::NameFromTitle());

}  // namespace
}  // namespace sferonda

namespace sferonda {
namespace {

// Line numbers of seven digits, the most the bulk read counts to, fill the
// eight bytes of one load with their blank; one more line number and the
// bulk read leaves every line to the free-form read.
struct NumberLimit {
    const char* title;
    std::int32_t first;
    std::int32_t last;
    std::int32_t first_not_read;
};

class NumberedLinesLimit : public ::testing::TestWithParam<NumberLimit> {};

TEST_P(NumberedLinesLimit, ReadsUpToTheLargestNumber) {
    const NumberLimit& limit = GetParam();
    std::string text;
    for (std::int32_t n = limit.first; n <= limit.last; ++n) text += std::to_string(n) + " 2.5\n";
    attach_input_text(test_run(), COORDINATES, text, "limit.dat");
    std::vector<float> column(std::size_t(limit.last) + 1);
    EXPECT_EQ(read_numbered_lines(test_run(), COORDINATES, limit.first, limit.last, column.data()),
              limit.first_not_read);
    for (std::int32_t n = limit.first; n < limit.first_not_read; ++n) EXPECT_EQ(column[std::size_t(n)], 2.5f) << n;
    close_all_units_quietly(test_run());
}

INSTANTIATE_TEST_SUITE_P(Limits, NumberedLinesLimit,
                         ::testing::Values(NumberLimit{"six digits growing to seven", 999998, 1000001, 1000002},
                                           NumberLimit{"largest accepted", 9999997, 9999998, 9999999},
                                           NumberLimit{"first refused", 9999998, 9999999, 9999998}),
                         testing::NameFromTitle());

}  // namespace
}  // namespace sferonda
