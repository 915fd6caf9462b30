#pragma once
// The E13.5 fields of every bead centre of a case, formatted once: a bead's
// centre is written with its sphere and again with every connector that
// touches it, always the same columns.

#include <cassert>
#include <cstdint>
#include <string_view>
#include <span>
#include <vector>

#include "records/value.hpp"

namespace sferonda {

class CentreFields {
public:
    static constexpr int WIDTH = 13;  // E13.5
    static constexpr int DIGITS = 5;

    // The centres of beads 1..count (none when count is below 1), from the
    // 1-based arrays `x`, `y`, `z`.
    CentreFields(std::int32_t count, std::span<const float> x, std::span<const float> y,
                 std::span<const float> z);

    FormattedField x(std::int32_t bead) const { return field(bead, 0); }
    FormattedField y(std::int32_t bead) const { return field(bead, 1); }
    FormattedField z(std::int32_t bead) const { return field(bead, 2); }

private:
    FormattedField field(std::int32_t bead, int axis) const {
        assert(bead >= 1 && bead <= count_);
        const std::size_t start =
            static_cast<std::size_t>(bead - 1) * 3 * WIDTH + static_cast<std::size_t>(axis) * WIDTH;
        return {std::string_view(columns_.data() + start, WIDTH), descriptor_code('E', WIDTH, DIGITS)};
    }

    std::int32_t count_;
    std::vector<char> columns_;  // per bead from 1: x, y, z
};

}  // namespace sferonda
