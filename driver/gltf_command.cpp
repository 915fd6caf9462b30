#include "driver/gltf_command.hpp"

#include <optional>
#include <string>

#include "driver/bead_model.hpp"
#include "driver/model_reader.hpp"
#include "driver/run.hpp"
#include "platform/platform.hpp"
#include "records/fatal_error.hpp"
#include "records/record_write.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"
#include "writers/gltf_writer.hpp"

namespace sferonda {

namespace {

constexpr int MODEL_PROBLEM_STATUS = 1;

// Where the scene goes: a file of that name, or standard output itself.
struct Output {
    std::string name;
    bool standard;
};

std::optional<FileIdentity> standard_output_identity(Run& run) {
    return run.file_system().console(ConsoleStream::Output)->identity();
}

// "-", or another name of the very file, pipe or device that standard output
// is (/dev/stdout, or the file it was sent to): renaming a new file onto it
// would not reach the reader of standard output, or would replace the link
// /dev/stdout itself.
bool names_standard_output(Run& run, const std::string& name) {
    if (name == "-") return true;
    const auto named = run.file_system().identify(name);
    return named && named == standard_output_identity(run);
}

// Replacing an input by the scene would destroy the model it was made from:
// the open failure of the output, as when the batch meets a graphics file
// that is one of its own files.
void refuse_input_as_output(Run& run, const Output& output, std::string_view coordinates, std::string_view colors) {
    FileSystem& files = run.file_system();
    const auto target = output.standard ? standard_output_identity(run) : files.identify(output.name);
    if (!target) return;
    if (target == files.identify(std::string(coordinates)) || target == files.identify(std::string(colors))) {
        fatal_io_error(run, IoError::OpenFailure, OUTPUT_UNIT, files.full_path(output.name));
    }
}

void report_summary(Run& run, const GltfSummary& summary) {
    write_list(run, CONSOLE_OUTPUT_UNIT,
               {"* glTF file written:", summary.spheres, "spheres,", summary.cylinders, "cylinders"});
    write_list(run, CONSOLE_OUTPUT_UNIT, {"* Omitted (radius <= 0, length 0):", summary.omitted_beads, "beads,",
                                     summary.omitted_connectors, "connectors"});
    const MeshDetail& detail = MESH_DETAILS[summary.detail];
    write_list(run, CONSOLE_OUTPUT_UNIT, {"* Detail: ", detail.name, std::int32_t(sphere_triangles(detail)),
                                     "triangles a sphere,", std::int32_t(cylinder_triangles(detail)), "a cylinder"});
}

void deliver(Run& run, const Output& output, std::string_view glb) {
    if (!output.standard) return write_whole_file(run, output.name, glb, OUTPUT_UNIT);
    if (!run.file_system().console(ConsoleStream::Output)->write(glb)) {
        fatal_io_error(run, IoError::WriteFailure, OUTPUT_UNIT, run.file_system().full_path(output.name));
    }
}

void begin_case_result(Run& run, std::string_view coordinates, std::string_view colors, std::string_view output) {
    CaseResult& result = run.cases.emplace_back();
    result.coordinates = coordinates;
    result.colors = colors;
    result.output_name = output;
    result.file_name = output;
}

int write_model_scene(Run& run, const BeadModel& model, const Output& output, const GltfOptions& options) {
    CaseResult& result = current_case(run);
    result.beads = model.bead_count;
    result.connectors = model.connector_count;
    GltfSummary summary;
    // A model that the checks refuse stops here, before any file is touched.
    std::string glb;
    try {
        glb = build_glb(run, model, summary, options);
    } catch (const RunEnded& stopped) {
        if (stopped.status != 0) throw;
        return MODEL_PROBLEM_STATUS;
    }
    deliver(run, output, glb);
    result.written = true;
    result.omitted_beads = summary.omitted_beads;
    result.omitted_connectors = summary.omitted_connectors;
    report_summary(run, summary);
    return 0;
}

int write_scene(Run& run, const Output& output, const GltfOptions& options) {
    BeadModel& model = run.model;
    if (!read_bead_model(run, model, COORDINATES_UNIT, COLORS_UNIT, AfterError::Continue)) {
        return MODEL_PROBLEM_STATUS;
    }
    return write_model_scene(run, model, output, options);
}

}  // namespace

int write_gltf_model(Run& run, const BeadModel& model, std::string_view file_name, GltfOptions options) {
    begin_case_result(run, "", "", file_name);
    options.scene_name = scene_name_for(file_name, "");
    const int status = write_model_scene(run, model, Output{std::string(file_name), false}, options);
    close_all_units(run);
    return status;
}

int run_gltf_command(Run& run, std::string_view coordinates_path, std::string_view colors_path,
                     std::string_view output_path, GltfOptions options) {
    begin_case_result(run, coordinates_path, colors_path, output_path);
    FileSystem& files = run.file_system();
    const Output output{std::string(output_path), names_standard_output(run, std::string(output_path))};
    // No file has an empty name, and a device's name would swallow the
    // scene; refused before any file is read.
    if (output.name.empty() || (!output.standard && !files.names_ordinary_file(output.name))) {
        fatal_io_error(run, IoError::OpenFailure, OUTPUT_UNIT, files.full_path(output.name));
    }
    // The console's lines must not mix with the scene's bytes.
    if (output.standard) run.move_console_to_error();
    open_old(run, COORDINATES_UNIT, coordinates_path);
    open_old(run, COLORS_UNIT, colors_path);
    refuse_input_as_output(run, output, coordinates_path, colors_path);
    options.scene_name = scene_name_for(output_path, coordinates_path);
    const int status = write_scene(run, output, options);
    close_all_units(run);
    return status;
}

}  // namespace sferonda
