#pragma once
// One whole case from arbitrary bytes, shared by the fuzz target and the
// regression test that replays its findings.
//
// Input: byte 0 chooses the display type (its low three bits, 0 to 7) and,
// with bit 3, an output name of the full 30 characters, so that the
// extension is cut; the remaining bytes up to the first NUL byte are the
// coordinates-and-connectors file and the bytes after it the colors file.
// The case runs in-process with its log and graphics file in the harness's
// scratch folder and an ended console input, so that a pause never waits.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "driver/bead_model.hpp"
#include "driver/display_types.hpp"
#include "driver/model_reader.hpp"
#include "driver/run.hpp"
#include "fuzz/harness_scratch.hpp"
#include "fuzz/non_finite_spelling.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"

namespace sferonda::fuzzing {

struct CaseOutcome {
    int display_type = 0;
    int status = 0;          // exit status the run would end with
    bool case_returned = false;  // SFERONDA returned, the run goes on
    std::string console;
    std::string log;
    std::string graphics_file;   // its full path; empty when the type has none
    bool graphics_file_exists = false;
    std::string graphics_content;
};

// The display types whose scenes a renderer must be able to read whole.
inline bool is_framed_scene_type(int display_type) {
    return display_type == 3 || display_type == 4 || display_type == 6;
}

inline constexpr const char* GENERATED_RECORD = " Visualization file has been generated:";

// What must hold after any case: only the stops and the fatal errors of a
// read, a file announced as generated only when the case came back and the
// file is there, and no framed scene with a value that is not a number.
inline bool is_expected_outcome(const CaseOutcome& outcome) {
    if (outcome.status != 0 && outcome.status != 59 && outcome.status != 64) return false;
    if (is_framed_scene_type(outcome.display_type) && holds_non_finite_spelling(outcome.graphics_content)) {
        return false;
    }
    if (outcome.status != 0 && outcome.case_returned) return false;
    if (outcome.log.find(GENERATED_RECORD) != std::string::npos) {
        return outcome.case_returned && outcome.graphics_file_exists;
    }
    return true;
}

inline std::string read_file_or_empty(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

inline std::string case_output_stem(bool full_length_name) {
    const std::string stem = harness_scratch().file("o");
    if (!full_length_name) return stem;
    std::string full = stem + "abcdefghijklmnopqrstuvwxyz0123";
    full.resize(NAME_LENGTH);
    return full;
}

inline CaseOutcome run_case_input(const std::uint8_t* data, std::size_t size) {
    CaseOutcome outcome;
    if (size < 1) return outcome;
    outcome.display_type = data[0] & 7;
    const Name output_name = make_name(case_output_stem((data[0] & 8) != 0));
    if (is_valid_display_type(outcome.display_type)) {
        const std::string stem(trimmed(output_name));
        outcome.graphics_file = stem + std::string(DISPLAY_TYPES[outcome.display_type].extension);
        outcome.graphics_file.resize(std::min<std::size_t>(outcome.graphics_file.size(), NAME_LENGTH));
        std::filesystem::remove(outcome.graphics_file);
    }

    const std::string_view files(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t split = std::min(files.find('\0'), files.size());
    const std::string_view coordinates = files.substr(0, split);
    const std::string_view colors = split < files.size() ? files.substr(split + 1) : std::string_view{};

    // Every case runs on a run of its own, from an empty model, so that a finding replays alone.
    const auto run = std::make_unique<Run>();
    capture_console_output(*run);
    const std::string log_path = harness_scratch().file("sferonda-log.txt");
    try {
        attach_input_text(*run, CONSOLE_INPUT_UNIT, "", "stdin");
        attach_input_text(*run, COORDINATES_UNIT, std::string(coordinates), "coordinates.dat");
        attach_input_text(*run, COLORS_UNIT, std::string(colors), "colors.col");
        open_unknown(*run, LOG_UNIT, log_path);
        SFERONDA(*run, outcome.display_type, COORDINATES_UNIT, COLORS_UNIT, LOG_UNIT, OUTPUT_UNIT, output_name);
        outcome.case_returned = true;
        close_all_units(*run);
    } catch (RunEnded& ended) {
        outcome.status = finish_run(*run, ended);
    }
    close_all_units_quietly(*run);
    outcome.console = take_console_output(*run);
    outcome.log = read_file_or_empty(log_path);
    outcome.graphics_file_exists =
        !outcome.graphics_file.empty() && std::filesystem::exists(outcome.graphics_file);
    if (outcome.graphics_file_exists) outcome.graphics_content = read_file_or_empty(outcome.graphics_file);
    return outcome;
}

}  // namespace sferonda::fuzzing
