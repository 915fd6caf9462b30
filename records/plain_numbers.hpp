#pragma once
// The common number forms of free-form input, recognised and converted in
// one pass: a sign and digits within the 32-bit range, and a short real such
// as 1.865 or -12.5E-2. Both the line-by-line reader and the bulk reader of
// numbered lines use them; they are inlined where they serve a whole line,
// since a call per value costs as much as the digits of a short one.

#include <cfloat>
#include <cstddef>
#include <cstdint>

namespace sferonda {

namespace plain_numbers {

inline bool is_blank(char c) { return c == ' ' || c == '\t'; }
inline bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Where a value of the common forms must end: at the end of the line or its
// token, or before a blank or a tab.
[[gnu::always_inline]] inline bool ends_plain_value(const char* at, const char* end) {
    return at == end || is_blank(*at);
}

// Appends the digits at `at` to `value`, at most `room` of them; false when
// more digits follow.
[[gnu::always_inline]] inline bool scan_digits(const char*& at, const char* end, std::uint64_t& value,
                                               std::ptrdiff_t room) {
    const char* const limit = end - at > room ? at + room : end;
    for (; at != limit; ++at) {
        const unsigned digit = static_cast<unsigned char>(*at) - unsigned{'0'};
        if (digit > 9) return true;
        value = value * 10 + digit;
    }
    return at == end || !is_digit(*at);
}

}  // namespace plain_numbers

// Sign and digits within the 32-bit range, converted and `at` moved past
// them. False, moving and converting nothing, for anything else (a comma or
// a slash after the digits included). `at` is before `end`.
[[gnu::always_inline]] inline bool scan_plain_integer(const char*& at, const char* end, std::int32_t& value) {
    using namespace plain_numbers;
    constexpr std::uint64_t MOST_NEGATIVE_MAGNITUDE = 2147483648ULL;
    constexpr std::ptrdiff_t MOST_DIGITS = 10;
    const char* next = at;
    const bool negative = *next == '-';
    if (negative || *next == '+') ++next;
    const char* const digits_start = next;
    std::uint64_t magnitude = 0;
    if (!scan_digits(next, end, magnitude, MOST_DIGITS)) return false;
    if (next == digits_start || !ends_plain_value(next, end)) return false;
    if (magnitude > (negative ? MOST_NEGATIVE_MAGNITUDE : MOST_NEGATIVE_MAGNITUDE - 1)) return false;
    value = static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(magnitude)
                                               : static_cast<std::int64_t>(magnitude));
    at = next;
    return true;
}

namespace plain_numbers {

// Powers of ten that a float holds exactly (5^10 < 2^24).
constexpr float EXACT_POWERS_OF_TEN[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
constexpr int LARGEST_EXACT_POWER = 10;
constexpr std::uint64_t EXACT_FLOAT_INTEGERS = 1ULL << 24;

// The value of digits * 10^power, for digits below EXACT_FLOAT_INTEGERS and
// |power| at most LARGEST_EXACT_POWER: both are exact floats, and one
// single-precision multiplication or division rounds the exact value once,
// to nearest. Always finite (below 2^24 * 10^10).
static_assert(FLT_EVAL_METHOD == 0, "float operations must round to single precision");
[[gnu::always_inline]] inline float short_real(std::uint64_t digits, int power, bool negative) {
    const float whole = static_cast<float>(digits);
    const float value = power >= 0 ? whole * EXACT_POWERS_OF_TEN[power] : whole / EXACT_POWERS_OF_TEN[-power];
    return negative ? -value : value;
}

}  // namespace plain_numbers

// The common short reals, converted as short_real does, and `at` moved past
// them. False, moving and converting nothing, for any other text (a comma or
// a slash after it included). `at` is before `end`.
[[gnu::always_inline]] inline bool scan_short_real(const char*& at, const char* end, float& value) {
    using namespace plain_numbers;
    const char* next = at;
    const bool negative = *next == '-';
    if (negative || *next == '+') ++next;
    // Up to 19 digits, leading zeros included, cannot overflow 64 bits.
    constexpr std::ptrdiff_t MOST_DIGITS = 19;
    std::uint64_t digits = 0;
    const char* const integer_start = next;
    if (!scan_digits(next, end, digits, MOST_DIGITS)) return false;
    const std::ptrdiff_t integer_digits = next - integer_start;
    bool any_digit = integer_digits != 0;
    int power = 0;
    if (next != end && *next == '.') {
        const char* const fraction_start = ++next;
        if (!scan_digits(next, end, digits, MOST_DIGITS - integer_digits)) return false;
        power = -static_cast<int>(next - fraction_start);
        any_digit = any_digit || next != fraction_start;
    }
    if (digits >= EXACT_FLOAT_INTEGERS) return false;
    if (!any_digit) return false;
    if (!ends_plain_value(next, end)) {
        const char letter = *next++;
        if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') return false;
        const bool exponent_negative = next != end && *next == '-';
        if (next != end && (*next == '-' || *next == '+')) ++next;
        const char* const exponent_start = next;
        int exponent = 0;
        for (; next != end && is_digit(*next) && next - exponent_start < 3; ++next) {
            exponent = exponent * 10 + (*next - '0');
        }
        if (next == exponent_start || !ends_plain_value(next, end)) return false;
        power += exponent_negative ? -exponent : exponent;
    }
    if (power < -LARGEST_EXACT_POWER || power > LARGEST_EXACT_POWER) return false;
    value = short_real(digits, power, negative);
    at = next;
    return true;
}

}  // namespace sferonda
