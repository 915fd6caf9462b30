#pragma once
// Decimal digits of a float found with exact integer arithmetic: the
// float's binary value m * 2^e is scaled by a power of ten and rounded
// once, to nearest, ties to even, as std::to_chars rounds. Each function
// answers false, computing nothing, where its integers could not hold the
// result; callers then take std::to_chars.

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace sferonda {

// Most digits the functions below produce.
constexpr int MAX_EXACT_DIGITS = 17;

// |value| * 10^power rounded to an integer, for a finite `value`.
[[nodiscard]] bool scaled_rounded(float value, int power, std::uint64_t& rounded);

// The first `digits` significant digits of a finite nonzero `value`, rounded:
// |value| is about 0.d1d2...dn * 10^exponent, and `significand` is the
// integer d1d2...dn of exactly `digits` digits. 1 <= digits <= MAX_EXACT_DIGITS.
[[nodiscard]] bool wide_significant_digits(float value, int digits, std::uint64_t& significand, int& exponent);

// 5^0 to 5^27, the powers of five below 2^63, and 10^0 to 10^MAX_EXACT_DIGITS.
constexpr int LARGEST_POWER_OF_FIVE = 27;
inline constexpr auto POWERS_OF_FIVE = [] {
    std::array<std::uint64_t, LARGEST_POWER_OF_FIVE + 1> powers{};
    powers[0] = 1;
    for (std::size_t k = 1; k < powers.size(); ++k) powers[k] = powers[k - 1] * 5;
    return powers;
}();
inline constexpr auto POWERS_OF_TEN = [] {
    std::array<std::uint64_t, MAX_EXACT_DIGITS + 1> powers{};
    powers[0] = 1;
    for (std::size_t k = 1; k < powers.size(); ++k) powers[k] = powers[k - 1] * 10;
    return powers;
}();

// The common case in 64 bits: 2^24 * 5^16 is below 2^63.
constexpr int LARGEST_NARROW_POWER_OF_FIVE = 16;

// numerator * 2^-shift rounded to nearest, ties to even; 0 < shift < 64,
// so that both shifts below stay within the word.
[[gnu::always_inline]] inline std::uint64_t rounded_right_shift(std::uint64_t numerator, int shift) {
    assert(shift > 0 && shift < 64);
    const std::uint64_t quotient = numerator >> shift;
    const std::uint64_t remainder = numerator & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    return quotient + (remainder > half || (remainder == half && (quotient & 1) != 0) ? 1 : 0);
}

// m * 2^e * 10^power rounded, when 64 bits hold it as m * 5^power shifted
// right; false, computing nothing, otherwise.
[[gnu::always_inline]] inline bool narrow_scaled(std::uint64_t m, int e, int power, std::uint64_t& rounded) {
    const int shift = -(e + power);
    if (power < 0 || power > LARGEST_NARROW_POWER_OF_FIVE || shift <= 0 || shift >= 64) return false;
    rounded = rounded_right_shift(m * POWERS_OF_FIVE[power], shift);
    return true;
}

// The same digits, found inline for the common floats: normal, their
// digits held in 64 bits. The exponent is estimated from the binary one,
// and taken one higher when the digits come to 10^digits or more. The rest
// takes wide_significant_digits.
[[gnu::always_inline]] inline bool significant_digits(float value, int digits, std::uint64_t& significand,
                                                      int& exponent) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>((bits >> 23) & 0xFF);
    if (biased != 0) {
        const int e = biased - 150;
        const std::uint64_t m = (bits & 0x7FFFFF) | 0x800000;
        // 2^b <= |value| < 2^(b+1) with b = e + 23; floor(b * log10(2)) is (b * 78913) >> 18.
        const int estimate = (((e + 23) * 78913) >> 18) + 1;
        std::uint64_t rounded;
        if (narrow_scaled(m, e, digits - estimate, rounded)) {
            if (rounded < POWERS_OF_TEN[digits]) {
                significand = rounded;
                exponent = estimate;
                return true;
            }
            if (narrow_scaled(m, e, digits - estimate - 1, rounded) && rounded < POWERS_OF_TEN[digits]) {
                significand = rounded;
                exponent = estimate + 1;
                return true;
            }
        }
    }
    return wide_significant_digits(value, digits, significand, exponent);
}

// "00" to "99", two characters each.
inline constexpr char DIGIT_PAIRS[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the last `count` decimal digits of `number`, leading zeros included,
// two at a time from the last.
inline void write_digits(char* out, std::uint64_t number, int count) {
    int at = count;
    // Division in 32 bits is the cheaper, and serves every field of the writers.
    if (number <= UINT32_MAX) {
        auto narrow = static_cast<std::uint32_t>(number);
        for (; at >= 2; at -= 2, narrow /= 100) std::memcpy(out + at - 2, DIGIT_PAIRS + 2 * (narrow % 100), 2);
        if (at == 1) out[0] = static_cast<char>('0' + narrow % 10);
        return;
    }
    for (; at >= 2; at -= 2, number /= 100) std::memcpy(out + at - 2, DIGIT_PAIRS + 2 * (number % 100), 2);
    if (at == 1) out[0] = static_cast<char>('0' + number % 10);
}

}  // namespace sferonda
