#pragma once
// The program's real fields built the slow, plainly right way: digits from
// std::to_chars (exact, ties to even), laid out by the field rules. The
// verification of the exact integer path compares the program against it.

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace sferonda::reference {

inline std::string non_finite_field(int width, float value) {
    if (std::isnan(value)) {
        if (width < 3) return std::string(static_cast<std::size_t>(width), '*');
        if (width == 3) return "NaN";
        return " NaN" + std::string(static_cast<std::size_t>(width - 4), ' ');
    }
    std::string word = std::signbit(value) ? " -Infinity" : " Infinity";
    if (static_cast<int>(word.size()) >= width) return word.substr(0, static_cast<std::size_t>(width));
    return word + std::string(static_cast<std::size_t>(width) - word.size(), ' ');
}

inline std::string right_aligned(int width, const std::string& text) {
    if (static_cast<int>(text.size()) > width) return std::string(static_cast<std::size_t>(width), '*');
    std::string field(static_cast<std::size_t>(width) - text.size(), ' ');
    field.append(text);
    return field;
}

// Fw.d: a lone 0 before the point only when the field has room for it;
// no minus sign on a value that rounds to zero.
inline std::string fixed_field(int width, int decimals, float value) {
    if (!std::isfinite(value)) return non_finite_field(width, value);
    std::array<char, 160> text{};
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, decimals);
    std::string digits(text.data(), result.ptr);
    const bool negative = digits[0] == '-';
    if (negative) digits = digits.substr(1);
    const std::size_t point = digits.find('.');
    std::string integer = digits.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : digits.substr(point + 1);
    const bool zero = (integer + fraction).find_first_not_of('0') == std::string::npos;
    const std::string sign = negative && !zero ? "-" : "";
    if (integer == "0") integer.clear();
    const bool leading_zero = integer.empty() && static_cast<int>(sign.size() + 1 + fraction.size()) < width;
    std::string field = sign;
    field.append(leading_zero ? std::string_view("0") : std::string_view(integer)).append(1, '.').append(fraction);
    return right_aligned(width, field);
}

// Ew.d: 0.d1...dd followed by E+ee (or +eee for three exponent digits);
// zero is 0.00...0E+00 without a minus sign.
inline std::string exponent_field(int width, int digits, float value) {
    if (!std::isfinite(value)) return non_finite_field(width, value);
    std::array<char, 160> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::scientific,
                                      digits - 1);
    std::string scientific(text.data(), result.ptr);
    const bool negative = scientific[0] == '-';
    if (negative) scientific = scientific.substr(1);
    const std::size_t e = scientific.find('e');
    std::string significand = scientific.substr(0, e);
    if (significand.size() > 1) significand = significand.substr(0, 1) + significand.substr(2);  // the point
    const bool zero = significand.find_first_not_of('0') == std::string::npos;
    const int exponent = zero ? 0 : std::stoi(scientific.substr(e + 1)) + 1;
    const int magnitude = std::abs(exponent);
    std::string exponent_text = magnitude > 99 ? "" : "E";
    exponent_text += exponent < 0 ? '-' : '+';
    std::string exponent_digits = std::to_string(magnitude);
    if (exponent_digits.size() < 2) exponent_digits = std::string(1, '0').append(exponent_digits);
    std::string field = negative && !zero ? "-0." : "0.";
    field.append(significand).append(exponent_text).append(exponent_digits);
    return right_aligned(width, field);
}

}  // namespace sferonda::reference
