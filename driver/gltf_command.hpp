#pragma once

#include <string_view>

#include "driver/bead_model.hpp"
#include "writers/gltf_writer.hpp"

namespace sferonda {

struct Run;

// sferonda gltf COORDINATES COLORS OUTPUT: reads one bead model, with the
// checks and messages of a case of the batch but never a pause, and writes
// it as a binary glTF file with `options` (whose scene name it sets;
// docs/gltf-output-paths.md: links, standard output, devices, refusals).
// Returns the exit status: 0 written, 1 a problem
// with the model (reported on the console); a fatal error ends the run with
// its own status, carried by RunEnded.
int run_gltf_command(Run& run, std::string_view coordinates_path, std::string_view colors_path,
                     std::string_view output_path, GltfOptions options);

// The same scene of a model already read, into the ordinary file
// `file_name` of the run's files.
int write_gltf_model(Run& run, const BeadModel& model, std::string_view file_name, GltfOptions options);

}  // namespace sferonda
