#include "records/list_read.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>
#include <type_traits>

#include "platform/charconv.hpp"
#include "records/fatal_error.hpp"
#include "records/line_source.hpp"
#include "records/number_scan.hpp"
#include "records/units.hpp"

namespace sferonda {

namespace {

// Longest text value accepted; the variable keeps only its first NAME_LENGTH characters.
constexpr std::size_t MAX_TEXT_VALUE = 2049;

using number_scan::is_blank;
using number_scan::is_digit;
bool is_quote(char c) { return c == '\'' || c == '"'; }
bool ends_unquoted_value(char c) { return is_blank(c) || c == ',' || c == '/'; }

std::size_t skip_digits(std::string_view text, std::size_t at) {
    while (at < text.size() && is_digit(text[at])) ++at;
    return at;
}

// The number that a whole token makes, if it is one.
number_scan::ScannedNumber scan_token(std::string_view text) {
    const char* const end = text.data() + text.size();
    if (text.empty()) return {};
    return number_scan::scan(text.data(), number_scan::BoundedText{end});
}

bool is_whole_number(const number_scan::ScannedNumber& number, std::string_view text) {
    return number.is_number() && number.end == text.data() + text.size();
}

// Significant digits kept of a longer mantissa: more than the 767 that the
// rounding of a double can hinge on, so the digits after them count only by
// whether any is not zero, for which one more digit 1 stands.
constexpr std::ptrdiff_t MOST_SIGNIFICANT_DIGITS = 800;
// Room for a sign, those digits, the 1, and an exponent.
constexpr std::size_t DECIMAL_TEXT_SIZE = MOST_SIGNIFICANT_DIGITS + 32;

// The number as from_chars takes it, of the same value in bounded room: a
// minus sign, the significant digits and an exponent letter e with the
// power of ten of the last digit written.
std::size_t decimal_text(std::string_view text, const number_scan::ScannedNumber& number, char* out) {
    char* cursor = out;
    if (number.negative) *cursor++ = '-';
    const char* at = text.data() + (text.front() == '-' || text.front() == '+');
    const std::ptrdiff_t integer_digits = number.digit_count - number.fraction_digits;
    std::ptrdiff_t index = 0;  // of the digit at `at`, the point not counted
    std::ptrdiff_t first_significant = -1;
    bool dropped_non_zero = false;
    for (; index != number.digit_count; ++at) {
        if (*at == '.') continue;
        const char digit = *at;
        if (first_significant < 0 && digit != '0') first_significant = index;
        if (first_significant >= 0) {
            if (index - first_significant < MOST_SIGNIFICANT_DIGITS) {
                *cursor++ = digit;
            } else if (digit != '0') {
                dropped_non_zero = true;
            }
        }
        ++index;
    }
    std::int64_t power = number.exponent;
    if (first_significant < 0) {
        *cursor++ = '0';
    } else {
        const std::ptrdiff_t kept = std::min(number.digit_count - first_significant, MOST_SIGNIFICANT_DIGITS);
        power += integer_digits - first_significant - kept;
        if (dropped_non_zero) {
            *cursor++ = '1';
            --power;
        }
    }
    *cursor++ = 'e';
    cursor = std::to_chars(cursor, out + DECIMAL_TEXT_SIZE, power).ptr;
    return static_cast<std::size_t>(cursor - out);
}

// The value of a number, rounded once to the nearest T.
template <typename T>
T decimal_value(std::string_view text, const number_scan::ScannedNumber& number) {
    char copy[DECIMAL_TEXT_SIZE + 1];
    const std::size_t length = decimal_text(text, number, copy);
    copy[length] = '\0';
    T value{};
    auto [end, error] = platform::from_chars(copy, copy + length, value);
    // Beyond the range from_chars leaves the value alone; strtod and strtof
    // round correctly to infinity, a subnormal or a signed zero.
    if (error == std::errc::result_out_of_range) {
        if constexpr (std::is_same_v<T, float>) {
            value = std::strtof(copy, nullptr);
        } else {
            value = std::strtod(copy, nullptr);
        }
    }
    return value;
}

[[noreturn]] void conversion_error(Units& units, int unit) { fatal_io_error(units, IoError::ConversionError, unit); }
[[noreturn]] void syntax_error(Units& units, int unit) { fatal_io_error(units, IoError::SyntaxError, unit); }

// Digits beyond the 32-bit range, and values in the form of a real, which
// are truncated toward zero.
std::int32_t integer_value(Units& units, std::string_view text, int unit) {
    const number_scan::ScannedNumber number = scan_token(text);
    if (!is_whole_number(number, text)) conversion_error(units, unit);
    std::int32_t plain = 0;
    if (number_scan::plain_integer(number, plain)) return plain;
    double value = std::trunc(decimal_value<double>(text, number));
    if (!std::isfinite(value) || value < -2147483648.0 || value > 2147483647.0) conversion_error(units, unit);
    return static_cast<std::int32_t>(value);
}

// No model value can mean infinity: a real that rounds beyond the largest
// float is as unreadable as one with a stray letter.
float finite_or_conversion_error(Units& units, float value, int unit) {
    if (std::isinf(value)) conversion_error(units, unit);
    return value;
}

float real_value(Units& units, std::string_view text, int unit) {
    const number_scan::ScannedNumber number = scan_token(text);
    if (!is_whole_number(number, text)) conversion_error(units, unit);
    float value;
    if (number_scan::short_real(number, value)) return value;
    return finite_or_conversion_error(units, decimal_value<float>(text, number), unit);
}

// One value as found in the text: an unquoted token of the current line, or
// a quoted text already gathered (its doubled quotes undone) into a name.
struct FoundValue {
    bool quoted = false;
    std::string_view token;
    Name text;  // filled whole by the quoted read, untouched otherwise
};

void assign(Units& units, const ReadTarget& target, const FoundValue& value, int unit) {
    switch (target.kind()) {
        case ReadTarget::Kind::Integer:
            if (value.quoted) conversion_error(units, unit);
            target.integer() = integer_value(units, value.token, unit);
            return;
        case ReadTarget::Kind::Real:
            if (value.quoted) conversion_error(units, unit);
            target.real() = real_value(units, value.token, unit);
            return;
        case ReadTarget::Kind::Text:
            if (value.quoted) {
                target.text() = value.text;
            } else {
                if (value.token.size() > MAX_TEXT_VALUE) syntax_error(units, unit);
                target.text() = make_name(value.token);
            }
            return;
    }
}

// The read position on a unit: the current line and the place in it.
class Cursor {
public:
    Cursor(Units& units, int unit) : units_(units), unit_(unit), source_(input_unit(units, unit)) {}

    Units& units() const { return units_; }
    int unit() const { return unit_; }

    // Moves to the start of the next line; false at the end of the file.
    bool next_line() {
        if (!source_.next_line(line_)) return false;
        drop_carriage_return();
        at_ = 0;
        return true;
    }

    // Passes over blanks, tabs and line ends; false at the end of the file.
    // A value found keeps at least LOOKAHEAD bytes after its start in view.
    bool skip_blanks() {
        for (;;) {
            keep_in_view();
            while (at_ < line_.size() && is_blank(line_[at_])) ++at_;
            if (at_ < line_.size()) {
                keep_in_view();
                return true;
            }
            if (!source_.continues() && !next_line()) return false;
        }
    }

    // True when the value that ends here began LOOKAHEAD bytes or more ago
    // in a line that goes on: no value is that long.
    bool value_cut_short() const { return at_ == line_.size() && source_.continues(); }

    char current() const { return line_[at_]; }
    void advance() { ++at_; }

    // True when the line ends here or the character here ends an unquoted value.
    bool at_value_end() const {
        return at_ == line_.size() ? !source_.continues() : ends_unquoted_value(line_[at_]);
    }

    // The common value, an unquoted number for an integer or real target,
    // converted where it stands. False, moving nothing and converting
    // nothing, for any value the general steps must look at: a repeat count,
    // a quoted text, a form other than the short ones, a value out of range.
    bool take_plain_number(const ReadTarget& target) {
        std::size_t token_end = at_;
        while (token_end < line_.size() && !ends_unquoted_value(line_[token_end])) ++token_end;
        if (token_end == line_.size() && source_.continues()) return false;
        const char* at = line_.data() + at_;
        if (at_ == token_end || !scan_plain_number(at, line_.data() + token_end, target)) return false;
        at_ = static_cast<std::size_t>(at - line_.data());
        return true;
    }

    // The common read, served from this line alone: every target an integer
    // or a real, every value a short plain number, separated by blanks or
    // tabs only. False when anything else comes first (a comma, a slash, a
    // quote, a repeat count, a text target, a longer form, the line's end
    // before the last target): the cursor has not moved, targets before that
    // point have the values the general steps give them again, and the
    // general steps take the read from the start of the line.
    bool serve_plain_line(std::initializer_list<ReadTarget> targets) {
        if (source_.continues()) return false;
        const char* at = line_.data();
        const char* const end = at + line_.size();
        for (const ReadTarget& target : targets) {
            while (at != end && is_blank(*at)) ++at;
            if (at == end || !scan_plain_number(at, end, target)) return false;
        }
        return true;
    }

    // Takes "r*" when it stands here and gives r, otherwise 0 and stays put.
    std::int32_t take_repeat_count() {
        std::size_t digits_end = skip_digits(line_, at_);
        if (digits_end == at_ || digits_end == line_.size() || line_[digits_end] != '*') return 0;
        std::int32_t count = 0;
        auto [end, error] = std::from_chars(line_.data() + at_, line_.data() + digits_end, count);
        if (error != std::errc{} || count == 0) syntax_error(units_, unit_);
        at_ = digits_end + 1;
        return count;
    }

    std::string_view take_unquoted() {
        std::size_t start = at_;
        while (at_ < line_.size() && !ends_unquoted_value(line_[at_])) ++at_;
        return line_.substr(start, at_ - start);
    }

    // Gathers a quoted text into `text`, over line ends if need be; false
    // when the file ends before the closing quote.
    bool take_quoted(Name& text) {
        const char quote = line_[at_++];
        text.fill(' ');
        std::size_t length = 0;
        for (;;) {
            keep_in_view();
            if (at_ == line_.size()) {
                if (!next_line()) return false;
                continue;
            }
            char c = line_[at_++];
            if (c == quote) {
                keep_in_view();
                if (at_ == line_.size() || line_[at_] != quote) return true;
                ++at_;  // a doubled quote stands for one
            }
            if (length < text.size()) text[length] = c;
            if (++length > MAX_TEXT_VALUE) syntax_error(units_, unit_);
        }
    }

private:
    // Bytes kept in view after the cursor in a line that goes on.
    static constexpr std::size_t LOOKAHEAD = LineSource::LINE_WINDOW / 2;

    // A carriage return is dropped only before the line feed.
    void drop_carriage_return() {
        if (!source_.continues() && !line_.empty() && line_.back() == '\r') line_.remove_suffix(1);
    }

    // In a line that goes on, moves the window to start at the cursor when
    // fewer than LOOKAHEAD bytes are left in view.
    void keep_in_view() {
        if (!source_.continues() || line_.size() - at_ >= LOOKAHEAD) return;
        source_.extend_line(line_, at_);
        drop_carriage_return();
        at_ = 0;
    }

    // A value of the common forms for an integer or real target, converted
    // and `at` moved past it; false, moving and converting nothing, otherwise.
    bool scan_plain_number(const char*& at, const char* end, const ReadTarget& target) const {
        if (target.kind() == ReadTarget::Kind::Integer) return scan_plain_integer(at, end, target.integer());
        float value;
        if (target.kind() != ReadTarget::Kind::Real || !scan_short_real(at, end, value)) return false;
        target.real() = finite_or_conversion_error(units_, value, unit_);
        return true;
    }

    Units& units_;
    int unit_;
    LineSource& source_;
    std::string_view line_;
    std::size_t at_ = 0;
};

enum class ReadEnd { Complete, EndOfFile };

using TargetIterator = std::initializer_list<ReadTarget>::iterator;

// Takes the value at the cursor and gives it to `count` targets from `next`
// on (fewer when the list runs out first).
ReadEnd serve_value(Cursor& cursor, std::int32_t count, TargetIterator& next, TargetIterator end) {
    FoundValue value;
    if (is_quote(cursor.current())) {
        if (next->kind() != ReadTarget::Kind::Text) conversion_error(cursor.units(), cursor.unit());
        if (!cursor.take_quoted(value.text)) return ReadEnd::EndOfFile;
        value.quoted = true;
    } else {
        value.token = cursor.take_unquoted();
        if (cursor.value_cut_short()) {
            if (next->kind() == ReadTarget::Kind::Text) syntax_error(cursor.units(), cursor.unit());
            conversion_error(cursor.units(), cursor.unit());
        }
    }
    for (; count > 0 && next != end; --count, ++next) assign(cursor.units(), *next, value, cursor.unit());
    return ReadEnd::Complete;
}

ReadEnd read_values(Units& units, int unit, std::initializer_list<ReadTarget> targets) {
    Cursor cursor(units, unit);
    if (!cursor.next_line()) return ReadEnd::EndOfFile;
    if (cursor.serve_plain_line(targets)) return ReadEnd::Complete;
    TargetIterator next = targets.begin();
    // A comma right after a value separates; anywhere else it stands for a null value.
    bool after_value = false;
    while (next != targets.end()) {
        if (!cursor.skip_blanks()) return ReadEnd::EndOfFile;
        char c = cursor.current();
        if (c == '/') return ReadEnd::Complete;
        if (c == ',') {
            cursor.advance();
            if (!after_value) ++next;
            after_value = false;
            continue;
        }
        after_value = true;
        if (cursor.take_plain_number(*next)) {
            ++next;
            continue;
        }
        std::int32_t count = cursor.take_repeat_count();
        if (count > 0 && cursor.at_value_end()) {
            // "r*" alone: r null values.
            for (; count > 0 && next != targets.end(); --count) ++next;
            continue;
        }
        if (serve_value(cursor, count > 0 ? count : 1, next, targets.end()) == ReadEnd::EndOfFile) {
            return ReadEnd::EndOfFile;
        }
    }
    return ReadEnd::Complete;
}

}  // namespace

bool read_list(Units& units, int unit, std::initializer_list<ReadTarget> targets) {
    return read_values(units, unit, targets) == ReadEnd::Complete;
}

void read_list_or_fail(Units& units, int unit, std::initializer_list<ReadTarget> targets) {
    if (read_values(units, unit, targets) == ReadEnd::EndOfFile) fatal_io_error(units, IoError::EndOfFile, unit);
}

}  // namespace sferonda
