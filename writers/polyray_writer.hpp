#pragma once

#include "driver/bead_model.hpp"
#include "records/text.hpp"

namespace sferonda {

struct Run;

// Writes the Polyray fragment: one object made of the beads' spheres.
// Only the bead part of `model` is read. Always completes its file.
bool MODPOLYRAY(Run& run, const BeadModel& model, int output_unit, const Name& output_file_name);

}  // namespace sferonda
