#pragma once
// The steps both scene framings share: the radius-weighted centre of the
// bead centres, the principal axes of their weighted spread, the bead
// centres turned onto those axes, and the size of the box that encloses
// every bead in the turned frame.

#include <array>

#include "driver/bead_model.hpp"

namespace sferonda {

struct PrincipalAxes {
    std::array<float, 3> centre;
    // As EIGSYM returns them: row j is axis j, component c at [(c-1)*3 + (j-1)];
    // axis 1 is the direction of largest spread.
    std::array<float, 9> axes;
};

// False, without calling EIGSYM, when the model has no weighted centre (the
// radii add up to 0, or no beads) or when the centre or the spread is not
// finite. Reads entries 1..bead_count only.
[[nodiscard]] bool find_principal_axes(const BeadModel& model, PrincipalAxes& frame);

// The centre of bead `bead` in the principal-axes frame.
std::array<float, 3> turned_centre(const PrincipalAxes& frame, const BeadModel& model, int bead);

// The largest side of the axis-aligned box around all beads, taken as
// spheres, in the principal-axes frame. Needs at least one bead.
float enclosing_box_size(const PrincipalAxes& frame, const BeadModel& model);

}  // namespace sferonda
