#pragma once
// Decimal digits of a float found with exact integer arithmetic: the
// float's binary value m * 2^e is scaled by a power of ten and rounded
// once, to nearest, ties to even, as std::to_chars rounds. Each function
// answers false, computing nothing, where its integers could not hold the
// result; callers then take std::to_chars.

#include <cstdint>

namespace sferonda {

// Most digits the functions below produce.
constexpr int MAX_EXACT_DIGITS = 17;

// |value| * 10^power rounded to an integer, for a finite `value`.
[[nodiscard]] bool scaled_rounded(float value, int power, std::uint64_t& rounded);

// The first `digits` significant digits of a finite nonzero `value`, rounded:
// |value| is about 0.d1d2...dn * 10^exponent, and `significand` is the
// integer d1d2...dn of exactly `digits` digits. 1 <= digits <= MAX_EXACT_DIGITS.
[[nodiscard]] bool significant_digits(float value, int digits, std::uint64_t& significand, int& exponent);

// Writes the last `count` decimal digits of `number`, leading zeros included.
inline void write_digits(char* out, std::uint64_t number, int count) {
    // Division in 32 bits is the cheaper, and serves every field of the writers.
    if (number <= UINT32_MAX) {
        auto narrow = static_cast<std::uint32_t>(number);
        for (int at = count - 1; at >= 0; --at, narrow /= 10) out[at] = static_cast<char>('0' + narrow % 10);
        return;
    }
    for (int at = count - 1; at >= 0; --at, number /= 10) out[at] = static_cast<char>('0' + number % 10);
}

}  // namespace sferonda
