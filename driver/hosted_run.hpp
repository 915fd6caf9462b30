#pragma once
// One run for a host that is not the console (the web page, the Python
// module): on files the host chooses, its console captured and its fatal
// line carried in its result instead of written on standard error.

#include <memory>
#include <string>

#include "driver/in_memory_run.hpp"
#include "driver/run.hpp"
#include "records/file_system.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"

namespace sferonda {

// Runs `body` on a run of its own on `files`, `console_answers` served as
// standard input; `after` then looks at the run before it goes. The
// result's files are left to the caller.
template <typename Body, typename After>
MemoryRunResult run_hosted(FileSystem& files, std::string console_answers, Body body, After after) {
    MemoryRunResult result;
    const auto run = std::make_unique<Run>(files);
    run->set_error_sink([](std::string_view) {});
    capture_console_output(*run);
    attach_input_text(*run, CONSOLE_INPUT_UNIT, std::move(console_answers), "stdin");
    RunOutcome outcome = run_to_end(*run, [&] { return body(*run); });
    result.status = outcome.status;
    result.ending = outcome.ending;
    result.fatal_line = std::move(outcome.fatal_line);
    result.error_number = outcome.error_number;
    result.fatal_unit = outcome.unit;
    result.fatal_file = std::move(outcome.full_path);
    close_all_units_quietly(*run);
    result.console = take_console_output(*run);
    after(*run, result);
    result.cases = std::move(run->cases);
    return result;
}

template <typename Body>
MemoryRunResult run_hosted(FileSystem& files, std::string console_answers, Body body) {
    return run_hosted(files, std::move(console_answers), body, [](Run&, MemoryRunResult&) {});
}

}  // namespace sferonda
