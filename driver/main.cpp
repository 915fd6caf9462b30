// Sferonda: turns bead models into scene files, case after case, as a main
// input file lists them; or, given arguments, runs one command.

#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "driver/case_driver.hpp"
#include "driver/command_line.hpp"
#include "driver/console_window.hpp"
#include "platform/platform.hpp"
#include "records/fatal_error.hpp"

namespace {

int run(int argc, char** argv) {
    const std::vector<std::string> given = sferonda::command_line_arguments(argc, argv);
    if (!given.empty()) {
        const std::vector<std::string_view> arguments(given.begin(), given.end());
        return sferonda::run_command_line(arguments);
    }
    return sferonda::run_batch(std::nullopt);
}

}  // namespace

int main(int argc, char** argv) {
    sferonda::prepare_process();
    // Memory that cannot be had ends the run with its fatal line, wherever it was asked for.
    std::set_new_handler(sferonda::fatal_memory_error);
    try {
        const int status = run(argc, argv);
        sferonda::keep_own_window_until_enter();
        return status;
    } catch (const std::bad_alloc&) {  // an array too long to ask for at all
        sferonda::fatal_memory_error();
    }
}
