#include "records/fatal_error.hpp"

#include <cstdio>
#include <cstdlib>

#include "platform/platform.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"

namespace sferonda {

namespace {

const char* message_pattern(IoError error) {
    switch (error) {
        case IoError::EndOfFile: return "end-of-file during read, unit %d, file %s";
        case IoError::FileNotFound: return "file not found, unit %d, file %s";
        case IoError::OpenFailure: return "open failure, unit %d, file %s";
        case IoError::WriteFailure: return "error during write, unit %d, file %s";
        case IoError::ReadFailure: return "error during read, unit %d, file %s";
        case IoError::InsufficientMemory: return "insufficient virtual memory";
        case IoError::SyntaxError: return "list-directed I/O syntax error, unit %d, file %s";
        case IoError::ConversionError: return "input conversion error, unit %d, file %s";
    }
    return "unknown error, unit %d, file %s";
}

}  // namespace

std::string fatal_error_line(IoError error, int unit, std::string_view full_path) {
    std::string path(full_path);
    int needed = std::snprintf(nullptr, 0, message_pattern(error), unit, path.c_str());
    std::string message(static_cast<std::size_t>(needed) + 1, '\0');
    std::snprintf(message.data(), message.size(), message_pattern(error), unit, path.c_str());
    message.pop_back();
    std::string line = "forrtl: severe";
    line += " (" + std::to_string(static_cast<int>(error)) + "): ";
    line += message;
    return line;
}

void fatal_io_error(Units& units, IoError error, int unit) {
    fatal_io_error(units, error, unit, unit_path(units, unit));
}

void fatal_io_error(Units& units, IoError error, int unit, std::string_view full_path) {
    std::string line = fatal_error_line(error, unit, full_path);
    // What the console was told before the failure comes before the fatal line.
    if (unit != CONSOLE_OUTPUT_UNIT) output_unit(units, CONSOLE_OUTPUT_UNIT).try_flush();
    units.report_fatal_line(line + "\r\n");
    throw RunEnded{static_cast<int>(error), unit, std::string(full_path), std::move(line)};
}

namespace {

// Writes out the units once (an allocation failing meanwhile comes back
// here) and reports the line, built in `line` without allocating; answers
// the line with its line end.
std::string_view report_memory_error(Units& units, char (&line)[64]) {
    const int length = std::snprintf(line, sizeof line, "%s (%i): %s\r\n", "forrtl: severe",
                                     static_cast<int>(IoError::InsufficientMemory),
                                     message_pattern(IoError::InsufficientMemory));
    if (!units.ending_for_memory) {
        units.ending_for_memory = true;
        close_all_units_quietly(units);
    }
    const std::string_view record(line, static_cast<std::size_t>(length));
    units.report_fatal_line(record);
    return record;
}

}  // namespace

void fatal_memory_error(Units& units) {
    char line[64];
    report_memory_error(units, line);
    std::_Exit(fatal_exit_status(static_cast<int>(IoError::InsufficientMemory)));
}

RunEnded memory_error_ending(Units& units) {
    char line[64];
    const std::string_view record = report_memory_error(units, line);
    const std::string_view without_line_end = record.substr(0, record.size() - 2);
    return RunEnded{static_cast<int>(IoError::InsufficientMemory), 0, "", std::string(without_line_end)};
}

}  // namespace sferonda
