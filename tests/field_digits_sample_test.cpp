// The exact integer path of the real fields against fields built from
// std::to_chars, on a sample: random bit patterns, the floats nearest to
// the decimal midpoints where rounding turns, and exact ties. The
// exhaustive comparison over every bit pattern is scripts/verify-field-formats.sh.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "records/field_format.hpp"
#include "tests/verify/reference_fields.hpp"

namespace sferonda {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int SAMPLE_SCALE = 1;  // the instrumented build is many times slower
#else
constexpr int SAMPLE_SCALE = 8;
#endif

// A fixed generator: the same sample on every run.
class Sampler {
public:
    std::uint64_t next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return state_ >> 16;
    }
    std::uint64_t below(std::uint64_t bound) { return next() % bound; }

private:
    std::uint64_t state_ = 0x5EED1234ULL;
};

float float_of(std::uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

float parsed(const std::string& text) { return std::strtof(text.c_str(), nullptr); }

// The float itself, its two neighbours and its negative.
void add_with_neighbours(std::vector<float>& values, float value) {
    for (float near : {value, std::nextafter(value, 0.0f), std::nextafter(value, INFINITY)}) {
        values.push_back(near);
        values.push_back(-near);
    }
}

struct Kind {
    bool exponent;
    int width;
    int precision;
};

// Counts the fields that differ from the reference, printing the first few.
int differences(const Kind& kind, const std::vector<float>& values) {
    int wrong = 0;
    char field[64];
    for (float value : values) {
        std::string expected;
        if (kind.exponent) {
            format_exponent_field(field, kind.width, kind.precision, value);
            expected = reference::exponent_field(kind.width, kind.precision, value);
        } else {
            format_fixed_field(field, kind.width, kind.precision, value);
            expected = reference::fixed_field(kind.width, kind.precision, value);
        }
        if (expected != std::string(field, static_cast<std::size_t>(kind.width)) && ++wrong <= 5) {
            ADD_FAILURE() << "value " << value << " (" << std::hexfloat << value << "): written ["
                          << std::string(field, static_cast<std::size_t>(kind.width)) << "], expected ["
                          << expected << "]";
        }
    }
    return wrong;
}

std::vector<float> random_patterns(int count) {
    Sampler sampler;
    std::vector<float> values;
    for (int i = 0; i < count; ++i) values.push_back(float_of(static_cast<std::uint32_t>(sampler.next())));
    return values;
}

// Around d1..d5 5 times 10^k for k over the whole float range: where the
// fifth significant digit turns; and the exact ties 100005 to 999995 (every
// one of them, every eighth in the slower instrumented build).
std::vector<float> exponent_boundaries(int count) {
    Sampler sampler;
    std::vector<float> values;
    for (int i = 0; i < count; ++i) {
        const int power = static_cast<int>(sampler.below(90)) - 50;
        const std::uint64_t digits = 10000 + sampler.below(90000);
        add_with_neighbours(values, parsed(std::to_string(digits) + "5e" + std::to_string(power)));
    }
    for (int tie = 100005; tie <= 999995; tie += 80 / SAMPLE_SCALE) {
        add_with_neighbours(values, static_cast<float>(tie));
    }
    return values;
}

// Around n.ddd5 for n over the widths' range: where the third decimal
// turns; and the exact ties m/16, m odd.
std::vector<float> fixed_boundaries(int count) {
    Sampler sampler;
    std::vector<float> values;
    for (int i = 0; i < count; ++i) {
        const std::uint64_t thousandths = sampler.below(i % 2 == 0 ? 2000 : 1000000000);
        add_with_neighbours(values, parsed(std::to_string(thousandths) + "5e-4"));
    }
    for (int m = 1; m < 250000 * SAMPLE_SCALE; m += 2) values.push_back(static_cast<float>(m) / 16.0f);
    return values;
}

TEST(FieldDigitsSample, ExponentFieldsMatchTheReference) {
    EXPECT_EQ(differences({true, 13, 5}, random_patterns(40000 * SAMPLE_SCALE)), 0);
    EXPECT_EQ(differences({true, 13, 5}, exponent_boundaries(20000 * SAMPLE_SCALE)), 0);
}

TEST(FieldDigitsSample, FixedFieldsMatchTheReference) {
    for (int width : {8, 9}) {
        SCOPED_TRACE(width);
        EXPECT_EQ(differences({false, width, 3}, random_patterns(40000 * SAMPLE_SCALE)), 0);
        EXPECT_EQ(differences({false, width, 3}, fixed_boundaries(20000 * SAMPLE_SCALE)), 0);
    }
}

// Other widths and digits take the same path: a few of them over the sample.
TEST(FieldDigitsSample, OtherWidthsAndDigitsMatchTheReference) {
    const std::vector<float> values = random_patterns(5000 * SAMPLE_SCALE);
    for (Kind kind : {Kind{true, 10, 1}, Kind{true, 16, 9}, Kind{true, 30, 17}, Kind{true, 40, 25},
                      Kind{false, 6, 0}, Kind{false, 12, 6}, Kind{false, 40, 17}, Kind{false, 64, 30}}) {
        SCOPED_TRACE(std::string(kind.exponent ? "E" : "F") + std::to_string(kind.width) + "." +
                     std::to_string(kind.precision));
        EXPECT_EQ(differences(kind, values), 0);
    }
}

}  // namespace
}  // namespace sferonda
