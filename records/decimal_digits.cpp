#include "records/decimal_digits.hpp"

#include <array>
#include <bit>
#include <cassert>
#include <cmath>
#include <cstring>

namespace sferonda {

namespace {

using Wide = unsigned __int128;

// 5^0 to 5^27: the powers of five below 2^63.
constexpr int LARGEST_POWER_OF_FIVE = 27;
constexpr std::array<std::uint64_t, LARGEST_POWER_OF_FIVE + 1> POWERS_OF_FIVE = [] {
    std::array<std::uint64_t, LARGEST_POWER_OF_FIVE + 1> powers{};
    powers[0] = 1;
    for (int i = 1; i <= LARGEST_POWER_OF_FIVE; ++i) powers[i] = powers[i - 1] * 5;
    return powers;
}();

constexpr std::array<std::uint64_t, MAX_EXACT_DIGITS + 2> POWERS_OF_TEN = [] {
    std::array<std::uint64_t, MAX_EXACT_DIGITS + 2> powers{};
    powers[0] = 1;
    for (int i = 1; i < static_cast<int>(powers.size()); ++i) powers[i] = powers[i - 1] * 10;
    return powers;
}();

constexpr Wide ONE = 1;
constexpr Wide FITS_64_BITS = ONE << 64;

// A finite float as m * 2^e, m below 2^24.
struct BinaryValue {
    std::uint32_t m;
    int e;
};

BinaryValue binary_value(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>(bits >> 23 & 0xFF);
    const std::uint32_t fraction = bits & 0x7FFFFF;
    if (biased == 0) return {fraction, -149};  // zero and the subnormals
    return {fraction | 0x800000, biased - 150};
}

// numerator / denominator rounded to nearest, ties to even.
bool rounded_quotient(Wide numerator, Wide denominator, std::uint64_t& rounded) {
    const Wide quotient = numerator / denominator;
    const Wide remainder = numerator - quotient * denominator;
    const Wide twice = remainder * 2;  // remainder < denominator < 2^127
    const bool up = twice > denominator || (twice == denominator && (quotient & 1) != 0);
    const Wide result = quotient + (up ? 1 : 0);
    if (result >= FITS_64_BITS) return false;
    rounded = static_cast<std::uint64_t>(result);
    return true;
}

// m * 2^shift, shift below 0, rounded.
bool shifted_right_rounded(Wide numerator, int shift, std::uint64_t& rounded) {
    if (shift >= 127) {
        // numerator below 2^103 is less than half of 2^shift.
        rounded = 0;
        return true;
    }
    const Wide quotient = numerator >> shift;
    const Wide remainder = numerator - (quotient << shift);
    const Wide half = ONE << (shift - 1);
    const bool up = remainder > half || (remainder == half && (quotient & 1) != 0);
    const Wide result = quotient + (up ? 1 : 0);
    if (result >= FITS_64_BITS) return false;
    rounded = static_cast<std::uint64_t>(result);
    return true;
}

// The common case in 64 bits: 2^24 * 5^16 is below 2^63.
constexpr int LARGEST_NARROW_POWER_OF_FIVE = 16;

// numerator * 2^-shift rounded, 0 < shift < 64.
bool narrow_shifted_right_rounded(std::uint64_t numerator, int shift, std::uint64_t& rounded) {
    const std::uint64_t quotient = numerator >> shift;
    const std::uint64_t remainder = numerator & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    rounded = quotient + (remainder > half || (remainder == half && (quotient & 1) != 0) ? 1 : 0);
    return true;
}

// m * 2^e * 10^power rounded, written m * 5^power * 2^(e + power).
bool scaled_binary_rounded(BinaryValue binary, int power, std::uint64_t& rounded) {
    const int twos = binary.e + power;
    if (power >= 0 && power <= LARGEST_NARROW_POWER_OF_FIVE && twos < 0 && twos > -64) {
        return narrow_shifted_right_rounded(binary.m * POWERS_OF_FIVE[power], -twos, rounded);
    }
    if (power >= 0) {
        if (power > LARGEST_POWER_OF_FIVE) return false;
        const Wide numerator = Wide{binary.m} * POWERS_OF_FIVE[power];  // below 2^87
        if (twos >= 0) {
            if (twos > 40 || (numerator << twos) >= FITS_64_BITS) return false;
            rounded = static_cast<std::uint64_t>(numerator << twos);
            return true;
        }
        return shifted_right_rounded(numerator, -twos, rounded);
    }
    if (-power > LARGEST_POWER_OF_FIVE) return false;
    const Wide fives = POWERS_OF_FIVE[-power];
    if (twos >= 0) {
        if (twos > 100) return false;
        return rounded_quotient(Wide{binary.m} << twos, fives, rounded);
    }
    if (-twos > 64) {
        // The divisor is beyond 2^64, more than twice m: the quotient rounds to 0.
        rounded = 0;
        return true;
    }
    return rounded_quotient(binary.m, fives << -twos, rounded);
}

}  // namespace

bool scaled_rounded(float value, int power, std::uint64_t& rounded) {
    assert(std::isfinite(value));
    return scaled_binary_rounded(binary_value(value), power, rounded);
}

bool wide_significant_digits(float value, int digits, std::uint64_t& significand, int& exponent) {
    assert(std::isfinite(value) && value != 0.0f);
    assert(digits >= 1 && digits <= MAX_EXACT_DIGITS);
    const BinaryValue binary = binary_value(value);
    // 2^b <= |value| < 2^(b+1); floor(b * log10(2)) is (b * 78913) >> 18 for |b| far beyond 149.
    const int b = std::bit_width(binary.m) - 1 + binary.e;
    exponent = ((b * 78913) >> 18) + 1;  // |value| >= 10^(exponent-1), and below 10^(exponent+1)
    const std::uint64_t limit = POWERS_OF_TEN[digits];
    // One more digit than asked, or rounding up to 10^digits, moves the exponent on.
    for (;;) {
        std::uint64_t rounded;
        if (!scaled_binary_rounded(binary, digits - exponent, rounded)) return false;
        if (rounded < limit) {
            assert(rounded >= POWERS_OF_TEN[digits - 1]);
            significand = rounded;
            return true;
        }
        ++exponent;
    }
}

}  // namespace sferonda
