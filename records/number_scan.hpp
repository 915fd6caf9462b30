#pragma once
// The one scanner of number syntax in free-form input: a sign, digits with
// an optional point (at least one digit), then an optional exponent letter
// (E, e, D or d) with an optional sign and at least one digit. It finds a
// number's extent and its parts; what ends a value there is the caller's
// rule. Every read path uses it: the general read to accept a value, its
// fast path and the bulk read of numbered lines to convert the short forms
// in one step. It is inlined where it serves a whole line, since a call per
// value costs as much as the digits of a short one.

#include <cfloat>
#include <cstddef>
#include <cstdint>

namespace sferonda::number_scan {

inline bool is_blank(char c) { return c == ' ' || c == '\t'; }
inline bool is_digit(char c) { return c >= '0' && c <= '9'; }
inline bool is_exponent_letter(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

// Digits that a 64-bit integer always holds.
constexpr std::ptrdiff_t MOST_EXACT_DIGITS = 19;
// The largest magnitude of a 32-bit integer (that of its most negative
// value), and the most digits it takes.
constexpr std::uint64_t INT32_MOST_NEGATIVE_MAGNITUDE = 2147483648ULL;
constexpr std::ptrdiff_t MOST_INT32_DIGITS = 10;
// The short reals: at most this many exponent digits, a mantissa below
// EXACT_FLOAT_INTEGERS and a power of ten at most LARGEST_EXACT_POWER
// either way, so that one float operation rounds their exact value.
constexpr std::ptrdiff_t MOST_SHORT_EXPONENT_DIGITS = 3;
constexpr std::uint64_t EXACT_FLOAT_INTEGERS = 1ULL << 24;
constexpr int LARGEST_EXACT_POWER = 10;
// An exponent is counted up to here and no further: far beyond any number
// of digits a line may hold, so the value is infinite or zero all the same.
constexpr std::int64_t EXPONENT_CEILING = 1'000'000'000;

// What the scanner found from a starting place.
struct ScannedNumber {
    const char* end = nullptr;           // the first character not taken
    std::uint64_t digits = 0;            // the mantissa's digits as one integer; wraps past MOST_EXACT_DIGITS
    std::ptrdiff_t digit_count = 0;      // the mantissa's digits, before and after the point
    std::ptrdiff_t fraction_digits = 0;  // the digits after the point
    std::int64_t exponent = 0;           // the exponent's value, at most EXPONENT_CEILING either way
    std::ptrdiff_t exponent_digits = 0;
    bool negative = false;
    bool has_point = false;
    bool has_exponent = false;

    bool is_number() const { return digit_count != 0 && (!has_exponent || exponent_digits != 0); }
};

// Text that ends at a given place.
struct BoundedText {
    const char* end;

    bool has(const char* at) const { return at != end; }
    const char* append_digits(const char* at, std::uint64_t& value) const {
        for (; at != end; ++at) {
            const unsigned digit = static_cast<unsigned char>(*at) - unsigned{'0'};
            if (digit > 9) break;
            value = value * 10 + digit;
        }
        return at;
    }
};

// Whole lines, each ending with a line feed: a run of digits, or anything
// but a line feed, stops there without a bound to test.
struct LineText {
    bool has(const char*) const { return true; }
    // Unrolled, so that a digit costs no step of the pointer: the runs of a
    // model file are short.
    [[gnu::always_inline]] const char* append_digits(const char* at, std::uint64_t& value) const {
        for (;; at += 4) {
            for (int k = 0; k < 4; ++k) {
                const unsigned digit = static_cast<unsigned char>(at[k]) - unsigned{'0'};
                if (digit > 9) return at + k;
                value = value * 10 + digit;
            }
        }
    }
};

template <class Text>
[[gnu::always_inline]] inline void scan_exponent(const char* at, const Text& text, ScannedNumber& number) {
    number.has_exponent = true;
    const bool negative = text.has(at) && *at == '-';
    if (text.has(at) && (*at == '-' || *at == '+')) ++at;
    const char* const digits_start = at;
    std::int64_t exponent = 0;
    for (; text.has(at) && is_digit(*at); ++at) {
        if (exponent < EXPONENT_CEILING) exponent = exponent * 10 + (*at - '0');
    }
    if (exponent > EXPONENT_CEILING) exponent = EXPONENT_CEILING;
    number.exponent_digits = at - digits_start;
    number.exponent = negative ? -exponent : exponent;
    number.end = at;
}

// Which numbers a scan takes: any, or sign and digits alone (for a reader
// that wants an integer of the common form and leaves any other to the
// general steps, where a point or an exponent after the digits ends it).
enum class Form { Any, SignAndDigits };

// Scans a number from `at`, which is in the text.
template <Form form = Form::Any, class Text>
[[gnu::always_inline]] inline ScannedNumber scan(const char* at, const Text& text) {
    ScannedNumber number;
    number.negative = *at == '-';
    if (number.negative || *at == '+') ++at;
    const char* const integer_start = at;
    at = text.append_digits(at, number.digits);
    number.digit_count = at - integer_start;
    number.end = at;
    if constexpr (form == Form::SignAndDigits) return number;
    if (text.has(at) && *at == '.') {
        number.has_point = true;
        const char* const fraction_start = ++at;
        at = text.append_digits(at, number.digits);
        number.fraction_digits = at - fraction_start;
        number.digit_count += number.fraction_digits;
    }
    number.end = at;
    if (text.has(at) && is_exponent_letter(*at)) scan_exponent(at + 1, text, number);
    return number;
}

// The value of a number of sign and digits alone within the 32-bit range;
// false for any other.
[[gnu::always_inline]] inline bool plain_integer(const ScannedNumber& number, std::int32_t& value) {
    // One to MOST_INT32_DIGITS digits: the count less one, unsigned, below that.
    if (static_cast<std::size_t>(number.digit_count) - 1 >= MOST_INT32_DIGITS) return false;
    if (number.has_point || number.has_exponent) return false;
    if (number.digits > INT32_MOST_NEGATIVE_MAGNITUDE - (number.negative ? 0 : 1)) return false;
    const auto magnitude = static_cast<std::int64_t>(number.digits);
    value = static_cast<std::int32_t>(number.negative ? -magnitude : magnitude);
    return true;
}

// Powers of ten that a float holds exactly (5^10 < 2^24).
constexpr float EXACT_POWERS_OF_TEN[LARGEST_EXACT_POWER + 1] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                                                1e6f, 1e7f, 1e8f, 1e9f, 1e10f};

// The value of digits * 10^power, for digits below EXACT_FLOAT_INTEGERS and
// |power| at most LARGEST_EXACT_POWER: both are exact floats, and one
// single-precision multiplication or division rounds the exact value once,
// to nearest. Always finite (below 2^24 * 10^10).
static_assert(FLT_EVAL_METHOD == 0, "float operations must round to single precision");
[[gnu::always_inline]] inline float exact_short_real(std::uint64_t digits, int power, bool negative) {
    const float whole = static_cast<float>(digits);
    const float value = power >= 0 ? whole * EXACT_POWERS_OF_TEN[power] : whole / EXACT_POWERS_OF_TEN[-power];
    return negative ? -value : value;
}

// The value of a short real (see the limits above), rounded once; false for
// any other number.
[[gnu::always_inline]] inline bool short_real(const ScannedNumber& number, float& value) {
    if (!number.is_number() || number.digit_count > MOST_EXACT_DIGITS) return false;
    if (number.digits >= EXACT_FLOAT_INTEGERS || number.exponent_digits > MOST_SHORT_EXPONENT_DIGITS) return false;
    const auto power = static_cast<int>(number.exponent) - static_cast<int>(number.fraction_digits);
    if (power < -LARGEST_EXACT_POWER || power > LARGEST_EXACT_POWER) return false;
    value = exact_short_real(number.digits, power, number.negative);
    return true;
}

// Where a value of the common forms must end: at the end of the line or its
// token, or before a blank or a tab.
[[gnu::always_inline]] inline bool ends_plain_value(const char* at, const char* end) {
    return at == end || is_blank(*at);
}

}  // namespace sferonda::number_scan

namespace sferonda {

// Sign and digits within the 32-bit range, converted and `at` moved past
// them. False, moving and converting nothing, for anything else (a comma or
// a slash after the digits included). `at` is before `end`.
[[gnu::always_inline]] inline bool scan_plain_integer(const char*& at, const char* end, std::int32_t& value) {
    const number_scan::ScannedNumber number = number_scan::scan<number_scan::Form::SignAndDigits>(at, number_scan::BoundedText{end});
    if (!number_scan::ends_plain_value(number.end, end) || !number_scan::plain_integer(number, value)) return false;
    at = number.end;
    return true;
}

// The common short reals, converted in one rounding step, and `at` moved
// past them. False, moving and converting nothing, for any other text (a
// comma or a slash after it included). `at` is before `end`.
[[gnu::always_inline]] inline bool scan_short_real(const char*& at, const char* end, float& value) {
    const number_scan::ScannedNumber number = number_scan::scan(at, number_scan::BoundedText{end});
    if (!number_scan::ends_plain_value(number.end, end) || !number_scan::short_real(number, value)) return false;
    at = number.end;
    return true;
}

}  // namespace sferonda
