#pragma once
// Placing a bead model for the complete POV-Ray scenes: origin at the
// radius-weighted centre, axes along the principal axes of the spread (the
// widest becoming x), no scaling, and camera and two lights at distances
// that grow with the model's size.

#include <array>

#include "driver/bead_model.hpp"

namespace sferonda {

struct PovFrame {
    std::array<float, MAX_BEADS + 1> framed_x, framed_y, framed_z;   // indexed from 1
    std::array<float, 3> camera_location, light_1_location, light_2_location;
};

// Fills `frame` and returns true; each bead keeps its own radius in this frame.
// Returns false, leaving `frame` untouched, when the model cannot be framed:
// no beads, radii adding up to 0, a centre or a spread that is not finite, a
// box size that is 0 or not finite, a framed centre that is not finite, or a
// camera or light that would lie beyond the float range. Reads entries
// 1..bead_count only.
[[nodiscard]] bool POVFRAME(const BeadModel& model, PovFrame& frame);

}  // namespace sferonda
