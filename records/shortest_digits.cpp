#include "records/shortest_digits.hpp"

#include <bit>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <type_traits>

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
template <class Word>
struct Quotient {
    std::uint64_t integer;
    Word remainder;
};

// Division by 2^bits, the common case: shifts only.
template <class WordType>
struct BinaryDivisor {
    using Word = WordType;
    int bits;

    Quotient<Word> divide(Word numerator) const {
        return {static_cast<std::uint64_t>(numerator >> bits), numerator & ((Word{1} << bits) - 1)};
    }
    // The sign of remainder - divisor / 2.
    int against_half(Word remainder) const {
        const Word twice = remainder << 1, unit = Word{1} << bits;
        return twice < unit ? -1 : twice > unit ? 1 : 0;
    }
};

// Division by any divisor: the floats of 2^23 and more only.
struct GeneralDivisor {
    using Word = Wide;
    Wide divisor;

    Quotient<Word> divide(Wide numerator) const {
        const Wide integer = numerator / divisor;
        return {static_cast<std::uint64_t>(integer), numerator - integer * divisor};
    }
    int against_half(Wide remainder) const {
        const Wide twice = remainder << 1;
        return twice < divisor ? -1 : twice > divisor ? 1 : 0;
    }
};

template <class Divisor>
Quotient<typename Divisor::Word> times_ten(const Divisor& divisor, Quotient<typename Divisor::Word> quotient) {
    const auto carried = divisor.divide(quotient.remainder * 10);
    return {quotient.integer * 10 + carried.integer, carried.remainder};
}

// value = digits * 10^exponent.
struct Decimal {
    std::uint32_t digits;
    int exponent;
};

// Values read from short decimals leave several zeros: four at a time first.
Decimal without_trailing_zeros(std::uint32_t digits, int exponent) {
    while (digits % 10000 == 0) {
        digits /= 10000;
        exponent += 4;
    }
    if (digits % 100 == 0) {
        digits /= 100;
        exponent += 2;
    }
    if (digits % 10 == 0) {
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
template <class Divisor, class Word = typename Divisor::Word>
Decimal shortest_in(const Divisor& divisor, std::type_identity_t<Word> low, std::type_identity_t<Word> value,
                    std::type_identity_t<Word> high, bool inclusive, int level) {
    const Quotient<Word> top = divisor.divide(high);
    const Quotient<Word> bottom = divisor.divide(low);
    const std::uint64_t candidate = top.integer - (top.remainder == 0 && !inclusive ? 1 : 0);
    if (candidate > bottom.integer || (candidate == bottom.integer && bottom.remainder == 0 && inclusive)) {
        return without_trailing_zeros(static_cast<std::uint32_t>(candidate), level);
    }
    const Quotient<Word> top_ten = times_ten(divisor, top);
    const Quotient<Word> bottom_ten = times_ten(divisor, bottom);
    const Quotient<Word> value_ten = times_ten(divisor, divisor.divide(value));
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

// The floats beyond 64-bit numerators: those whose interval is narrower
// than 10^-17 (below about 10^-10), and those of 2^23 and more.
[[gnu::noinline]] Decimal wide_shortest_decimal(const Interval& interval, int level) {
    if (level <= 0) {
        // As in shortest_decimal, with 5^-level up to 5^44: n, at most 2^25 + 2, times 5^44 is below 2^128.
        const int bits = level - interval.unit_exponent;
        assert(bits > 0 && bits < 120);
        const Wide five = power_of_five(-level);
        return shortest_in(BinaryDivisor<Wide>{bits}, interval.low * five, interval.value * five,
                           interval.high * five, interval.inclusive, level);
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

Decimal shortest_decimal(std::uint32_t magnitude_bits) {
    const Interval interval = rounding_interval(magnitude_bits);
    const int level = interval.log10_width + 1;
    if (level > 0 || -level > LARGEST_NARROW_POWER_OF_FIVE) return wide_shortest_decimal(interval, level);
    // n * 2^unit_exponent * 10^-level is n * 5^-level over 2^(level - unit_exponent): n is
    // below 2^26 and 5^16 below 2^38; the floats are of 10^-17 and more, so 2^bits is below 2^60.
    const int bits = level - interval.unit_exponent;
    assert(bits > 0 && bits < 60);
    const std::uint64_t five = POWERS_OF_FIVE[static_cast<std::size_t>(-level)];
    return shortest_in(BinaryDivisor<std::uint64_t>{bits}, interval.low * five, interval.value * five,
                       interval.high * five, interval.inclusive, level);
}

int digit_count(std::uint32_t digits) {
    // floor(log10(2) * bit width) is the count, or one less.
    const int estimate = (std::bit_width(digits) * 1233) >> 12;
    return estimate + (digits >= POWERS_OF_TEN[static_cast<std::size_t>(estimate)] ? 1 : 0);
}

// The digits of a decimal, without leading zeros, followed by scratch
// bytes: the texts below are put together with fixed-size copies.
struct DigitText {
    char text[32];
    const char* first;
    int count;

    // Nine digits are the most a float needs: a digit and four pairs, from
    // two halves worked side by side.
    explicit DigitText(std::uint32_t digits) {
        const std::uint32_t high = digits / 10000, low = digits % 10000;
        text[0] = static_cast<char>('0' + high / 10000);
        std::memcpy(text + 1, DIGIT_PAIRS + 2 * (high / 100 % 100), 2);
        std::memcpy(text + 3, DIGIT_PAIRS + 2 * (high % 100), 2);
        std::memcpy(text + 5, DIGIT_PAIRS + 2 * (low / 100), 2);
        std::memcpy(text + 7, DIGIT_PAIRS + 2 * (low % 100), 2);
        count = digit_count(digits);
        first = text + 9 - count;
    }
};

// d.ddd, or d alone.
char* write_with_point(char* out, const DigitText& digits, int point) {
    std::memcpy(out, digits.first, 8);  // a point comes after at most 8 digits
    if (point >= digits.count) return out + digits.count;
    out[point] = '.';
    std::memcpy(out + point + 1, digits.first + point, 8);
    return out + digits.count + 1;
}

char* write_scientific(char* out, const DigitText& digits, int exponent) {
    out = write_with_point(out, digits, 1);
    out[0] = 'e';
    out[1] = exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;  // at most 45
    std::memcpy(out + 2, DIGIT_PAIRS + 2 * magnitude, 2);
    return out + 4;
}

// An integer in fixed notation is the float's own value, every digit of it:
// to_chars takes the nearest of the texts of the same length. Below 2^24
// that is the digits and zeros.
char* write_fixed(char* out, const DigitText& digits, int exponent, std::uint32_t magnitude_bits) {
    if (exponent < 0) {
        std::memcpy(out, "0.000", 5);  // fixed notation is the shorter only down to 0.000d
        std::memcpy(out + 1 - exponent, digits.first, 16);
        return out + 1 - exponent + digits.count;
    }
    if (digits.count > exponent + 1) return write_with_point(out, digits, exponent + 1);
    const int e = static_cast<int>(magnitude_bits >> 23) - 150;
    if (e > 0) {
        write_digits(out, ((magnitude_bits & 0x7FFFFF) | 0x800000ULL) << e, exponent + 1);
    } else {
        std::memcpy(out, digits.first, 16);
        std::memcpy(out + digits.count, "0000000000000000", 16);  // at most 13 zeros
    }
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
    const DigitText digits(decimal.digits);
    const int count = digits.count;
    const int exponent = decimal.exponent + count - 1;  // of the first digit
    const int scientific_length = count + (count > 1 ? 1 : 0) + 4;
    const int fixed_length = exponent < 0 ? count + 1 - exponent : count > exponent + 1 ? count + 1 : exponent + 1;
    if (fixed_length <= scientific_length) return write_fixed(out, digits, exponent, magnitude_bits);
    return write_scientific(out, digits, exponent);
}

}  // namespace sferonda
