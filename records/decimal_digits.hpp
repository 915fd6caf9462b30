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
[[nodiscard]] bool wide_significant_digits(float value, int digits, std::uint64_t& significand, int& exponent);

namespace narrow_digits {

// 5^0 to 5^16: m * 5^16 stays below 2^63 for a significand m below 2^24.
constexpr int LARGEST_POWER_OF_FIVE = 16;
inline constexpr std::uint64_t POWERS_OF_FIVE[] = {1ULL, 5ULL, 25ULL, 125ULL, 625ULL, 3125ULL, 15625ULL,
                                                   78125ULL, 390625ULL, 1953125ULL, 9765625ULL, 48828125ULL,
                                                   244140625ULL, 1220703125ULL, 6103515625ULL, 30517578125ULL,
                                                   152587890625ULL};
inline constexpr std::uint64_t POWERS_OF_TEN[] = {1ULL, 10ULL, 100ULL, 1000ULL, 10000ULL, 100000ULL, 1000000ULL,
                                                  10000000ULL, 100000000ULL, 1000000000ULL, 10000000000ULL,
                                                  100000000000ULL, 1000000000000ULL, 10000000000000ULL,
                                                  100000000000000ULL, 1000000000000000ULL,
                                                  10000000000000000ULL, 100000000000000000ULL};

}  // namespace narrow_digits

// The same digits, found inline in one step for the common floats: normal,
// with the estimated exponent right, and m * 10^power * 2^e held in 64 bits
// as m * 5^power shifted right. The rest takes wide_significant_digits.
[[gnu::always_inline]] inline bool significant_digits(float value, int digits, std::uint64_t& significand,
                                                      int& exponent) {
    using namespace narrow_digits;
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>(bits >> 23 & 0xFF);
    const int e = biased - 150;
    // 2^b <= |value| < 2^(b+1) with b = e + 23; floor(b * log10(2)) is (b * 78913) >> 18.
    const int estimate = (((e + 23) * 78913) >> 18) + 1;
    const int power = digits - estimate;
    const int shift = -(e + power);
    if (biased != 0 && power >= 0 && power <= LARGEST_POWER_OF_FIVE && shift > 0 && shift < 64) {
        const std::uint64_t scaled = std::uint64_t{(bits & 0x7FFFFF) | 0x800000} * POWERS_OF_FIVE[power];
        const std::uint64_t quotient = scaled >> shift;
        const std::uint64_t remainder = scaled & ((std::uint64_t{1} << shift) - 1);
        const std::uint64_t half = std::uint64_t{1} << (shift - 1);
        const std::uint64_t rounded =
            quotient + (remainder > half || (remainder == half && (quotient & 1) != 0) ? 1 : 0);
        if (rounded < POWERS_OF_TEN[digits]) {
            significand = rounded;
            exponent = estimate;
            return true;
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
