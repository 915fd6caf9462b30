#include "driver/case_driver.hpp"

#include <cstdint>

#include "driver/bead_model.hpp"
#include "driver/model_reader.hpp"
#include "driver/run.hpp"
#include "platform/platform.hpp"
#include "records/fatal_error.hpp"
#include "records/list_read.hpp"
#include "records/record_write.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"

namespace sferonda {

namespace {

constexpr const char* LOG_FILE_NAME = "sferonda-log.txt";

struct CaseNames {
    Name coordinates_file_name = make_name("");
    Name colors_file_name = make_name("");
    Name output_name = make_name("");
};

void write_banner_and_echo(Run& run, std::int32_t display_type, const CaseNames& names) {
    write_list(run, CONSOLE_OUTPUT_UNIT, {"  "});
    write_list(run, CONSOLE_OUTPUT_UNIT, {"  "});
    write_list(run, CONSOLE_OUTPUT_UNIT, {"* Program Sferonda, version 3"});
    write_list(run, CONSOLE_OUTPUT_UNIT, {"     Sferonda project contributors"});
    write_list(run, CONSOLE_OUTPUT_UNIT, {"     Bead-model scene generator"});
    write_list(run, CONSOLE_OUTPUT_UNIT, {"* Type of display: ", display_type});
    write_list(run, CONSOLE_OUTPUT_UNIT,
               {"* Name of file with coordinates and connectors: ", names.coordinates_file_name});
    write_list(run, CONSOLE_OUTPUT_UNIT, {"* Name of file with colors: ", names.colors_file_name});
    // "ouput" is the record's historical spelling, which users' scripts match: keep it.
    write_list(run, CONSOLE_OUTPUT_UNIT, {"* Name of ouput file (without extension): ", names.output_name});
}

void begin_case_result(Run& run, std::int32_t display_type, const CaseNames& names) {
    CaseResult& result = run.cases.emplace_back();
    result.display_type = display_type;
    result.coordinates = trimmed(names.coordinates_file_name);
    result.colors = trimmed(names.colors_file_name);
    result.output_name = trimmed(names.output_name);
}

void run_case(Run& run, std::int32_t display_type, CaseNames& names) {
    read_list_or_fail(run, MAIN_INPUT_UNIT, {names.coordinates_file_name});
    read_list_or_fail(run, MAIN_INPUT_UNIT, {names.colors_file_name});
    read_list_or_fail(run, MAIN_INPUT_UNIT, {names.output_name});
    begin_case_result(run, display_type, names);
    write_banner_and_echo(run, display_type, names);
    open_old(run, COORDINATES_UNIT, trimmed(names.coordinates_file_name));
    open_old(run, COLORS_UNIT, trimmed(names.colors_file_name));
    SFERONDA(run, display_type, COORDINATES_UNIT, COLORS_UNIT, LOG_UNIT, OUTPUT_UNIT, names.output_name);
    close_unit(run, COORDINATES_UNIT);
    close_unit(run, COLORS_UNIT);
    // Each case's log records reach the disk with the case, not at the end of the run.
    output_unit(run, LOG_UNIT).flush();
}

// The path shown as the user's typed answer would show it; the file is
// opened by the path as given, so that a missing one gets the fatal line of
// a missing main input file, before anything else happens.
void open_given_main_input(Run& run, std::string_view path) {
    OutputBuffer& console = output_unit(run, CONSOLE_OUTPUT_UNIT);
    console.append(path);
    console.end_line();
    open_old(run, MAIN_INPUT_UNIT, path);
    const std::size_t separator = path.find_last_of(path_separators());
    if (separator == std::string_view::npos) return;
    if (!run.file_system().enter_folder(std::string(path.substr(0, separator + 1)))) {
        fatal_io_error(run, IoError::OpenFailure, MAIN_INPUT_UNIT);
    }
}

void open_typed_main_input(Run& run) {
    Name main_input_file_name = make_name("");
    read_list_or_fail(run, CONSOLE_INPUT_UNIT, {main_input_file_name});
    open_old(run, MAIN_INPUT_UNIT, trimmed(main_input_file_name));
}

}  // namespace

void run_cases(Run& run, std::optional<std::string_view> main_input_path) {
    write_list(run, CONSOLE_OUTPUT_UNIT, {"Give name of main input file"});
    if (main_input_path) {
        open_given_main_input(run, *main_input_path);
    } else {
        open_typed_main_input(run);
    }
    open_unknown_for_this_run(run, LOG_UNIT, LOG_FILE_NAME);

    // The case values are single variables: a null value in the main input
    // file keeps what the previous case left in them.
    std::int32_t display_type = 0;
    CaseNames names;
    read_list_or_fail(run, MAIN_INPUT_UNIT, {display_type});
    while (display_type >= 0) {
        run_case(run, display_type, names);
        read_list_or_fail(run, MAIN_INPUT_UNIT, {display_type});
    }

    write_list(run, CONSOLE_OUTPUT_UNIT, {"* No more cases. End of execution"});
    close_unit(run, LOG_UNIT);
    close_unit(run, MAIN_INPUT_UNIT);
}

int run_batch(Run& run, std::optional<std::string_view> main_input_path) {
    return run_to_end(run, [&] {
               run_cases(run, main_input_path);
               close_all_units(run);
               return 0;
           }).status;
}

}  // namespace sferonda
