#pragma once
// Where each bead and connector of a glTF scene stands: the translation,
// rotation and scale that turn the unit sphere and the unit cylinder into it.

#include <array>
#include <cstdint>
#include <optional>

#include "driver/bead_model.hpp"

namespace sferonda {

struct NodePlacement {
    std::array<float, 3> translation{};
    std::array<float, 4> rotation{0.0f, 0.0f, 0.0f, 1.0f};  // unit quaternion x, y, z, w
    std::array<float, 3> scale{};
};

// The sphere of bead i at its centre, scaled by its radius; nullopt for a
// radius of zero or less, which draws nothing.
std::optional<NodePlacement> place_bead(const BeadModel& model, std::int32_t i);

// The cylinder of connector k, standing on the centre of its first bead and
// reaching the centre of its second, scaled across by its radius; nullopt
// for a radius of zero or less or for two ends that coincide.
std::optional<NodePlacement> place_connector(const BeadModel& model, std::int32_t k);

// Whether every value can be written: glTF has no Infinity or NaN.
bool is_finite(const NodePlacement& placement);

}  // namespace sferonda
