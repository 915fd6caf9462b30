#pragma once
// A bead model already read or handed over, written as one display type or
// as glTF by a run of its own in memory, through the batch's dispatcher and
// writers, named as a case of the batch names its file.

#include <string_view>

#include "driver/bead_model.hpp"
#include "driver/in_memory_run.hpp"
#include "writers/gltf_writer.hpp"

namespace sferonda {

// As a case of display type `display_type` whose output name is
// `output_name`: its case tells whether the file was written whole and its
// name; `files` holds that file, written or not.
MemoryRunResult write_model_in_memory(const BeadModel& model, int display_type, std::string_view output_name);

// As binary glTF named `output_name`.glb, as `sferonda gltf` writes it.
MemoryRunResult write_model_gltf_in_memory(const BeadModel& model, std::string_view output_name,
                                           const GltfOptions& options);

}  // namespace sferonda
