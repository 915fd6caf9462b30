// Sferonda: turns bead models into scene files, case after case, as a main
// input file lists them; or, given arguments, runs one command.

#include <csignal>
#include <string_view>
#include <vector>

#include "driver/case_driver.hpp"
#include "driver/command_line.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"

int main(int argc, char** argv) {
    // A closed console then shows up as a failed write, reported like any other.
    std::signal(SIGPIPE, SIG_IGN);
    if (argc > 1) {
        const std::vector<std::string_view> arguments(argv + 1, argv + argc);
        return sferonda::run_command_line(arguments);
    }
    try {
        sferonda::run_cases();
        sferonda::close_all_units();
    } catch (const sferonda::RunEnded& ended) {
        return sferonda::finish_run(ended);
    }
    return 0;
}
