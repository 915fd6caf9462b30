#pragma once
// Decimal digits of a float found with exact integer arithmetic: the
// float's binary value m * 2^e is scaled by a power of ten and rounded
// once, to nearest, ties to even, as std::to_chars rounds. Each function
// answers false, computing nothing, where its integers could not hold the
// result; callers then take std::to_chars.

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
[[nodiscard]] bool significant_digits(float value, int digits, std::uint64_t& significand, int& exponent);

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
