#pragma once
// One value poured into a record: a text, a 32-bit integer or a 32-bit real.

#include <cstdint>
#include <string_view>

#include "records/text.hpp"

namespace sferonda {

class Value {
public:
    enum class Kind { Text, Integer, Real };

    Value(std::string_view text) : kind_(Kind::Text), text_(text) {}
    Value(const char* text) : kind_(Kind::Text), text_(text) {}
    Value(const Name& name) : kind_(Kind::Text), text_(as_view(name)) {}
    Value(std::int32_t integer) : kind_(Kind::Integer), integer_(integer) {}
    Value(float real) : kind_(Kind::Real), real_(real) {}

    Kind kind() const { return kind_; }
    std::string_view text() const { return text_; }
    std::int32_t integer() const { return integer_; }
    float real() const { return real_; }

private:
    Kind kind_;
    std::string_view text_{};
    std::int32_t integer_ = 0;
    float real_ = 0.0f;
};

}  // namespace sferonda
