#include "driver/case_driver.hpp"

#include <cstdint>

#include "driver/bead_model.hpp"
#include "driver/model_reader.hpp"
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

void write_banner_and_echo(std::int32_t display_type, const CaseNames& names) {
    write_list(CONSOLE_OUTPUT_UNIT, {"  "});
    write_list(CONSOLE_OUTPUT_UNIT, {"  "});
    write_list(CONSOLE_OUTPUT_UNIT, {"* Program Sferonda, version 3"});
    write_list(CONSOLE_OUTPUT_UNIT, {"     Sferonda project contributors"});
    write_list(CONSOLE_OUTPUT_UNIT, {"     Bead-model scene generator"});
    write_list(CONSOLE_OUTPUT_UNIT, {"* Type of display: ", display_type});
    write_list(CONSOLE_OUTPUT_UNIT,
               {"* Name of file with coordinates and connectors: ", names.coordinates_file_name});
    write_list(CONSOLE_OUTPUT_UNIT, {"* Name of file with colors: ", names.colors_file_name});
    // "ouput" is the record's historical spelling, which users' scripts match: keep it.
    write_list(CONSOLE_OUTPUT_UNIT, {"* Name of ouput file (without extension): ", names.output_name});
}

void run_case(std::int32_t display_type, CaseNames& names) {
    read_list_or_fail(MAIN_INPUT_UNIT, {names.coordinates_file_name});
    read_list_or_fail(MAIN_INPUT_UNIT, {names.colors_file_name});
    read_list_or_fail(MAIN_INPUT_UNIT, {names.output_name});
    write_banner_and_echo(display_type, names);
    open_old(COORDINATES_UNIT, trimmed(names.coordinates_file_name));
    open_old(COLORS_UNIT, trimmed(names.colors_file_name));
    SFERONDA(display_type, COORDINATES_UNIT, COLORS_UNIT, LOG_UNIT, OUTPUT_UNIT, names.output_name);
    close_unit(COORDINATES_UNIT);
    close_unit(COLORS_UNIT);
    // Each case's log records reach the disk with the case, not at the end of the run.
    output_unit(LOG_UNIT).flush();
}

// The path shown as the user's typed answer would show it; the file is
// opened by the path as given, so that a missing one gets the fatal line of
// a missing main input file, before anything else happens.
void open_given_main_input(std::string_view path) {
    OutputBuffer& console = output_unit(CONSOLE_OUTPUT_UNIT);
    console.append(path);
    console.end_line();
    open_old(MAIN_INPUT_UNIT, path);
    const std::size_t separator = path.find_last_of(path_separators());
    if (separator == std::string_view::npos) return;
    if (!enter_folder(std::string(path.substr(0, separator + 1)))) {
        fatal_io_error(IoError::OpenFailure, MAIN_INPUT_UNIT);
    }
}

void open_typed_main_input() {
    Name main_input_file_name = make_name("");
    read_list_or_fail(CONSOLE_INPUT_UNIT, {main_input_file_name});
    open_old(MAIN_INPUT_UNIT, trimmed(main_input_file_name));
}

}  // namespace

void run_cases(std::optional<std::string_view> main_input_path) {
    write_list(CONSOLE_OUTPUT_UNIT, {"Give name of main input file"});
    if (main_input_path) {
        open_given_main_input(*main_input_path);
    } else {
        open_typed_main_input();
    }
    open_unknown_for_this_run(LOG_UNIT, LOG_FILE_NAME);

    // The case values are single variables: a null value in the main input
    // file keeps what the previous case left in them.
    std::int32_t display_type = 0;
    CaseNames names;
    read_list_or_fail(MAIN_INPUT_UNIT, {display_type});
    while (display_type >= 0) {
        run_case(display_type, names);
        read_list_or_fail(MAIN_INPUT_UNIT, {display_type});
    }

    write_list(CONSOLE_OUTPUT_UNIT, {"* No more cases. End of execution"});
    close_unit(LOG_UNIT);
    close_unit(MAIN_INPUT_UNIT);
}

int run_batch(std::optional<std::string_view> main_input_path) {
    return run_to_end([&] {
               run_cases(main_input_path);
               close_all_units();
               return 0;
           }).status;
}

}  // namespace sferonda
