#pragma once
// Placing a bead model for the VRML world: origin at the radius-weighted
// centre, axes along the principal axes of the spread (the widest becoming
// x), and everything scaled so that the largest side of the box enclosing
// all beads measures 5 units.

#include <array>

#include "driver/bead_model.hpp"

namespace sferonda {

struct VrmlFrame {
    std::array<float, MAX_BEADS + 1> framed_x, framed_y, framed_z, framed_radius;   // indexed from 1
    std::array<float, MAX_CONNECTORS + 1> framed_connector_radius;                    // indexed from 1
};

// Fills `frame` and returns true. A model without beads has nothing to frame:
// `frame` is left untouched and the result is true. Returns false, leaving
// `frame` untouched, when the model has beads but no scale: radii adding up
// to 0, a centre or spread that is not finite, a box size that is 0 or not
// finite, or a scaled centre or radius beyond the float range. Reads entries
// 1..bead_count and 1..connector_count only.
[[nodiscard]] bool VRMLFRAME(const BeadModel& model, VrmlFrame& frame);

}  // namespace sferonda
