#include "records/field_format.hpp"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

#include "records/decimal_digits.hpp"
#include "platform/charconv.hpp"
#include "records/overlapping_copy.hpp"

namespace sferonda {

namespace {

// Numeric fields are built in stack buffers; no record of the program comes near this.
constexpr int MAX_NUMERIC_WIDTH = 64;

// The fixed-point digits of the largest float (39 integer digits), a sign,
// the point and up to MAX_NUMERIC_WIDTH decimals.
constexpr int FIXED_DIGITS_CAPACITY = 1 + 39 + 1 + MAX_NUMERIC_WIDTH + 8;

// "-d.ddd...e+dd" with up to MAX_NUMERIC_WIDTH significant digits.
constexpr int SCIENTIFIC_DIGITS_CAPACITY = 1 + 1 + 1 + MAX_NUMERIC_WIDTH + 8;

void fill_asterisks(char* out, int width) {
    std::memset(out, '*', static_cast<std::size_t>(width));
}

// The blanks before a number are a few: words that overlap cost less than a call.
void fill_blanks(char* out, int count) {
    constexpr char BLANKS[16] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    const auto size = static_cast<std::size_t>(count);
    if (count > 16) {
        std::memset(out, ' ', size);
    } else if (count >= 8) {
        copy_overlapping<8>(out, BLANKS, size);
    } else if (count >= 4) {
        copy_overlapping<4>(out, BLANKS, size);
    } else if (count > 0) {
        out[0] = out[count / 2] = out[count - 1] = ' ';
    }
}

// Blanks before the `needed` columns of a right-aligned field, and where
// those columns begin; null, with the field all asterisks, when they do not fit.
char* start_right_aligned(char* out, int width, int needed) {
    if (needed > width) {
        fill_asterisks(out, width);
        return nullptr;
    }
    fill_blanks(out, width - needed);
    return out + (width - needed);
}

// Appends `text` at `cursor` and returns the position after it.
char* append(char* cursor, std::string_view text) {
    if (!text.empty()) std::memcpy(cursor, text.data(), text.size());
    return cursor + text.size();
}

bool all_zero_digits(std::string_view digits) {
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

void assert_numeric_width(int width) {
    assert(width >= 0 && width <= MAX_NUMERIC_WIDTH);
    (void)width;
}

// NaN and the infinities have words instead of digits, in F and E fields alike.
void format_non_finite(char* out, int width, float value) {
    if (std::isnan(value)) {
        if (width < 3) {
            fill_asterisks(out, width);
        } else if (width == 3) {
            append(out, "NaN");
        } else {
            append(out, " NaN");
            fill_blanks(out + 4, width - 4);
        }
        return;
    }
    const std::string_view word = std::signbit(value) ? " -Infinity" : " Infinity";
    const int kept = std::min(width, static_cast<int>(word.size()));
    append(out, word.substr(0, static_cast<std::size_t>(kept)));
    fill_blanks(out + kept, width - kept);
}

// The pieces of a value rounded by std::to_chars in fixed notation, which
// writes [-]digits[.decimals]: the decimals are the last characters.
struct FixedDigits {
    bool negative;
    std::string_view integer_part;  // empty when the integer part is 0
    std::string_view fraction;      // exactly the requested number of decimals
};

FixedDigits split_fixed(const char* text, const char* end, int decimals) {
    FixedDigits digits{};
    digits.negative = *text == '-';
    if (digits.negative) ++text;
    const char* integer_end = decimals > 0 ? end - decimals - 1 : end;
    digits.integer_part = {text, static_cast<std::size_t>(integer_end - text)};
    if (decimals > 0) digits.fraction = {end - decimals, static_cast<std::size_t>(decimals)};
    if (digits.integer_part == "0") digits.integer_part = {};
    return digits;
}

// The pieces of a value rounded by std::to_chars in scientific notation,
// which writes [-]d[.ddd]e(+|-)dd: the first digit is 0 only for zero.
struct ScientificDigits {
    bool negative;
    char significand[MAX_NUMERIC_WIDTH];  // the digits without the point
    int exponent;  // power of ten of the first digit
};

ScientificDigits split_scientific(const char* text, const char* end, int digits) {
    ScientificDigits split;
    split.negative = *text == '-';
    if (split.negative) ++text;
    split.significand[0] = *text++;
    if (digits > 1) {
        std::memcpy(split.significand + 1, text + 1, static_cast<std::size_t>(digits - 1));
        text += digits;
    }
    assert(*text == 'e');
    const bool exponent_negative = text[1] == '-';
    int magnitude = 0;
    for (text += 2; text < end; ++text) magnitude = magnitude * 10 + (*text - '0');
    split.exponent = exponent_negative ? -magnitude : magnitude;
    return split;
}

// The digits of a finite value rounded to `decimals` decimals by
// std::to_chars, in `text`: for the values beyond the exact integers.
FixedDigits fixed_digits_from_chars(char (&text)[FIXED_DIGITS_CAPACITY], int decimals, float value) {
    const auto result = platform::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    assert(result.ec == std::errc{});
    return split_fixed(text, result.ptr, decimals);
}

// How many decimal digits `number` has; none for 0.
int digit_count(std::uint64_t number) {
    int count = 0;
    for (; count < MAX_EXACT_DIGITS && number >= POWERS_OF_TEN[count]; ++count) {
    }
    if (count == MAX_EXACT_DIGITS) {
        for (std::uint64_t rest = number / POWERS_OF_TEN[count - 1]; rest >= 10; rest /= 10) ++count;
    }
    return count;
}

// "E+ee", or the sign and three digits when the exponent has three digits.
char* append_exponent(char* cursor, int exponent) {
    const int magnitude = exponent < 0 ? -exponent : exponent;
    assert(magnitude <= 999);
    if (magnitude <= 99) *cursor++ = 'E';
    *cursor++ = exponent < 0 ? '-' : '+';
    if (magnitude > 99) *cursor++ = static_cast<char>('0' + magnitude / 100);
    std::memcpy(cursor, DIGIT_PAIRS + 2 * (magnitude % 100), 2);
    return cursor + 2;
}

}  // namespace

void format_text_field(char* out, int width, std::string_view text) {
    assert(width >= 0);
    const auto length = static_cast<int>(std::min(text.size(), static_cast<std::size_t>(width)));
    fill_blanks(out, width - length);
    append(out + (width - length), text.substr(0, static_cast<std::size_t>(length)));
}

void format_integer_field(char* out, int width, int min_digits, std::int32_t value) {
    assert_numeric_width(width);
    assert(min_digits >= 0);
    // Unsigned arithmetic, so that the most negative value has a magnitude too.
    const bool negative = value < 0;
    std::uint32_t magnitude = static_cast<std::uint32_t>(value);
    if (negative) magnitude = 0u - magnitude;

    char digits[10];
    int digit_count = 0;
    do {
        digits[digit_count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);

    const int shown_digits = std::max(digit_count, std::max(min_digits, 1));
    const int needed = shown_digits + (negative ? 1 : 0);
    char* cursor = start_right_aligned(out, width, needed);
    if (cursor == nullptr) return;
    if (negative) *cursor++ = '-';
    for (int i = digit_count; i < shown_digits; ++i) *cursor++ = '0';
    for (int i = digit_count - 1; i >= 0; --i) *cursor++ = digits[i];
}

namespace {

// Fw.d from its parts: the sign shown, the digits before the point (none
// for 0), and the rest.
struct FixedParts {
    bool minus;
    std::string_view integer_part;
    std::string_view fraction;
};

void write_fixed_form(char* out, int width, int decimals, const FixedParts& parts) {
    int needed = (parts.minus ? 1 : 0) + static_cast<int>(parts.integer_part.size()) + 1 + decimals;
    // A lone "0" before the point is the first thing to give way in a narrow field.
    const bool leading_zero = parts.integer_part.empty() && needed < width;
    if (leading_zero) ++needed;
    char* cursor = start_right_aligned(out, width, needed);
    if (cursor == nullptr) return;
    if (parts.minus) *cursor++ = '-';
    if (leading_zero) *cursor++ = '0';
    cursor = append(cursor, parts.integer_part);
    *cursor++ = '.';
    append(cursor, parts.fraction);
}

// Non-finite values and those beyond the exact integers.
[[gnu::noinline]] void format_rare_fixed_field(char* out, int width, int decimals, float value) {
    if (!std::isfinite(value)) {
        format_non_finite(out, width, value);
        return;
    }
    char text[FIXED_DIGITS_CAPACITY];
    const FixedDigits digits = fixed_digits_from_chars(text, decimals, value);
    const bool minus = digits.negative &&
                       !(all_zero_digits(digits.integer_part) && all_zero_digits(digits.fraction));
    write_fixed_form(out, width, decimals, {minus, digits.integer_part, digits.fraction});
}

}  // namespace

void format_fixed_field(char* out, int width, int decimals, float value) {
    assert_numeric_width(width);
    assert(decimals >= 0 && decimals <= MAX_NUMERIC_WIDTH);
    std::uint64_t scaled;
    if (!std::isfinite(value) || decimals > MAX_EXACT_DIGITS || !scaled_rounded(value, decimals, scaled)) {
        format_rare_fixed_field(out, width, decimals, value);
        return;
    }
    const std::uint64_t unit = POWERS_OF_TEN[decimals];
    const std::uint64_t whole = scaled / unit;
    const int whole_digits = digit_count(whole);
    char text[MAX_NUMERIC_WIDTH + 20];
    write_digits(text, whole, whole_digits);
    write_digits(text + whole_digits, scaled - whole * unit, decimals);
    // A value that rounds to zero has no minus sign.
    write_fixed_form(out, width, decimals,
                     {std::signbit(value) && scaled != 0, {text, static_cast<std::size_t>(whole_digits)},
                      {text + whole_digits, static_cast<std::size_t>(decimals)}});
}

namespace {

// Blanks, the minus sign, "0." and the exponent of an Ew.d field, and where
// its `digits` digits go; null, with the field all asterisks, when it does not fit.
[[gnu::always_inline]] inline char* exponent_form(char* out, int width, int digits, bool minus, int exponent) {
    constexpr int EXPONENT_COLUMNS = 4;
    const int needed = (minus ? 1 : 0) + 2 + digits + EXPONENT_COLUMNS;
    char* cursor = start_right_aligned(out, width, needed);
    if (cursor == nullptr) return nullptr;
    if (minus) *cursor++ = '-';
    *cursor++ = '0';
    *cursor++ = '.';
    append_exponent(cursor + digits, exponent);
    return cursor;
}

}  // namespace

namespace {

// Non-finite values and those beyond the exact integers.
[[gnu::noinline]] void format_rare_exponent_field(char* out, int width, int digits, float value) {
    if (!std::isfinite(value)) {
        format_non_finite(out, width, value);
        return;
    }
    char text[SCIENTIFIC_DIGITS_CAPACITY];
    const auto result = platform::to_chars(text, text + sizeof text, value, std::chars_format::scientific, digits - 1);
    assert(result.ec == std::errc{});
    const ScientificDigits rounded = split_scientific(text, result.ptr, digits);
    // d.ddd times 10^x is 0.dddd times 10^(x+1).
    if (char* at = exponent_form(out, width, digits, rounded.negative, rounded.exponent + 1)) {
        std::memcpy(at, rounded.significand, static_cast<std::size_t>(digits));
    }
}

}  // namespace

void format_exponent_field(char* out, int width, int digits, float value) {
    assert_numeric_width(width);
    assert(digits >= 1 && digits <= MAX_NUMERIC_WIDTH);
    // Zero is 0.00...0E+00, without a minus sign.
    std::uint64_t significand = 0;
    int exponent = 0;  // of 0.d1d2...
    const bool zero = value == 0.0f;
    if (!zero && (!std::isfinite(value) || digits > MAX_EXACT_DIGITS ||
                  !significant_digits(value, digits, significand, exponent))) {
        format_rare_exponent_field(out, width, digits, value);
        return;
    }
    if (char* at = exponent_form(out, width, digits, std::signbit(value) && !zero, exponent)) {
        write_digits(at, significand, digits);
    }
}

}  // namespace sferonda
