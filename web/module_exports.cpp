// The functions the web page's module calls: a thin C interface to the
// runs in memory (driver/in_memory_run.hpp). The page hands over the files
// and one text argument, runs, then reads the result piece by piece; the
// result stays until the next run. An index out of range answers 0 or an
// empty text, so that the page never reads outside the result.

#include <emscripten/emscripten.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "driver/in_memory_run.hpp"

namespace {

std::vector<sferonda::MemoryFile> inputs;
std::string argument;
sferonda::MemoryRunResult result;

char* sized(std::string& text, int size) {
    text.assign(static_cast<std::size_t>(size), '\0');
    return text.data();
}

int finished(sferonda::MemoryRunResult&& run) {
    result = std::move(run);
    inputs.clear();
    argument.clear();
    return result.status;
}

template <typename Item>
const Item& item(const std::vector<Item>& items, int index) {
    static const Item none{};
    const bool within = index >= 0 && static_cast<std::size_t>(index) < items.size();
    return within ? items[static_cast<std::size_t>(index)] : none;
}

const sferonda::MemoryFile& file(int index) { return item(result.files, index); }
const sferonda::CaseResult& run_case(int index) { return item(result.cases, index); }

int size_of(const std::string& text) { return static_cast<int>(text.size()); }

template <typename Value>
int count_of(const std::vector<Value>& values) {
    return static_cast<int>(values.size());
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE char* sferonda_input_name(int size) { return sized(inputs.emplace_back().name, size); }
EMSCRIPTEN_KEEPALIVE char* sferonda_input_bytes(int size) { return sized(inputs.back().bytes, size); }
EMSCRIPTEN_KEEPALIVE char* sferonda_argument(int size) { return sized(argument, size); }

// Each run first lets the last result go, so that two are never held at
// once; it answers the exit status and clears the inputs and the argument.

// The batch whose main input file the argument names.
EMSCRIPTEN_KEEPALIVE int sferonda_run_batch() {
    result = {};
    return finished(sferonda::run_batch_in_memory(inputs, argument));
}

// The first two inputs as that display type (valid or not), the argument the output name.
EMSCRIPTEN_KEEPALIVE int sferonda_run_case(int display_type) {
    result = {};
    if (inputs.size() < 2) return finished({});
    return finished(sferonda::run_case_in_memory(display_type, inputs[0], inputs[1], argument));
}

// The first two inputs as glTF, the argument the output name.
EMSCRIPTEN_KEEPALIVE int sferonda_run_gltf() {
    result = {};
    if (inputs.size() < 2) return finished({});
    return finished(sferonda::run_gltf_in_memory(inputs[0], inputs[1], argument));
}

EMSCRIPTEN_KEEPALIVE int sferonda_ending() { return static_cast<int>(result.ending); }
EMSCRIPTEN_KEEPALIVE const char* sferonda_console() { return result.console.data(); }
EMSCRIPTEN_KEEPALIVE int sferonda_console_size() { return static_cast<int>(result.console.size()); }
EMSCRIPTEN_KEEPALIVE const char* sferonda_fatal_line() { return result.fatal_line.data(); }
EMSCRIPTEN_KEEPALIVE int sferonda_fatal_line_size() { return static_cast<int>(result.fatal_line.size()); }
EMSCRIPTEN_KEEPALIVE int sferonda_file_count() { return static_cast<int>(result.files.size()); }
EMSCRIPTEN_KEEPALIVE const char* sferonda_file_name(int i) { return file(i).name.data(); }
EMSCRIPTEN_KEEPALIVE int sferonda_file_name_size(int i) { return static_cast<int>(file(i).name.size()); }
EMSCRIPTEN_KEEPALIVE const char* sferonda_file_bytes(int i) { return file(i).bytes.data(); }
EMSCRIPTEN_KEEPALIVE int sferonda_file_size(int i) { return static_cast<int>(file(i).bytes.size()); }

// How a fatal error ended the run: its number, unit and file.
EMSCRIPTEN_KEEPALIVE int sferonda_error_number() { return result.error_number; }
EMSCRIPTEN_KEEPALIVE int sferonda_fatal_unit() { return result.fatal_unit; }
EMSCRIPTEN_KEEPALIVE const char* sferonda_fatal_file() { return result.fatal_file.data(); }
EMSCRIPTEN_KEEPALIVE int sferonda_fatal_file_size() { return size_of(result.fatal_file); }

// Each case of the run (driver/case_result.hpp).
EMSCRIPTEN_KEEPALIVE int sferonda_case_count() { return static_cast<int>(result.cases.size()); }
EMSCRIPTEN_KEEPALIVE int sferonda_case_display_type(int i) { return run_case(i).display_type; }
EMSCRIPTEN_KEEPALIVE int sferonda_case_written(int i) { return run_case(i).written; }
EMSCRIPTEN_KEEPALIVE int sferonda_case_beads(int i) { return run_case(i).beads; }
EMSCRIPTEN_KEEPALIVE int sferonda_case_connectors(int i) { return run_case(i).connectors; }
EMSCRIPTEN_KEEPALIVE int sferonda_case_omitted_beads(int i) { return run_case(i).omitted_beads; }
EMSCRIPTEN_KEEPALIVE int sferonda_case_omitted_connectors(int i) { return run_case(i).omitted_connectors; }
EMSCRIPTEN_KEEPALIVE const char* sferonda_case_coordinates(int i) { return run_case(i).coordinates.data(); }
EMSCRIPTEN_KEEPALIVE int sferonda_case_coordinates_size(int i) { return size_of(run_case(i).coordinates); }
EMSCRIPTEN_KEEPALIVE const char* sferonda_case_colors(int i) { return run_case(i).colors.data(); }
EMSCRIPTEN_KEEPALIVE int sferonda_case_colors_size(int i) { return size_of(run_case(i).colors); }
EMSCRIPTEN_KEEPALIVE const char* sferonda_case_output_name(int i) { return run_case(i).output_name.data(); }
EMSCRIPTEN_KEEPALIVE int sferonda_case_output_name_size(int i) { return size_of(run_case(i).output_name); }
EMSCRIPTEN_KEEPALIVE const char* sferonda_case_file_name(int i) { return run_case(i).file_name.data(); }
EMSCRIPTEN_KEEPALIVE int sferonda_case_file_name_size(int i) { return size_of(run_case(i).file_name); }
EMSCRIPTEN_KEEPALIVE const char* sferonda_case_refusal(int i) { return run_case(i).refusal.data(); }
EMSCRIPTEN_KEEPALIVE int sferonda_case_refusal_size(int i) { return size_of(run_case(i).refusal); }

// The model of an accepted glTF run (driver/in_memory_run.hpp), array by
// array: where its values start, and how many there are.
EMSCRIPTEN_KEEPALIVE const float* sferonda_model_beads() { return result.model.beads.data(); }
EMSCRIPTEN_KEEPALIVE int sferonda_model_beads_count() { return count_of(result.model.beads); }
EMSCRIPTEN_KEEPALIVE const std::int32_t* sferonda_model_bead_colors() { return result.model.bead_colors.data(); }
EMSCRIPTEN_KEEPALIVE int sferonda_model_bead_colors_count() { return count_of(result.model.bead_colors); }
EMSCRIPTEN_KEEPALIVE const std::uint8_t* sferonda_model_bead_drawn() { return result.model.bead_drawn.data(); }
EMSCRIPTEN_KEEPALIVE int sferonda_model_bead_drawn_count() { return count_of(result.model.bead_drawn); }
EMSCRIPTEN_KEEPALIVE const std::int32_t* sferonda_model_connector_beads() { return result.model.connector_beads.data(); }
EMSCRIPTEN_KEEPALIVE int sferonda_model_connector_beads_count() { return count_of(result.model.connector_beads); }
EMSCRIPTEN_KEEPALIVE const float* sferonda_model_connector_radii() { return result.model.connector_radii.data(); }
EMSCRIPTEN_KEEPALIVE int sferonda_model_connector_radii_count() { return count_of(result.model.connector_radii); }
EMSCRIPTEN_KEEPALIVE const std::int32_t* sferonda_model_connector_colors() { return result.model.connector_colors.data(); }
EMSCRIPTEN_KEEPALIVE int sferonda_model_connector_colors_count() { return count_of(result.model.connector_colors); }
EMSCRIPTEN_KEEPALIVE const std::uint8_t* sferonda_model_connector_drawn() { return result.model.connector_drawn.data(); }
EMSCRIPTEN_KEEPALIVE int sferonda_model_connector_drawn_count() { return count_of(result.model.connector_drawn); }
EMSCRIPTEN_KEEPALIVE const float* sferonda_model_color_rgb() { return result.model.color_rgb.data(); }
EMSCRIPTEN_KEEPALIVE int sferonda_model_color_rgb_count() { return count_of(result.model.color_rgb); }

}  // extern "C"
