#include "records/shortest_digits.hpp"

#include <bit>
#include <cassert>
#include <cstdint>
#include <cstring>

#include "records/decimal_digits.hpp"

namespace sferonda {

namespace {

using Wide = unsigned __int128;

// The reals that read back as a finite nonzero float: those strictly
// between low and high, the ends too when `inclusive` (the float's
// significand is even, and a tie reads back to it). All three counted in
// units of 2^unit_exponent.
struct Interval {
    std::uint64_t low;
    std::uint64_t value;
    std::uint64_t high;
    int unit_exponent;
    bool inclusive;
    int log10_width;  // floor(log10(high - low)) of the real width
};

Interval rounding_interval(std::uint32_t magnitude_bits) {
    const int biased = static_cast<int>(magnitude_bits >> 23);
    const std::uint32_t fraction = magnitude_bits & 0x7FFFFF;
    const std::uint64_t m = biased == 0 ? fraction : fraction | 0x800000;
    const int e = biased == 0 ? -149 : biased - 150;
    const bool inclusive = m % 2 == 0;
    if (fraction == 0 && biased > 1) {
        // A power of two: the float below is twice as near as the one above.
        // floor(log10(3 * 2^(e-2))) is (e * 78913 - 32752) >> 18 over the floats' exponents.
        const std::uint64_t scaled = m << 2;
        return {scaled - 1, scaled, scaled + 2, e - 2, inclusive, (e * 78913 - 32752) >> 18};
    }
    const std::uint64_t scaled = m << 1;
    return {scaled - 1, scaled, scaled + 1, e - 1, inclusive, (e * 78913) >> 18};
}

// 5^power for 0 <= power <= 54.
Wide power_of_five(int power) {
    assert(power >= 0 && power <= 2 * LARGEST_POWER_OF_FIVE);
    if (power <= LARGEST_POWER_OF_FIVE) return POWERS_OF_FIVE[static_cast<std::size_t>(power)];
    return Wide{POWERS_OF_FIVE[LARGEST_POWER_OF_FIVE]} *
           POWERS_OF_FIVE[static_cast<std::size_t>(power - LARGEST_POWER_OF_FIVE)];
}

// An exact quotient: integer part and remainder.
struct Quotient {
    std::uint64_t integer;
    Wide remainder;
};

// Division by 2^bits, the common case: shifts only.
struct BinaryDivisor {
    int bits;

    Quotient divide(Wide numerator) const {
        return {static_cast<std::uint64_t>(numerator >> bits), numerator & ((Wide{1} << bits) - 1)};
    }
    // The sign of remainder - divisor / 2.
    int against_half(Wide remainder) const {
        const Wide twice = remainder << 1, unit = Wide{1} << bits;
        return twice < unit ? -1 : twice > unit ? 1 : 0;
    }
};

// Division by any divisor: the floats of 2^23 and more only.
struct GeneralDivisor {
    Wide divisor;

    Quotient divide(Wide numerator) const {
        const Wide integer = numerator / divisor;
        return {static_cast<std::uint64_t>(integer), numerator - integer * divisor};
    }
    int against_half(Wide remainder) const {
        const Wide twice = remainder << 1;
        return twice < divisor ? -1 : twice > divisor ? 1 : 0;
    }
};

template <class Divisor>
Quotient times_ten(const Divisor& divisor, Quotient quotient) {
    const Quotient carried = divisor.divide(quotient.remainder * 10);
    return {quotient.integer * 10 + carried.integer, carried.remainder};
}

// value = digits * 10^exponent.
struct Decimal {
    std::uint32_t digits;
    int exponent;
};

Decimal without_trailing_zeros(std::uint32_t digits, int exponent) {
    while (digits % 10 == 0) {
        digits /= 10;
        ++exponent;
    }
    return {digits, exponent};
}

// The shortest decimal in the interval scaled by 10^-level, where level is
// one above the interval width's power of ten: at that level the interval
// holds at most one integer, and if it holds one, that integer's trailing
// zeros give the shortest. Otherwise one level down, where the interval is
// at least one wide and so holds an integer: the one nearest the value.
template <class Divisor>
Decimal shortest_in(const Divisor& divisor, Wide low, Wide value, Wide high, bool inclusive, int level) {
    const Quotient top = divisor.divide(high);
    const Quotient bottom = divisor.divide(low);
    const std::uint64_t candidate = top.integer - (top.remainder == 0 && !inclusive ? 1 : 0);
    if (candidate > bottom.integer || (candidate == bottom.integer && bottom.remainder == 0 && inclusive)) {
        return without_trailing_zeros(static_cast<std::uint32_t>(candidate), level);
    }
    const Quotient top_ten = times_ten(divisor, top);
    const Quotient bottom_ten = times_ten(divisor, bottom);
    const Quotient value_ten = times_ten(divisor, divisor.divide(value));
    const int half = divisor.against_half(value_ten.remainder);
    std::uint64_t nearest = value_ten.integer + (half > 0 || (half == 0 && value_ten.integer % 2 != 0) ? 1 : 0);
    // Near a power of two the interval is lopsided: the nearest may fall
    // outside on the near side, and the next integer is the answer.
    if (nearest < bottom_ten.integer ||
        (nearest == bottom_ten.integer && (bottom_ten.remainder != 0 || !inclusive))) {
        ++nearest;
    } else if (nearest > top_ten.integer || (nearest == top_ten.integer && top_ten.remainder == 0 && !inclusive)) {
        --nearest;
    }
    return {static_cast<std::uint32_t>(nearest), level - 1};
}

Decimal shortest_decimal(std::uint32_t magnitude_bits) {
    const Interval interval = rounding_interval(magnitude_bits);
    const int level = interval.log10_width + 1;
    if (level <= 0) {
        // n * 2^unit_exponent * 10^-level is n * 5^-level over 2^(level - unit_exponent).
        const Wide five = power_of_five(-level);
        const BinaryDivisor divisor{level - interval.unit_exponent};
        assert(divisor.bits > 0 && divisor.bits < 120);
        return shortest_in(divisor, interval.low * five, interval.value * five, interval.high * five,
                           interval.inclusive, level);
    }
    // n * 2^unit_exponent * 10^-level is n * 2^(unit_exponent - level) over 5^level.
    const Wide five = power_of_five(level);
    const int twos = interval.unit_exponent - level;
    if (twos >= 0) {
        return shortest_in(GeneralDivisor{five}, Wide{interval.low} << twos, Wide{interval.value} << twos,
                           Wide{interval.high} << twos, interval.inclusive, level);
    }
    return shortest_in(GeneralDivisor{five << -twos}, interval.low, interval.value, interval.high,
                       interval.inclusive, level);
}

int digit_count(std::uint32_t digits) {
    // floor(log10(2) * bit width) is the count, or one less.
    const int estimate = (std::bit_width(digits) * 1233) >> 12;
    return estimate + (digits >= POWERS_OF_TEN[static_cast<std::size_t>(estimate)] ? 1 : 0);
}

// `count` digits, with a point after the first `point` when more follow.
char* digits_with_point(char* out, std::uint32_t digits, int count, int point) {
    write_digits(out, digits, count);
    if (point >= count) return out + count;
    char fraction[8];  // at most 8 digits follow the point
    std::memcpy(fraction, out + point, sizeof fraction);
    out[point] = '.';
    std::memcpy(out + point + 1, fraction, sizeof fraction);
    return out + count + 1;
}

char* write_scientific(char* out, Decimal decimal, int count, int exponent) {
    out = digits_with_point(out, decimal.digits, count, 1);
    out[0] = 'e';
    out[1] = exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;  // at most 45
    std::memcpy(out + 2, DIGIT_PAIRS + 2 * magnitude, 2);
    return out + 4;
}

// An integer in fixed notation is the float's own value, every digit of it:
// to_chars takes the nearest of the texts of the same length.
char* write_fixed(char* out, Decimal decimal, int count, int exponent, std::uint32_t magnitude_bits) {
    if (exponent < 0) {
        std::memcpy(out, "0.000", 5);  // fixed notation is the shorter only down to 0.000d
        return digits_with_point(out + 1 - exponent, decimal.digits, count, count);
    }
    if (count > exponent + 1) return digits_with_point(out, decimal.digits, count, exponent + 1);
    const int e = static_cast<int>(magnitude_bits >> 23) - 150;
    const std::uint64_t integer = e > 0 ? ((magnitude_bits & 0x7FFFFF) | 0x800000ULL) << e
                                        : decimal.digits * POWERS_OF_TEN[static_cast<std::size_t>(exponent + 1 - count)];
    write_digits(out, integer, exponent + 1);
    return out + exponent + 1;
}

}  // namespace

char* write_shortest(char* out, float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    if (bits >> 31 != 0) *out++ = '-';
    const std::uint32_t magnitude_bits = bits & 0x7FFFFFFF;
    if (magnitude_bits >= 0x7F800000) {
        std::memcpy(out, magnitude_bits == 0x7F800000 ? "inf" : "nan", 3);
        return out + 3;
    }
    if (magnitude_bits == 0) {
        *out = '0';
        return out + 1;
    }
    const Decimal decimal = shortest_decimal(magnitude_bits);
    const int count = digit_count(decimal.digits);
    const int exponent = decimal.exponent + count - 1;  // of the first digit
    const int scientific_length = count + (count > 1 ? 1 : 0) + 4;
    const int fixed_length = exponent < 0 ? count + 1 - exponent : count > exponent + 1 ? count + 1 : exponent + 1;
    if (fixed_length <= scientific_length) return write_fixed(out, decimal, count, exponent, magnitude_bits);
    return write_scientific(out, decimal, count, exponent);
}

}  // namespace sferonda
