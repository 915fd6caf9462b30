#pragma once
// The one place where input/output failures end the run: the fatal error
// line on standard error, then the end of the process with the error number.

#include <string>
#include <string_view>

namespace sferonda {

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

// Writes "forrtl: severe (N): <message>" for the file open on `unit` and ends the run.
[[noreturn]] void fatal_io_error(IoError error, int unit);

// The same for a file that is not (or no longer) open on its unit.
[[noreturn]] void fatal_io_error(IoError error, int unit, std::string_view full_path);

// Writes "forrtl: severe (41): insufficient virtual memory", which names no
// unit, after writing out what the units hold, and ends the process at once.
// It allocates nothing, so that a failed allocation may call it.
[[noreturn]] void fatal_memory_error();

// The text of the fatal line without its line end, for tests and for the report itself.
std::string fatal_error_line(IoError error, int unit, std::string_view full_path);

}  // namespace sferonda
