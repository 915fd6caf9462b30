#include "records/decimal_digits.hpp"

#include <array>
#include <bit>
#include <cassert>
#include <cmath>
#include <cstring>

namespace sferonda {

namespace {

using Wide = unsigned __int128;

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
    const int biased = static_cast<int>((bits >> 23) & 0xFF);
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

// numerator * 2^-shift rounded to nearest, ties to even, for shift above 0;
// false when the result outgrows 64 bits.
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

// m * 2^e * 10^power rounded, written m * 5^power * 2^(e + power).
bool scaled_binary_rounded(BinaryValue binary, int power, std::uint64_t& rounded) {
    if (narrow_scaled(binary.m, binary.e, power, rounded)) return true;
    const int twos = binary.e + power;
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
