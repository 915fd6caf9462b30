#include "driver/command_line.hpp"

#include <unistd.h>

#include "driver/gltf_command.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"
#include "records/write_all.hpp"

namespace sferonda {

const std::string_view USAGE_TEXT =
    "Usage: sferonda\n"
    "       sferonda gltf COORDINATES COLORS OUTPUT\n"
    "       sferonda --help\n"
    "       sferonda --version\n"
    "\n"
    "Without arguments, sferonda asks for the name of a main input file and runs\n"
    "the batch of cases it lists (display types 1 to 6), logging the files it\n"
    "writes in sferonda-log.txt.\n"
    "\n"
    "  gltf COORDINATES COLORS OUTPUT\n"
    "              read one bead model (coordinates-and-connectors file and\n"
    "              colors file) and write it as a binary glTF 2.0 file OUTPUT\n"
    "  --help      print this help and exit\n"
    "  --version   print the version and exit\n";

namespace {

constexpr int USAGE_ERROR_STATUS = 2;

int print_on_console(std::string_view text) {
    output_unit(CONSOLE_OUTPUT_UNIT).append(text);
    output_unit(CONSOLE_OUTPUT_UNIT).flush();
    return 0;
}

int print_help(std::span<const std::string_view>) { return print_on_console(USAGE_TEXT); }

int print_version(std::span<const std::string_view>) {
    return print_on_console("sferonda " SFERONDA_VERSION "\n");
}

int write_gltf(std::span<const std::string_view> operands) {
    return run_gltf_command(operands[0], operands[1], operands[2]);
}

struct Command {
    std::string_view name;
    std::size_t operand_count;
    int (*run)(std::span<const std::string_view> operands);
};

constexpr Command COMMANDS[] = {
    {"--help", 0, print_help},
    {"--version", 0, print_version},
    {"gltf", 3, write_gltf},
};

int reject_arguments() {
    // The status tells the caller even when standard error cannot be written.
    write_all(STDERR_FILENO, USAGE_TEXT);
    return USAGE_ERROR_STATUS;
}

}  // namespace

int run_command_line(std::span<const std::string_view> arguments) {
    for (const Command& command : COMMANDS) {
        if (arguments[0] != command.name || arguments.size() != 1 + command.operand_count) continue;
        try {
            return command.run(arguments.subspan(1));
        } catch (const RunEnded& ended) {
            return finish_run(ended);
        }
    }
    return reject_arguments();
}

}  // namespace sferonda
