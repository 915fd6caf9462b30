#pragma once
// Ending the run early. The run is left by throwing RunEnded, so that the
// main routine (or a test) regains control, keeps every byte written so far
// and ends the process with the status carried here.

#include <new>
#include <string>

#include "records/fatal_error.hpp"

namespace sferonda {

class Units;

struct RunEnded {
    int status;               // the fatal error's number; 0 for a stop
    int unit = 0;             // of a fatal error
    std::string full_path;    // of the file on that unit
    std::string line;         // the fatal line without its line end; empty for a stop
};

// A stop ordered by the program: nothing more is written, status 0.
[[noreturn]] void stop_run();

// Writes out every buffered output of the units still open and closes them;
// returns the exit status of the process, the system's form of the error
// number. A stop whose last writes fail turns into the fatal write error,
// which `ended` then becomes.
int finish_run(Units& units, RunEnded& ended);

// How a run came to its end: through to its last statement, by a stop, or
// by a fatal error.
enum class RunEnding { Normal, Stop, Fatal };

struct RunOutcome {
    RunEnding ending;
    int status;              // the exit status
    std::string fatal_line;  // carried by the ending, without its line end
    int error_number = 0;    // of a fatal error, with its unit and the file's full path
    int unit = 0;
    std::string full_path;
};

RunOutcome ended_outcome(Units& units, RunEnded& ended);

// Runs `body`, which returns the run's status, to its end however it ends:
// a stop or a fatal error met on the way writes out and closes every unit.
// Memory that cannot be had is the fatal error 41 of the run, not of its host.
template <typename Body>
RunOutcome run_to_end(Units& units, Body&& body) {
    try {
        return {RunEnding::Normal, body(), {}, 0, 0, {}};
    } catch (RunEnded& ended) {
        return ended_outcome(units, ended);
    } catch (const std::bad_alloc&) {
        RunEnded ended = memory_error_ending(units);
        return ended_outcome(units, ended);
    }
}

}  // namespace sferonda
