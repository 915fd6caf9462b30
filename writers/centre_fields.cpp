#include "writers/centre_fields.hpp"

#include <algorithm>
#include <cassert>

#include "records/field_format.hpp"

namespace sferonda {

namespace {

constexpr std::size_t BEAD_COLUMNS = 3 * CentreFields::WIDTH;

}  // namespace

CentreFields::CentreFields(std::int32_t count, std::span<const float> x, std::span<const float> y,
                           std::span<const float> z)
    : count_(std::max(count, 0)), columns_(static_cast<std::size_t>(count_) * BEAD_COLUMNS) {
    assert(static_cast<std::size_t>(count_) < x.size() && x.size() == y.size() && y.size() == z.size());
    char* out = columns_.data();
    for (std::int32_t i = 1; i <= count_; ++i) {
        for (float value : {x[i], y[i], z[i]}) {
            format_exponent_field(out, WIDTH, DIGITS, value);
            out += WIDTH;
        }
    }
}

}  // namespace sferonda
