#pragma once
// The one place where input/output failures end the run: the fatal error
// line to the run's error sink, then the end of the run, carrying the line
// and the error number.

#include <string>
#include <string_view>

namespace sferonda {

class Units;
struct RunEnded;

enum class IoError {
    EndOfFile = 24,
    FileNotFound = 29,
    OpenFailure = 30,
    WriteFailure = 38,
    ReadFailure = 39,
    InsufficientMemory = 41,
    SyntaxError = 59,
    ConversionError = 64,
};

// Reports "forrtl: severe (N): <message>" for the file open on `unit` and ends the run.
[[noreturn]] void fatal_io_error(Units& units, IoError error, int unit);

// The same for a file that is not (or no longer) open on its unit.
[[noreturn]] void fatal_io_error(Units& units, IoError error, int unit, std::string_view full_path);

// Reports "forrtl: severe (41): insufficient virtual memory", which names no
// unit, after writing out what the units hold, and ends the process at once:
// the console host's answer to a failed allocation. It allocates nothing.
[[noreturn]] void fatal_memory_error(Units& units);

// The same for a run inside a host that goes on: the units written out
// quietly, the line reported, and the run's ending returned.
RunEnded memory_error_ending(Units& units);

// The text of the fatal line without its line end, for tests and for the report itself.
std::string fatal_error_line(IoError error, int unit, std::string_view full_path);

}  // namespace sferonda
