// Compares the program's real fields, and its shortest text of a float,
// with those built from std::to_chars over a range of 32-bit patterns, each
// read as a float: every pattern when run without a range. Prints the first
// differences, progress every 2^26 patterns, and the count and the time at
// the end.
//
//   verify_field_formats <kind E13.5|F8.3|F9.3|shortest|all> [first pattern] [last pattern]

#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "records/field_format.hpp"
#include "records/shortest_digits.hpp"
#include "tests/verify/reference_fields.hpp"

namespace {

enum class Form { fixed, exponent, shortest };

struct FieldKind {
    Form form;
    int width;
    int precision;
};

struct NamedKind {
    const char* name;
    FieldKind kind;
};

constexpr NamedKind WRITER_KINDS[] = {{"E13.5", {Form::exponent, 13, 5}},
                                      {"F8.3", {Form::fixed, 8, 3}},
                                      {"F9.3", {Form::fixed, 9, 3}},
                                      {"shortest", {Form::shortest, 0, 0}}};

std::vector<NamedKind> parse_kinds(const std::string& text) {
    std::vector<NamedKind> kinds;
    for (const NamedKind& named : WRITER_KINDS) {
        if (text == "all" || text == named.name) kinds.push_back(named);
    }
    return kinds;
}

// True when the program's shortest text of `value` is std::to_chars's; prints the first differences.
bool same_shortest(float value, std::uint64_t bits, std::uint64_t& differences) {
    char text[sferonda::SHORTEST_BUFFER_SIZE];
    char expected[64];
    const char* end = sferonda::write_shortest(text, value);
    const char* expected_end = std::to_chars(expected, expected + sizeof expected, value).ptr;
    if (std::string_view(text, end) == std::string_view(expected, expected_end)) return true;
    if (++differences <= 20) {
        std::printf("shortest 0x%08llx: [%.*s] expected [%.*s]\n", static_cast<unsigned long long>(bits),
                    static_cast<int>(end - text), text, static_cast<int>(expected_end - expected), expected);
    }
    return false;
}

// True when the program's field for `value` is the reference's; prints the first differences.
bool same_field(const NamedKind& named, float value, std::uint64_t bits, std::uint64_t& differences) {
    const FieldKind& kind = named.kind;
    if (kind.form == Form::shortest) return same_shortest(value, bits, differences);
    char field[64];
    std::string expected;
    if (kind.form == Form::exponent) {
        sferonda::format_exponent_field(field, kind.width, kind.precision, value);
        expected = sferonda::reference::exponent_field(kind.width, kind.precision, value);
    } else {
        sferonda::format_fixed_field(field, kind.width, kind.precision, value);
        expected = sferonda::reference::fixed_field(kind.width, kind.precision, value);
    }
    if (expected.compare(0, std::string::npos, field, static_cast<std::size_t>(kind.width)) == 0) return true;
    if (++differences <= 20) {
        std::printf("%s 0x%08llx %.9g: [%.*s] expected [%s]\n", named.name, static_cast<unsigned long long>(bits),
                    static_cast<double>(value), kind.width, field, expected.c_str());
    }
    return false;
}

float float_of(std::uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<NamedKind> kinds = argc < 2 ? std::vector<NamedKind>{} : parse_kinds(argv[1]);
    if (kinds.empty()) {
        std::fprintf(stderr, "usage: verify_field_formats E13.5|F8.3|F9.3|shortest|all [first] [last]\n");
        return 2;
    }
    const std::uint64_t first = argc > 2 ? std::strtoull(argv[2], nullptr, 0) : 0;
    const std::uint64_t last = argc > 3 ? std::strtoull(argv[3], nullptr, 0) : 0xFFFFFFFFULL;
    const auto start = std::chrono::steady_clock::now();
    auto seconds = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
    constexpr std::uint64_t PROGRESS_STEP = 1ULL << 26;
    std::uint64_t differences = 0;
    for (std::uint64_t bits = first; bits <= last; ++bits) {
        const float value = float_of(static_cast<std::uint32_t>(bits));
        for (const NamedKind& named : kinds) same_field(named, value, bits, differences);
        if ((bits + 1) % PROGRESS_STEP == 0 && bits != last) {
            std::printf("%s: through 0x%08llx, %llu differences, %.0f s\n", argv[1],
                        static_cast<unsigned long long>(bits), static_cast<unsigned long long>(differences), seconds());
            std::fflush(stdout);
        }
    }
    std::printf("%s: patterns 0x%08llx to 0x%08llx done, %llu differences, %.0f s\n", argv[1],
                static_cast<unsigned long long>(first), static_cast<unsigned long long>(last),
                static_cast<unsigned long long>(differences), seconds());
    return differences == 0 ? 0 : 1;
}
