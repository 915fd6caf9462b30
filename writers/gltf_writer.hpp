#pragma once
// The glTF 2.0 scene of a bead model: each bead a sphere and each connector
// a cylinder, all of them nodes under one root sharing one unit sphere and
// one unit cylinder, colored with the VRML world's seven colors.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "driver/bead_model.hpp"
#include "writers/unit_meshes.hpp"

namespace sferonda {

struct Run;

struct GltfSummary {
    std::int32_t spheres = 0;
    std::int32_t cylinders = 0;
    std::int32_t omitted_beads = 0;       // radius zero or less
    std::int32_t omitted_connectors = 0;  // radius zero or less, or ends that coincide
    DetailLevel detail = 0;               // the level the shapes were cut at
};

struct GltfOptions {
    std::optional<DetailLevel> detail;  // none: the finest within TRIANGLE_BUDGET
    // One node per shape and color holding all its instances
    // (EXT_mesh_gpu_instancing) instead of one node per bead and connector.
    bool instanced = false;
    // One mesh per shape and color, the spheres or cylinders merged into it,
    // each vertex carrying its bead's or connector's number as its feature id
    // (EXT_mesh_features); not with `instanced`.
    bool merged = false;
    std::string_view scene_name = "model";  // the root node's and the scene's
};

// What a viewer draws without a pause on a plain machine; a model of full
// capacity fits in it at the lowest level.
constexpr long TRIANGLE_BUDGET = 2'000'000;

// The finest level at which the spheres and cylinders together stay within
// TRIANGLE_BUDGET triangles, or the coarsest when none does.
DetailLevel choose_detail(std::int32_t spheres, std::int32_t cylinders);

// The scene's name for an output file: its name without folder and
// extension, or the coordinates file's when the output is standard output.
std::string_view scene_name_for(std::string_view output_path, std::string_view coordinates_path);

// Checks the model as the VRML world does (bead numbers of the connectors,
// colors 1 to 7), stopping the run at the first fault, and refuses, with a
// console message and a stop, a bead or connector that would need a value
// beyond the float range. Returns the whole binary glTF file.
std::string build_glb(Run& run, const BeadModel& model, GltfSummary& summary, const GltfOptions& options = {});

}  // namespace sferonda
