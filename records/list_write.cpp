#include "records/field_format.hpp"
#include "records/record_write.hpp"
#include "records/units.hpp"

namespace sferonda {

namespace {

constexpr std::size_t INTEGER_COLUMNS = 12;

// Lays out one free-form record: a text is set off by one blank from the
// start of a line or from an integer, but joined to a text before it;
// integers take 12 columns; a value that no longer fits opens a new line.
class ListLine {
public:
    explicit ListLine(OutputBuffer& out) : out_(out), limit_(out.free_form_line_limit()) {}

    void put_integer(std::int32_t value) {
        if (length_ + INTEGER_COLUMNS > limit_) new_line();
        format_integer_field(out_.grab(INTEGER_COLUMNS), INTEGER_COLUMNS, 0, value);
        length_ += INTEGER_COLUMNS;
        last_ = Last::Integer;
    }

    void put_text(std::string_view text) {
        std::size_t needed = text.size() + (last_ == Last::Text ? 0 : 1);
        if (length_ > 0 && length_ + needed > limit_) {
            new_line();
            needed = text.size() + 1;
        }
        if (last_ != Last::Text) out_.append_blanks(1);
        out_.append(text);
        length_ += needed;
        last_ = Last::Text;
    }

    void finish() {
        if (last_ == Last::Nothing) out_.append_blanks(1);
        out_.end_line();
    }

private:
    enum class Last { Nothing, Text, Integer };

    void new_line() {
        out_.end_line();
        length_ = 0;
        last_ = Last::Nothing;
    }

    OutputBuffer& out_;
    std::size_t limit_;
    std::size_t length_ = 0;
    Last last_ = Last::Nothing;
};

}  // namespace

void write_list(Units& units, int unit, std::initializer_list<Value> values) {
    ListLine line(output_unit(units, unit));
    for (const Value& value : values) {
        if (value.kind() == Value::Kind::Integer) {
            line.put_integer(value.integer());
        } else {
            line.put_text(value.text());
        }
    }
    line.finish();
}

}  // namespace sferonda
