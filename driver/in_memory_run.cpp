#include "driver/in_memory_run.hpp"

#include <algorithm>
#include <memory>
#include <sstream>

#include "driver/bead_model.hpp"
#include "driver/case_driver.hpp"
#include "driver/dispatcher.hpp"
#include "driver/gltf_command.hpp"
#include "driver/hosted_run.hpp"
#include "driver/model_reader.hpp"
#include "driver/run.hpp"
#include "records/memory_file_system.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"
#include "writers/gltf_placement.hpp"
#include "writers/vrml_colors.hpp"

namespace sferonda {

namespace {

// The main input file of a one-case run; never one of the model's files.
constexpr std::string_view CASE_INPUT_NAME = "sferonda-case.inp";

bool is_unchanged_input(const std::string& name, const std::string& bytes, std::span<const MemoryFile> inputs) {
    return std::any_of(inputs.begin(), inputs.end(),
                       [&](const MemoryFile& input) { return input.name == name && input.bytes == bytes; });
}

void gather_written_files(MemoryRunResult& result, const MemoryFileSystem& store,
                          std::span<const MemoryFile> inputs) {
    for (const auto& [name, file] : store.files()) {
        if (!is_unchanged_input(name, file.bytes, inputs)) result.files.push_back({name, file.bytes});
    }
}

// A run of its own whose files are `inputs` in memory (run_hosted); what
// it wrote comes back with its result.
template <typename Body, typename After>
MemoryRunResult run_on_store(std::span<const MemoryFile> inputs, std::string console_answers, Body body,
                             After after) {
    MemoryFileSystem store;
    for (const MemoryFile& input : inputs) store.put(input.name, input.bytes);
    MemoryRunResult result = run_hosted(store, std::move(console_answers), body, after);
    gather_written_files(result, store, inputs);
    return result;
}

template <typename Body>
MemoryRunResult run_on_store(std::span<const MemoryFile> inputs, std::string console_answers, Body body) {
    return run_on_store(inputs, std::move(console_answers), body, [](Run&, MemoryRunResult&) {});
}

ModelNumbers model_numbers(const BeadModel& model) {
    ModelNumbers numbers;
    for (std::int32_t i = 1; i <= model.bead_count; ++i) {
        numbers.beads.insert(numbers.beads.end(),
                             {model.bead_x[i], model.bead_y[i], model.bead_z[i], model.bead_radius[i]});
        numbers.bead_colors.push_back(model.bead_color[i]);
        numbers.bead_drawn.push_back(place_bead(model, i).has_value());
    }
    for (std::int32_t k = 1; k <= model.connector_count; ++k) {
        numbers.connector_beads.insert(numbers.connector_beads.end(),
                                       {model.connector_first[k], model.connector_second[k]});
        numbers.connector_radii.push_back(model.connector_radius[k]);
        numbers.connector_colors.push_back(model.connector_color[k]);
        numbers.connector_drawn.push_back(place_connector(model, k).has_value());
    }
    for (const RgbColor& color : VRML_RGB) {
        numbers.color_rgb.insert(numbers.color_rgb.end(), {color.red, color.green, color.blue});
    }
    return numbers;
}

// A name as a quoted value of the main input file: its quotes doubled.
std::string quoted(std::string_view name) {
    std::string text = "'";
    for (char c : name) (text += c) += c == '\'' ? "'" : "";
    return text + "'";
}

}  // namespace

MemoryRunResult run_batch_in_memory(std::span<const MemoryFile> inputs, std::string_view main_input_name) {
    return run_on_store(inputs, std::string(main_input_name) + "\n", [](Run& run) {
        run_cases(run);
        close_all_units(run);
        return 0;
    });
}

MemoryRunResult run_case_in_memory(int display_type, const MemoryFile& coordinates, const MemoryFile& colors,
                                   std::string_view output_name) {
    std::ostringstream main_input;
    main_input << display_type << '\n'
               << quoted(coordinates.name) << '\n'
               << quoted(colors.name) << '\n'
               << quoted(output_name) << "\n-1\n";
    const MemoryFile inputs[] = {coordinates, colors, {std::string(CASE_INPUT_NAME), main_input.str()}};
    return run_batch_in_memory(inputs, CASE_INPUT_NAME);
}

MemoryRunResult run_gltf_in_memory(const MemoryFile& coordinates, const MemoryFile& colors,
                                   std::string_view output_name) {
    const std::string file_name(trimmed(build_output_file_name(make_name(output_name), ".glb")));
    const MemoryFile inputs[] = {coordinates, colors};
    return run_on_store(
        inputs, "",
        [&](Run& run) { return run_gltf_command(run, coordinates.name, colors.name, file_name, GltfOptions{}); },
        [&](Run& run, MemoryRunResult& result) {
            // The command was given the file's name; the host gave the output name.
            if (!run.cases.empty()) run.cases.back().output_name = output_name;
            if (result.ending == RunEnding::Normal && result.status == 0) result.model = model_numbers(run.model);
        });
}

}  // namespace sferonda
