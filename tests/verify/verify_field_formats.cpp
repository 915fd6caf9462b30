// Compares the program's real fields with fields built from std::to_chars
// over a range of 32-bit patterns, each read as a float: every pattern when
// run without a range. Prints the first differences, the count and the time.
//
//   verify_field_formats <kind E13.5|F8.3|F9.3> [first pattern] [last pattern]

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "records/field_format.hpp"
#include "tests/verify/reference_fields.hpp"

namespace {

struct FieldKind {
    bool exponent;
    int width;
    int precision;
};

bool parse_kind(const std::string& text, FieldKind& kind) {
    if (text == "E13.5") kind = {true, 13, 5};
    else if (text == "F8.3") kind = {false, 8, 3};
    else if (text == "F9.3") kind = {false, 9, 3};
    else return false;
    return true;
}

float float_of(std::uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace

int main(int argc, char** argv) {
    FieldKind kind{};
    if (argc < 2 || !parse_kind(argv[1], kind)) {
        std::fprintf(stderr, "usage: verify_field_formats E13.5|F8.3|F9.3 [first] [last]\n");
        return 2;
    }
    const std::uint64_t first = argc > 2 ? std::strtoull(argv[2], nullptr, 0) : 0;
    const std::uint64_t last = argc > 3 ? std::strtoull(argv[3], nullptr, 0) : 0xFFFFFFFFULL;
    const auto start = std::chrono::steady_clock::now();
    std::uint64_t differences = 0;
    char field[64];
    for (std::uint64_t bits = first; bits <= last; ++bits) {
        const float value = float_of(static_cast<std::uint32_t>(bits));
        std::string expected;
        if (kind.exponent) {
            sferonda::format_exponent_field(field, kind.width, kind.precision, value);
            expected = sferonda::reference::exponent_field(kind.width, kind.precision, value);
        } else {
            sferonda::format_fixed_field(field, kind.width, kind.precision, value);
            expected = sferonda::reference::fixed_field(kind.width, kind.precision, value);
        }
        if (expected.compare(0, std::string::npos, field, static_cast<std::size_t>(kind.width)) != 0) {
            if (++differences <= 20) {
                std::printf("0x%08llx %.9g: [%.*s] expected [%s]\n", static_cast<unsigned long long>(bits),
                            static_cast<double>(value), kind.width, field, expected.c_str());
            }
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s: patterns 0x%08llx to 0x%08llx, %llu differences, %.0f s\n", argv[1],
                static_cast<unsigned long long>(first), static_cast<unsigned long long>(last),
                static_cast<unsigned long long>(differences), seconds);
    return differences == 0 ? 0 : 1;
}
