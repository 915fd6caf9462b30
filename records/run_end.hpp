#pragma once
// Ending the run early. The run is left by throwing RunEnded, so that the
// main routine (or a test) regains control, keeps every byte written so far
// and ends the process with the status carried here.

namespace sferonda {

struct RunEnded {
    int status;  // the fatal error's number; 0 for a stop
};

// A stop ordered by the program: nothing more is written, status 0.
[[noreturn]] void stop_run();

// Ends the run with the fatal error number `status` after its line has been written.
[[noreturn]] void abort_run(int status);

// Writes out every buffered output of the units still open and closes them;
// returns the exit status of the process, the system's form of the error
// number. A stop whose last writes fail turns into the fatal write error.
int finish_run(const RunEnded& ended);

// How a run came to its end: through to its last statement, by a stop, or
// by a fatal error.
enum class RunEnding { Normal, Stop, Fatal };

struct RunOutcome {
    RunEnding ending;
    int status;  // the exit status
};

// Runs `body`, which returns the run's status, to its end however it ends:
// a stop or a fatal error met on the way writes out and closes every unit.
template <typename Body>
RunOutcome run_to_end(Body&& body) {
    try {
        return {RunEnding::Normal, body()};
    } catch (const RunEnded& ended) {
        const int status = finish_run(ended);
        return {status == 0 ? RunEnding::Stop : RunEnding::Fatal, status};
    }
}

}  // namespace sferonda
