#pragma once
// Free-form reads: values found anywhere on the lines, separated by blanks,
// tabs, commas or line ends, converted into the variables in order.

#include <cstdint>
#include <initializer_list>

#include "records/text.hpp"

namespace sferonda {

class Units;

// One variable of a read: a 32-bit integer, a 32-bit real or a 30-character name.
class ReadTarget {
public:
    enum class Kind { Integer, Real, Text };

    ReadTarget(std::int32_t& integer) : kind_(Kind::Integer), integer_(&integer) {}
    ReadTarget(float& real) : kind_(Kind::Real), real_(&real) {}
    ReadTarget(Name& text) : kind_(Kind::Text), text_(&text) {}

    Kind kind() const { return kind_; }
    std::int32_t& integer() const { return *integer_; }
    float& real() const { return *real_; }
    Name& text() const { return *text_; }

private:
    Kind kind_;
    std::int32_t* integer_ = nullptr;
    float* real_ = nullptr;
    Name* text_ = nullptr;
};

// One read from `unit`, starting on the line after the previous read.
// True when every target is served or a slash ended the read; false when
// the file ends first (targets served so far keep their new values).
[[nodiscard]] bool read_list(Units& units, int unit, std::initializer_list<ReadTarget> targets);

// The same read with no end-of-file branch: the end of the file is fatal error 24.
void read_list_or_fail(Units& units, int unit, std::initializer_list<ReadTarget> targets);

}  // namespace sferonda
