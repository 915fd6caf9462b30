#include <cassert>
#include <cstring>

#include "records/field_format.hpp"
#include "records/overlapping_copy.hpp"
#include "records/record_write.hpp"
#include "records/units.hpp"

namespace sferonda {

namespace {

// The columns of a field formatted earlier: most are 8 to 16 wide.
void copy_columns(char* out, std::string_view columns) {
    const std::size_t width = columns.size();
    if (width >= 8 && width <= 16) {
        copy_overlapping<8>(out, columns.data(), width);
    } else {
        std::memcpy(out, columns.data(), width);
    }
}

// A field formatted earlier stands only where a field of its own edit
// descriptor goes, or the record would not hold what its layout says.
bool fits_field(const Value& value, const LayoutPiece& field) { return value.descriptor() == field.descriptor; }

[[gnu::always_inline]] inline void format_field(char* out, const LayoutPiece& field, const Value& value) {
    using Kind = LayoutPiece::Kind;
    if (value.kind() == Value::Kind::Formatted) {
        assert(fits_field(value, field));
        copy_columns(out, value.text());
        return;
    }
    switch (field.kind) {
        case Kind::TextField:
            assert(value.kind() == Value::Kind::Text);
            format_text_field(out, field.width, value.text());
            return;
        case Kind::IntegerField:
            assert(value.kind() == Value::Kind::Integer);
            format_integer_field(out, field.width, field.precision, value.integer());
            return;
        case Kind::FixedField:
            assert(value.kind() == Value::Kind::Real);
            format_fixed_field(out, field.width, field.precision, value.real());
            return;
        case Kind::ExponentField:
            assert(value.kind() == Value::Kind::Real);
            format_exponent_field(out, field.width, field.precision, value.real());
            return;
        default:
            assert(false && "not a data field");
    }
}

// The common record, a value for every field: its image copied whole, the
// fields formatted in their places.
void write_whole_record(OutputBuffer& out, const RecordImage& image, std::span<const Value> values) {
    char* record = out.grab(image.bytes.size());
    std::memcpy(record, image.bytes.data(), image.bytes.size());
    for (std::size_t k = 0; k < values.size(); ++k) {
        format_field(record + image.fields[k].offset, image.fields[k].piece, values[k]);
    }
}

}  // namespace

void write_formatted(Units& units, int unit, const Layout& layout, std::span<const Value> values) {
    OutputBuffer& out = output_unit(units, unit);
    if (values.size() == layout.field_count()) {
        write_whole_record(out, layout.image(out.line_end()), values);
        return;
    }
    std::size_t next = 0;
    for (const LayoutPiece& piece : layout.pieces()) {
        if (piece.takes_value()) {
            if (next == values.size()) break;
            format_field(out.grab(static_cast<std::size_t>(piece.width)), piece, values[next++]);
            continue;
        }
        if (piece.kind == LayoutPiece::Kind::Literal) {
            out.append(piece.text);
        } else {
            // Blanks were merged into the literal texts when the layout was parsed.
            assert(piece.kind == LayoutPiece::Kind::LineBreak);
            out.end_line();
        }
    }
    assert(next == values.size() && "more values than the layout has fields");
    out.end_line();
}

void write_formatted(Units& units, int unit, const Layout& layout, std::initializer_list<Value> values) {
    write_formatted(units, unit, layout, std::span<const Value>(values.begin(), values.size()));
}

void write_text_record(Units& units, int unit, std::string_view text) {
    OutputBuffer& out = output_unit(units, unit);
    out.append(text);
    out.end_line();
}

}  // namespace sferonda
