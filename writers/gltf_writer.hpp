#pragma once
// The glTF 2.0 scene of a bead model: each bead a sphere and each connector
// a cylinder, all of them plain nodes sharing one unit sphere and one unit
// cylinder, colored with the VRML world's seven colors.

#include <cstdint>
#include <string>

#include "driver/bead_model.hpp"

namespace sferonda {

struct GltfSummary {
    std::int32_t spheres = 0;
    std::int32_t cylinders = 0;
    std::int32_t omitted_beads = 0;       // radius zero or less
    std::int32_t omitted_connectors = 0;  // radius zero or less, or ends that coincide
};

// Checks the model as the VRML world does (bead numbers of the connectors,
// colors 1 to 7), stopping the run at the first fault, and refuses, with a
// console message and a stop, a bead or connector that would need a value
// beyond the float range. Returns the whole binary glTF file.
std::string build_glb(const BeadModel& model, GltfSummary& summary);

}  // namespace sferonda
