#include "records/list_read.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>
#include <type_traits>

#include "records/fatal_error.hpp"
#include "records/line_source.hpp"
#include "records/plain_numbers.hpp"
#include "records/units.hpp"

namespace sferonda {

namespace {

// Longest text value accepted; the variable keeps only its first NAME_LENGTH characters.
constexpr std::size_t MAX_TEXT_VALUE = 2049;

using plain_numbers::is_blank;
using plain_numbers::is_digit;
bool is_quote(char c) { return c == '\'' || c == '"'; }
bool ends_unquoted_value(char c) { return is_blank(c) || c == ',' || c == '/'; }

std::size_t skip_digits(std::string_view text, std::size_t at) {
    while (at < text.size() && is_digit(text[at])) ++at;
    return at;
}

std::size_t skip_sign(std::string_view text, std::size_t at) {
    return at < text.size() && (text[at] == '+' || text[at] == '-') ? at + 1 : at;
}

// Sign, digits with an optional point (at least one digit), then an optional
// exponent letter E or D with an optional sign and at least one digit.
bool is_real_form(std::string_view text) {
    std::size_t at = skip_sign(text, 0);
    std::size_t integer_end = skip_digits(text, at);
    std::size_t mantissa_digits = integer_end - at;
    at = integer_end;
    if (at < text.size() && text[at] == '.') {
        std::size_t fraction_end = skip_digits(text, at + 1);
        mantissa_digits += fraction_end - (at + 1);
        at = fraction_end;
    }
    if (mantissa_digits == 0) return false;
    if (at == text.size()) return true;
    char letter = text[at];
    if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') return false;
    std::size_t exponent_start = skip_sign(text, at + 1);
    std::size_t exponent_end = skip_digits(text, exponent_start);
    return exponent_end > exponent_start && exponent_end == text.size();
}

// The value of a text in real form, rounded once to the nearest T. The text is
// copied so that a D exponent can become E and plus signs can go, which
// from_chars does not take.
template <typename T>
T decimal_value(std::string_view text) {
    char local[80];
    std::string spill;  // only for values too long for the local buffer
    char* copy = local;
    if (text.size() >= sizeof local) {
        spill.resize(text.size() + 1);
        copy = spill.data();
    }
    std::size_t length = 0;
    for (char c : text) {
        if (c == '+') continue;
        copy[length++] = (c == 'D' || c == 'd') ? 'E' : c;
    }
    copy[length] = '\0';
    T value{};
    auto [end, error] = std::from_chars(copy, copy + length, value);
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

[[noreturn]] void conversion_error(int unit) { fatal_io_error(IoError::ConversionError, unit); }
[[noreturn]] void syntax_error(int unit) { fatal_io_error(IoError::SyntaxError, unit); }

bool plain_integer_value(std::string_view text, std::int32_t& value) {
    const char* at = text.data();
    return !text.empty() && scan_plain_integer(at, text.data() + text.size(), value);
}

// Digits beyond the 32-bit range, and values in the form of a real, which
// are truncated toward zero.
std::int32_t integer_value(std::string_view text, int unit) {
    std::int32_t plain = 0;
    if (plain_integer_value(text, plain)) return plain;
    if (!is_real_form(text)) conversion_error(unit);
    double value = std::trunc(decimal_value<double>(text));
    if (!std::isfinite(value) || value < -2147483648.0 || value > 2147483647.0) conversion_error(unit);
    return static_cast<std::int32_t>(value);
}

bool short_real_value(std::string_view text, float& value) {
    const char* at = text.data();
    return !text.empty() && scan_short_real(at, text.data() + text.size(), value);
}

// No model value can mean infinity: a real that rounds beyond the largest
// float is as unreadable as one with a stray letter.
float finite_or_conversion_error(float value, int unit) {
    if (std::isinf(value)) conversion_error(unit);
    return value;
}

float real_value(std::string_view text, int unit) {
    float value;
    if (short_real_value(text, value)) return finite_or_conversion_error(value, unit);
    if (!is_real_form(text)) conversion_error(unit);
    return finite_or_conversion_error(decimal_value<float>(text), unit);
}

// One value as found in the text: an unquoted token of the current line, or
// a quoted text already gathered (its doubled quotes undone) into a name.
struct FoundValue {
    bool quoted = false;
    std::string_view token;
    Name text;  // filled whole by the quoted read, untouched otherwise
};

void assign(const ReadTarget& target, const FoundValue& value, int unit) {
    switch (target.kind()) {
        case ReadTarget::Kind::Integer:
            if (value.quoted) conversion_error(unit);
            target.integer() = integer_value(value.token, unit);
            return;
        case ReadTarget::Kind::Real:
            if (value.quoted) conversion_error(unit);
            target.real() = real_value(value.token, unit);
            return;
        case ReadTarget::Kind::Text:
            if (value.quoted) {
                target.text() = value.text;
            } else {
                if (value.token.size() > MAX_TEXT_VALUE) syntax_error(unit);
                target.text() = make_name(value.token);
            }
            return;
    }
}

// The read position on a unit: the current line and the place in it.
class Cursor {
public:
    explicit Cursor(int unit) : unit_(unit), source_(input_unit(unit)) {}

    int unit() const { return unit_; }

    // Moves to the start of the next line; false at the end of the file.
    bool next_line() {
        if (!source_.next_line(line_)) return false;
        if (!line_.empty() && line_.back() == '\r') line_.remove_suffix(1);
        at_ = 0;
        return true;
    }

    // Passes over blanks, tabs and line ends; false at the end of the file.
    bool skip_blanks() {
        for (;;) {
            while (at_ < line_.size() && is_blank(line_[at_])) ++at_;
            if (at_ < line_.size()) return true;
            if (!next_line()) return false;
        }
    }

    char current() const { return line_[at_]; }
    void advance() { ++at_; }

    // True when the line ends here or the character here ends an unquoted value.
    bool at_value_end() const { return at_ == line_.size() || ends_unquoted_value(line_[at_]); }

    // The common value, an unquoted number for an integer or real target,
    // converted where it stands. False, moving nothing and converting
    // nothing, for any value the general steps must look at: a repeat count,
    // a quoted text, a form other than the short ones, a value out of range.
    bool take_plain_number(const ReadTarget& target) {
        std::size_t token_end = at_;
        while (token_end < line_.size() && !ends_unquoted_value(line_[token_end])) ++token_end;
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
        if (error != std::errc{} || count == 0) syntax_error(unit_);
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
            if (at_ == line_.size()) {
                if (!next_line()) return false;
                continue;
            }
            char c = line_[at_++];
            if (c == quote) {
                if (at_ == line_.size() || line_[at_] != quote) return true;
                ++at_;  // a doubled quote stands for one
            }
            if (length < text.size()) text[length] = c;
            if (++length > MAX_TEXT_VALUE) syntax_error(unit_);
        }
    }

private:
    // A value of the common forms for an integer or real target, converted
    // and `at` moved past it; false, moving and converting nothing, otherwise.
    bool scan_plain_number(const char*& at, const char* end, const ReadTarget& target) const {
        if (target.kind() == ReadTarget::Kind::Integer) return scan_plain_integer(at, end, target.integer());
        float value;
        if (target.kind() != ReadTarget::Kind::Real || !scan_short_real(at, end, value)) return false;
        target.real() = finite_or_conversion_error(value, unit_);
        return true;
    }

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
        if (next->kind() != ReadTarget::Kind::Text) conversion_error(cursor.unit());
        if (!cursor.take_quoted(value.text)) return ReadEnd::EndOfFile;
        value.quoted = true;
    } else {
        value.token = cursor.take_unquoted();
    }
    for (; count > 0 && next != end; --count, ++next) assign(*next, value, cursor.unit());
    return ReadEnd::Complete;
}

ReadEnd read_values(int unit, std::initializer_list<ReadTarget> targets) {
    Cursor cursor(unit);
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

bool read_list(int unit, std::initializer_list<ReadTarget> targets) {
    return read_values(unit, targets) == ReadEnd::Complete;
}

void read_list_or_fail(int unit, std::initializer_list<ReadTarget> targets) {
    if (read_values(unit, targets) == ReadEnd::EndOfFile) fatal_io_error(IoError::EndOfFile, unit);
}

}  // namespace sferonda
