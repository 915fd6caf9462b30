#pragma once
// One value poured into a record: a text, a 32-bit integer, a 32-bit real,
// or a field already formatted to the width of the field that takes it.

#include <cstdint>
#include <string_view>

#include "records/text.hpp"

namespace sferonda {

// An edit descriptor's letter (E, F or I), width and digits, as one number
// that one comparison checks.
constexpr std::int32_t descriptor_code(char letter, int width, int digits) {
    return (std::int32_t{letter} << 16) | (width << 8) | digits;
}

// The exact columns of a field formatted earlier, copied as they are into
// a field of the same edit descriptor (descriptor_code).
struct FormattedField {
    std::string_view columns;
    std::int32_t descriptor;
};

class Value {
public:
    enum class Kind { Text, Integer, Real, Formatted };

    Value(std::string_view text) : kind_(Kind::Text), text_(text) {}
    Value(const char* text) : kind_(Kind::Text), text_(text) {}
    Value(const Name& name) : kind_(Kind::Text), text_(as_view(name)) {}
    Value(std::int32_t integer) : kind_(Kind::Integer), integer_(integer) {}
    Value(float real) : kind_(Kind::Real), real_(real) {}
    Value(FormattedField field) : kind_(Kind::Formatted), text_(field.columns), integer_(field.descriptor) {}

    Kind kind() const { return kind_; }
    std::string_view text() const { return text_; }  // of a text or a formatted field
    std::int32_t integer() const { return integer_; }
    float real() const { return real_; }
    std::int32_t descriptor() const { return integer_; }  // of a formatted field

private:
    Kind kind_;
    std::string_view text_{};
    std::int32_t integer_ = 0;
    float real_ = 0.0f;
};

}  // namespace sferonda
