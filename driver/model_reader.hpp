#pragma once

#include <cstdint>

#include "driver/bead_model.hpp"
#include "records/text.hpp"

namespace sferonda {

// The one bead model of the run, filled anew by every case.
BeadModel& bead_model();

// Reads and checks the case's coordinates-and-connectors file and colors
// file (both already open) into the bead model, then hands the model to the
// display dispatcher. A problem is reported on the console and abandons the case.
void SFERONDA(std::int32_t display_type, int coordinates_unit, int colors_unit, int log_unit,
              int output_unit, const Name& output_name);

}  // namespace sferonda
