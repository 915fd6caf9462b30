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

}  // namespace sferonda
