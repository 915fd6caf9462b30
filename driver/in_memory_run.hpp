#pragma once
// Runs of the program on files held in memory, for a host that has no
// folder of its own (the web page): the run reads and writes its files in a
// store of its own (records/memory_file_system.hpp) as from the console,
// and what it wrote comes back as bytes. Each run has a Run and a store of
// its own, so that one process serves run after run, or several at once.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "driver/case_result.hpp"
#include "records/run_end.hpp"

namespace sferonda {

struct MemoryFile {
    std::string name;
    std::string bytes;
};

// The model as read, for drawing: per bead x, y, z, radius and color
// index; per connector its two bead numbers, radius and color index; for
// each, whether the glTF file draws it (1) or leaves it out (0); the color
// indexes' red, green and blue as the glTF materials have them.
struct ModelNumbers {
    std::vector<float> beads;  // x, y, z, radius
    std::vector<std::int32_t> bead_colors;
    std::vector<std::uint8_t> bead_drawn;
    std::vector<std::int32_t> connector_beads;  // first, second
    std::vector<float> connector_radii;
    std::vector<std::int32_t> connector_colors;
    std::vector<std::uint8_t> connector_drawn;
    std::vector<float> color_rgb;  // red, green, blue from color index 0
};

struct MemoryRunResult {
    std::string console;  // what the console showed, LF line ends
    RunEnding ending = RunEnding::Normal;
    int status = 0;          // the process's exit status
    std::string fatal_line;  // "forrtl: severe (N): ..." without its line end
    int error_number = 0;    // of a fatal error, with its unit and file
    int fatal_unit = 0;
    std::string fatal_file;
    std::vector<CaseResult> cases;  // in the order the run met them
    std::vector<MemoryFile> files;  // every file the run wrote, by name
    ModelNumbers model;             // of an accepted glTF run only
};

// The batch: `main_input_name` answers the prompt; `inputs` are the main
// input file and the model files it names. A pause goes on as when
// standard input has ended.
MemoryRunResult run_batch_in_memory(std::span<const MemoryFile> inputs, std::string_view main_input_name);

// One case of display type `display_type` on one model, as a batch of that
// one case whose output name is `output_name`.
MemoryRunResult run_case_in_memory(int display_type, const MemoryFile& coordinates, const MemoryFile& colors,
                                   std::string_view output_name);

// The model as binary glTF, named as the case's files are (`output_name`.glb).
MemoryRunResult run_gltf_in_memory(const MemoryFile& coordinates, const MemoryFile& colors,
                                   std::string_view output_name);

}  // namespace sferonda
