#include "driver/in_memory_run.hpp"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "driver/bead_model.hpp"
#include "driver/case_driver.hpp"
#include "driver/dispatcher.hpp"
#include "driver/gltf_command.hpp"
#include "driver/model_reader.hpp"
#include "driver/run.hpp"
#include "records/fatal_error.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"
#include "writers/vrml_colors.hpp"

namespace sferonda {

namespace {

// The main input file of a one-case run; never one of the model's files.
constexpr std::string_view CASE_INPUT_NAME = "sferonda-case.inp";

void write_file(const std::string& name, std::string_view bytes) {
    std::ofstream file(name, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string read_file(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::string> regular_files_here() {
    std::vector<std::string> names;
    if (DIR* folder = ::opendir(".")) {
        while (const dirent* entry = ::readdir(folder)) {
            struct stat status {};
            if (::stat(entry->d_name, &status) == 0 && S_ISREG(status.st_mode)) names.emplace_back(entry->d_name);
        }
        ::closedir(folder);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The run's folder, made with the inputs in it and entered; left and
// removed, whatever it holds, when the run is over.
class RunFolder {
public:
    RunFolder(const std::string& folder, std::span<const MemoryFile> inputs) : folder_(folder) {
        std::array<char, 4096> previous{};
        if (::getcwd(previous.data(), previous.size())) previous_ = previous.data();
        entered_ = ::mkdir(folder.c_str(), 0700) == 0 && ::chdir(folder.c_str()) == 0;
        if (!entered_) return;
        for (const MemoryFile& input : inputs) write_file(input.name, input.bytes);
    }
    ~RunFolder() {
        if (!entered_) return;
        for (const std::string& name : regular_files_here()) ::unlink(name.c_str());
        (void)::chdir(previous_.c_str());
        ::rmdir(folder_.c_str());
    }
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;
    bool entered() const { return entered_; }

private:
    std::string folder_;
    std::string previous_;
    bool entered_ = false;
};

bool is_unchanged_input(const std::string& name, const std::string& bytes, std::span<const MemoryFile> inputs) {
    return std::any_of(inputs.begin(), inputs.end(),
                       [&](const MemoryFile& input) { return input.name == name && input.bytes == bytes; });
}

void gather_written_files(MemoryRunResult& result, std::span<const MemoryFile> inputs) {
    for (const std::string& name : regular_files_here()) {
        std::string bytes = read_file(name);
        if (!is_unchanged_input(name, bytes, inputs)) result.files.push_back({name, std::move(bytes)});
    }
}

// Runs `body` on a run of its own in a fresh folder holding `inputs`, the
// console captured and `console_answers` served as standard input; `after`
// then looks at the run before it goes.
template <typename Body, typename After>
MemoryRunResult run_in_folder(const std::string& folder, std::span<const MemoryFile> inputs,
                              std::string console_answers, Body body, After after) {
    MemoryRunResult result;
    RunFolder run_folder(folder, inputs);
    if (!run_folder.entered()) {
        result.ending = RunEnding::Fatal;
        result.status = static_cast<int>(IoError::OpenFailure);
        result.fatal_line = fatal_error_line(IoError::OpenFailure, 0, folder);
        return result;
    }
    const auto run = std::make_unique<Run>();
    // The fatal line comes back in the run's ending, not on this process's standard error.
    run->set_error_sink([](std::string_view) {});
    capture_console_output(*run);
    attach_input_text(*run, CONSOLE_INPUT_UNIT, std::move(console_answers), "stdin");
    RunOutcome outcome = run_to_end(*run, [&] { return body(*run); });
    result.status = outcome.status;
    result.ending = outcome.ending;
    result.fatal_line = std::move(outcome.fatal_line);
    close_all_units_quietly(*run);
    result.console = take_console_output(*run);
    after(*run, result);
    gather_written_files(result, inputs);
    return result;
}

template <typename Body>
MemoryRunResult run_in_folder(const std::string& folder, std::span<const MemoryFile> inputs,
                              std::string console_answers, Body body) {
    return run_in_folder(folder, inputs, std::move(console_answers), body, [](Run&, MemoryRunResult&) {});
}

ModelNumbers model_numbers(const BeadModel& model) {
    ModelNumbers numbers;
    for (std::int32_t i = 1; i <= model.bead_count; ++i) {
        numbers.beads.insert(numbers.beads.end(),
                             {model.bead_x[i], model.bead_y[i], model.bead_z[i], model.bead_radius[i]});
        numbers.bead_colors.push_back(model.bead_color[i]);
    }
    for (std::int32_t k = 1; k <= model.connector_count; ++k) {
        numbers.connector_beads.insert(numbers.connector_beads.end(),
                                       {model.connector_first[k], model.connector_second[k]});
        numbers.connector_radii.push_back(model.connector_radius[k]);
        numbers.connector_colors.push_back(model.connector_color[k]);
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

MemoryRunResult run_batch_in_memory(const std::string& folder, std::span<const MemoryFile> inputs,
                                    std::string_view main_input_name) {
    return run_in_folder(folder, inputs, std::string(main_input_name) + "\n", [](Run& run) {
        run_cases(run);
        close_all_units(run);
        return 0;
    });
}

MemoryRunResult run_case_in_memory(const std::string& folder, int display_type, const MemoryFile& coordinates,
                                   const MemoryFile& colors, std::string_view output_name) {
    std::ostringstream main_input;
    main_input << display_type << '\n'
               << quoted(coordinates.name) << '\n'
               << quoted(colors.name) << '\n'
               << quoted(output_name) << "\n-1\n";
    const MemoryFile inputs[] = {coordinates, colors, {std::string(CASE_INPUT_NAME), main_input.str()}};
    return run_batch_in_memory(folder, inputs, CASE_INPUT_NAME);
}

MemoryRunResult run_gltf_in_memory(const std::string& folder, const MemoryFile& coordinates,
                                   const MemoryFile& colors, std::string_view output_name) {
    const std::string file_name(trimmed(build_output_file_name(make_name(output_name), ".glb")));
    const MemoryFile inputs[] = {coordinates, colors};
    return run_in_folder(
        folder, inputs, "",
        [&](Run& run) { return run_gltf_command(run, coordinates.name, colors.name, file_name, GltfOptions{}); },
        [](Run& run, MemoryRunResult& result) {
            if (result.ending == RunEnding::Normal && result.status == 0) result.model = model_numbers(run.model);
        });
}

}  // namespace sferonda
