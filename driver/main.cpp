// Sferonda: turns bead models into scene files, case after case, as a main
// input file lists them; or, given arguments, runs one command.

#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "driver/case_driver.hpp"
#include "driver/command_line.hpp"
#include "driver/console_window.hpp"
#include "driver/run.hpp"
#include "platform/platform.hpp"
#include "records/fatal_error.hpp"

namespace {

// The console host's one run, which a failed allocation anywhere ends; null
// until it has been made.
sferonda::Run* host_run = nullptr;

// Memory that cannot be had ends the run with its fatal line, wherever it was asked for.
[[noreturn]] void end_for_memory() {
    if (host_run != nullptr) sferonda::fatal_memory_error(*host_run);
    // Not even the run could be made: it has no files to write out.
    sferonda::Units no_files;
    sferonda::fatal_memory_error(no_files);
}

int run(sferonda::Run& run, int argc, char** argv) {
    const std::vector<std::string> given = sferonda::command_line_arguments(argc, argv);
    if (!given.empty()) {
        const std::vector<std::string_view> arguments(given.begin(), given.end());
        return sferonda::run_command_line(run, arguments);
    }
    return sferonda::run_batch(run, std::nullopt);
}

}  // namespace

int main(int argc, char** argv) {
    sferonda::prepare_process();
    std::set_new_handler(end_for_memory);
    const auto the_run = std::make_unique<sferonda::Run>();
    host_run = the_run.get();
    try {
        const int status = run(*the_run, argc, argv);
        sferonda::keep_own_window_until_enter(*the_run);
        return status;
    } catch (const std::bad_alloc&) {  // an array too long to ask for at all
        end_for_memory();
    }
}
