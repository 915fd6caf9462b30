#pragma once

#include "driver/bead_model.hpp"
#include "records/text.hpp"

namespace sferonda {

struct Run;

// Writes the POV-Ray scene fragment: spheres and cylinders to be completed by a header.inc.
// Stops the run, leaving the file empty, on a bad color index or a connector
// bead number outside the model; otherwise completes the file and returns true.
// A connector whose two ends coincide as written becomes a comment line.
bool MODPOVPRE(Run& run, const BeadModel& model, int output_unit, const Name& output_file_name);

}  // namespace sferonda
