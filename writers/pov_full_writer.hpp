#pragma once

#include "driver/bead_model.hpp"
#include "records/text.hpp"

namespace sferonda {

struct Run;

// Writes the complete POV-Ray scene on the model's principal axes.
// Stops the run on a model it cannot draw; returns false when the file was
// left empty, true when it is complete.
bool MODPOVFULL(Run& run, const BeadModel& model, int output_unit, const Name& output_file_name);

}  // namespace sferonda
