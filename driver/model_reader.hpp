#pragma once

#include <cstdint>

#include "driver/bead_model.hpp"
#include "records/text.hpp"

namespace sferonda {

struct Run;

// What the reader does after an error message: a case of the batch waits
// for the user; a single model read from the command line goes straight on.
enum class AfterError { Pause, Continue };

// Reads and checks the coordinates-and-connectors file and the colors file
// (both already open) into `model`. A problem is reported on the console
// (with the pause, for errors, when asked) and answers false.
bool read_bead_model(Run& run, BeadModel& model, int coordinates_unit, int colors_unit, AfterError after_error);

// The counts of a model handed over whole, not read from files.
struct ModelCounts {
    std::int32_t beads = 0;
    std::int32_t connectors = 0;
    std::int32_t bead_colors = 0;
    std::int32_t connector_colors = 0;
};

// Checks those counts as the reader checks its files' (the capacities, then
// the colors' counts), with its messages: false after the first refusal.
bool accept_model_counts(Run& run, const ModelCounts& counts);

// Reads and checks the case's coordinates-and-connectors file and colors
// file (both already open) into the bead model, then hands the model to the
// display dispatcher. A problem is reported on the console and abandons the case.
void SFERONDA(Run& run, std::int32_t display_type, int coordinates_unit, int colors_unit, int log_unit,
              int output_unit, const Name& output_name);

}  // namespace sferonda
