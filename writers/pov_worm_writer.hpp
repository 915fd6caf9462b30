#pragma once

#include <cstdint>

#include "driver/bead_model.hpp"
#include "records/text.hpp"

namespace sferonda {

struct Run;

// Writes the complete POV-Ray scene in which the chain of beads is one
// sphere sweep of color `sweep_color`. Only the bead part of `model` is read.
// Stops the run on a bad color; returns false when the file was left empty.
bool MODPOVWORM(Run& run, const BeadModel& model, std::int32_t sweep_color, int output_unit,
                const Name& output_file_name);

}  // namespace sferonda
