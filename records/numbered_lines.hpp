#pragma once
// The bulk read of a model file's numbered lines: line n holding its number
// n, then one value for each column, all in the common number forms
// separated by blanks or tabs. Such lines are read straight from the input
// buffer, a block of lines at a time, with what the free-form read would
// give them; the rest of a line after its last value is passed over, as the
// free-form read does. Any other line stops the bulk read before it, for the
// free-form read to take from its start: it then finds the same values up
// to the point where the line parted from the common form.

#include <array>
#include <bit>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "records/number_scan.hpp"
#include "records/units.hpp"

namespace sferonda {

namespace numbered_lines {

// Eight bytes of text are loaded as one word, the first byte its lowest.
static_assert(std::endian::native == std::endian::little, "the bulk read takes text as little-endian words");

using number_scan::is_blank;

// The scanners below read text of whole lines from the input buffer: every
// line ends with a line feed before the end of the text, so a run of digits,
// blanks or anything but a line feed stops there without a bound to test,
// and LineSource::READ_AHEAD bytes after the text may be read eight at a
// time.

// A value ends before a blank, a tab or the line end (a line feed, or a
// carriage return right before one, which the free-form read drops).
enum ValueEnd : std::uint8_t { NOT_AN_END, AN_END, AN_END_BEFORE_A_LINE_FEED };
constexpr auto VALUE_ENDS = [] {
    std::array<ValueEnd, 256> ends{};
    ends[' '] = ends['\t'] = ends['\n'] = AN_END;
    ends['\r'] = AN_END_BEFORE_A_LINE_FEED;
    return ends;
}();

[[gnu::always_inline]] inline bool ends_value(const char* at) {
    const ValueEnd end = VALUE_ENDS[static_cast<unsigned char>(*at)];
    return end == AN_END || (end == AN_END_BEFORE_A_LINE_FEED && at[1] == '\n');
}

[[gnu::always_inline]] inline const char* after_blanks(const char* at) {
    // Most values start right away, with a digit or a sign, above the blank.
    if (static_cast<unsigned char>(*at) > ' ') return at;
    while (is_blank(*at)) ++at;
    return at;
}

// Short numbers eight bytes at a time. The bytes are taken as they lie in
// memory, the first in the lowest byte, each less '0' (by XOR, so that the
// digits become 0 to 9 and every other character a byte above 9).
namespace eight_bytes {

constexpr std::uint64_t ZEROS = 0x3030303030303030ULL;
constexpr std::uint64_t TOP_BITS = 0x8080808080808080ULL;
constexpr std::uint64_t ABOVE_NINE = 0x7676767676767676ULL;  // lifts 10 to 0x80
constexpr std::uint64_t POINT = '.' ^ '0';

[[gnu::always_inline]] inline std::uint64_t values_at(const char* at) {
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word ^ ZEROS;
}

// The top bit of every byte that is not a digit: set in the byte itself, or
// in it plus 0x76 when it is 10 or more. A carry out of a byte only reaches
// later bytes, so the lowest bit set marks the first byte not a digit.
[[gnu::always_inline]] inline std::uint64_t non_digits(std::uint64_t values) {
    return (values | (values + ABOVE_NINE)) & TOP_BITS;
}

// The number the digits in the first bytes of `values` make, the bytes
// after them zero, as if those were digits 0: joined pairwise into 2-, 4-
// and 8-digit numbers, the first byte the most significant digit.
[[gnu::always_inline]] inline std::uint64_t eight_digit_number(std::uint64_t values) {
    values = (values * 10 + (values >> 8)) & 0x00FF00FF00FF00FFULL;
    values = (values * 100 + (values >> 16)) & 0x0000FFFF0000FFFFULL;
    return (values * 10000 + (values >> 32)) & 0xFFFFFFFFULL;
}

// 10^(8 - k) at the index 8k + 7 of the top bit of byte k, k from 0 to 7.
constexpr auto TEN_TO_EIGHT_LESS_BYTES = [] {
    std::array<double, 64> powers{};
    double power = 1e8;
    for (int byte = 0; byte < 8; ++byte, power /= 10) powers[8 * byte + 7] = power;
    return powers;
}();

// Digits with at most one point, at least one digit, ending within the
// eight bytes at `at`: their value, rounded once, and where they end; false
// when they run on or hold no digit. At most seven digits make an integer
// below 2^24 over at most 10^7, both exact floats; their quotient is found
// as the eight digits (zeros after the last) over 10^(8 - digits before the
// point), exact doubles, and rounded to double and then to float, which
// rounds as once for a quotient of two floats (53 >= 2 * 24 + 2).
[[gnu::always_inline]] inline bool real(const char* at, float& magnitude, const char*& end) {
    const std::uint64_t values = values_at(at);
    const std::uint64_t others = non_digits(values);
    if (others == 0) return false;
    const std::uint64_t first = others & (0 - others);  // top bit of the first byte not a digit
    const int first_index = __builtin_ctzll(first);
    const std::uint64_t before_first = (first >> 7) - 1;
    std::uint64_t digits;
    if (((values >> (first_index - 7)) & 0xFF) == POINT) {
        const std::uint64_t rest = others & (others - 1);
        const std::uint64_t second = rest & (0 - rest);  // top bit of the byte that ends the value
        // None within the eight bytes, or right after a point that stands alone.
        if (second <= std::uint64_t{1} << 15) return false;
        const std::uint64_t after_point = (values & ~((first << 1) - 1)) >> 8;
        digits = ((values & before_first) | after_point) & ((second >> 15) - 1);
        end = at + (__builtin_ctzll(second) >> 3);
    } else {
        if (before_first == 0) return false;
        digits = values & before_first;
        end = at + (first_index >> 3);
    }
    magnitude = static_cast<float>(static_cast<double>(eight_digit_number(digits)) /
                                   TEN_TO_EIGHT_LESS_BYTES[static_cast<std::size_t>(first_index)]);
    return true;
}

}  // namespace eight_bytes

// Where the next value may start after a value ending at `at`: past the
// blank that most often ends it, or at whatever else ends it; null when
// nothing ends it here.
[[gnu::always_inline]] inline const char* after_value_end(const char* at) {
    if (*at == ' ') return at + 1;
    if (*at == '\n') return at;
    return ends_value(at) ? at : nullptr;
}

// Blanks, then a sign and at most 10 digits within the 32-bit range.
[[gnu::always_inline]] inline bool scan_value(const char*& at, std::int32_t& value) {
    const char* const start = after_blanks(at);
    // One digit, as colors are written, at the end of the line or before a blank.
    const unsigned first_digit = static_cast<unsigned char>(*start) - unsigned{'0'};
    if (first_digit <= 9 && (start[1] == '\n' || start[1] == ' ')) {
        value = static_cast<std::int32_t>(first_digit);
        at = start + 1;
        return true;
    }
    const number_scan::ScannedNumber number = number_scan::scan<number_scan::Form::SignAndDigits>(start, number_scan::LineText{});
    std::int32_t found;
    if (!number_scan::plain_integer(number, found)) return false;
    const char* const after = after_value_end(number.end);
    if (after == nullptr) return false;
    value = found;
    at = after;
    return true;
}

// A short real from `start` that eight bytes did not hold, `at` moved past
// the end of it; kept out of line, away from the common case's registers.
[[gnu::noinline]] inline bool scan_short_real(const char*& at, const char* start, float& value) {
    const number_scan::ScannedNumber number = number_scan::scan(start, number_scan::LineText{});
    const char* const after = after_value_end(number.end);
    if (after == nullptr || !number_scan::short_real(number, value)) return false;
    at = after;
    return true;
}

// Blanks, then a short real (number_scan::short_real): most often digits
// with at most one point, converted eight bytes at a time.
[[gnu::always_inline]] inline bool scan_value(const char*& at, float& value) {
    const char* const start = after_blanks(at);
    const bool negative = *start == '-';
    float short_magnitude;
    const char* short_end;
    if (eight_bytes::real(start + (negative || *start == '+'), short_magnitude, short_end)) {
        if (const char* const after = after_value_end(short_end)) {
            value = negative ? -short_magnitude : short_magnitude;
            at = after;
            return true;
        }
    }
    return scan_short_real(at, start, value);
}

// The line number as the common form writes it (digits, no sign, no
// leading zero), kept as text and counted up line by line, so that a line's
// number is matched rather than converted. Numbers of at most 7 digits, so
// that the number and the blank after it fit in the eight bytes that one
// load takes.
class NumberText {
public:
    // The largest number it may count up to.
    static constexpr std::int32_t LARGEST = 9999999;
    static constexpr int MOST_DIGITS = 7;
    static_assert(MOST_DIGITS + 1 <= int(LineSource::READ_AHEAD),
                  "the number and its blank are loaded as one word, read ahead past the text");

    explicit NumberText(std::int32_t number) { spell(number); }

    // The next number, counted up in the text: most often only the last digit moves.
    void count_up() {
        ++number_;
        if ((digits_ & last_digit_mask_) != last_digit_nine_) {
            digits_ += last_digit_one_;
            digits_and_blank_ += last_digit_one_;
            return;
        }
        carry();
    }

    // True, `at` moved past it, when blanks and then the text stand at `at`,
    // ending as a value ends.
    [[gnu::always_inline]] bool match(const char*& at) const {
        const char* next = after_blanks(at);
        std::uint64_t found;
        std::memcpy(&found, next, sizeof found);
        if ((found & digits_and_blank_mask_) == digits_and_blank_) {
            at = next + length_ + 1;
            return true;
        }
        if ((found & digits_mask_) != digits_) return false;
        next += length_;
        if (!ends_value(next)) return false;
        at = next;
        return true;
    }

private:
    // The `count` lowest bytes of a word set, 1 to 8 of them.
    static std::uint64_t low_bytes(int count) {
        assert(count >= 1 && count <= 8);
        return ~std::uint64_t{0} >> (64 - 8 * count);
    }

    void spell(std::int32_t number) {
        assert(number >= 1 && number <= LARGEST);
        number_ = number;
        char text[8] = {};
        length_ = 0;
        for (std::int32_t rest = number; rest != 0; rest /= 10) ++length_;
        assert(length_ <= MOST_DIGITS);
        for (int at = length_ - 1; at >= 0; --at, number /= 10) text[at] = static_cast<char>('0' + number % 10);
        text[length_] = ' ';
        std::memcpy(&digits_and_blank_, text, sizeof digits_and_blank_);
        digits_and_blank_mask_ = low_bytes(length_ + 1);
        digits_mask_ = low_bytes(length_);
        digits_ = digits_and_blank_ & digits_mask_;
        last_digit_one_ = std::uint64_t{1} << (8 * (length_ - 1));
        last_digit_mask_ = 0xFF * last_digit_one_;
        last_digit_nine_ = '9' * last_digit_one_;
    }

    // A 9 turns to 0 and carries; all nines make one digit more.
    void carry() {
        for (std::uint64_t one = last_digit_one_; one != 0; one >>= 8) {
            if ((digits_ & 0xFF * one) != '9' * one) {
                digits_ += one;
                digits_and_blank_ = digits_ | (digits_and_blank_ & ~digits_mask_);
                return;
            }
            digits_ -= 9 * one;
        }
        spell(number_);
    }

    std::int32_t number_ = 0;
    int length_ = 0;
    // The text's bytes as they lie in memory, in a word, and the bytes of the word they fill.
    std::uint64_t digits_ = 0, digits_mask_ = 0;
    std::uint64_t digits_and_blank_ = 0, digits_and_blank_mask_ = 0;
    // The last digit's 1, its byte, and 9 in it.
    std::uint64_t last_digit_one_ = 0, last_digit_mask_ = 0, last_digit_nine_ = 0;
};

// Serves the line numbered `number` from `at`, moving `at` to the next line;
// false when the line is not of the common form or holds another number.
// The lines from `at` to `end` are whole, so every scan meets a line feed
// before `end`.
template <class... Value>
[[gnu::always_inline]] inline bool serve_line(const char*& at, const char* end, const NumberText& number_text,
                                              std::int32_t number, Value*... columns) {
    const char* next = at;
    if (!number_text.match(next)) return false;
    if (!(scan_value(next, columns[number]) && ...)) return false;
    if (*next != '\n') next = static_cast<const char*>(std::memchr(next, '\n', static_cast<std::size_t>(end - next)));
    at = next + 1;
    return true;
}

}  // namespace numbered_lines

// Reads lines `first` to at most `last` of `unit`, line n's values going to
// columns[n] (each column an array of std::int32_t or float indexed by the
// line number). Answers the number of the first line not read.
template <class... Value>
std::int32_t read_numbered_lines(Units& units, int unit, std::int32_t first, std::int32_t last, Value*... columns) {
    // The count goes one past the last line.
    if (first < 1 || last >= numbered_lines::NumberText::LARGEST) return first;
    LineSource& source = input_unit(units, unit);
    std::int32_t number = first;
    numbered_lines::NumberText number_text(number);
    while (number <= last) {
        const std::string_view lines = source.whole_lines();
        if (lines.empty()) break;
        const char* at = lines.data();
        const char* const end = at + lines.size();
        while (number <= last && at != end && numbered_lines::serve_line(at, end, number_text, number, columns...)) {
            ++number;
            number_text.count_up();
        }
        source.skip(static_cast<std::size_t>(at - lines.data()));
        if (at != end && number <= last) break;
    }
    return number;
}

}  // namespace sferonda
