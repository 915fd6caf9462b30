#pragma once

#include <cstdint>

#include "driver/bead_model.hpp"
#include "records/text.hpp"

namespace sferonda {

struct Run;

// Routes a checked model to the writer of its display type: names the
// graphics file, announces it on the console and in the log, applies the
// pseudo-PDB limits and runs the writer. An invalid display type stops the run.
void BUILDSFERONDA(Run& run, std::int32_t display_type, const BeadModel& model, int log_unit, int output_unit,
                   const Name& output_name);

// The output name up to its first blank, followed by `extension`, cut or
// blank-padded to 30 characters.
Name build_output_file_name(const Name& output_name, std::string_view extension);

}  // namespace sferonda
