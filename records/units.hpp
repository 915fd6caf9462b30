#pragma once
// Files addressed by unit number, as every routine of the program names them.

#include <string>
#include <string_view>

#include "records/line_source.hpp"
#include "records/output_buffer.hpp"

namespace sferonda {

constexpr int CONSOLE_INPUT_UNIT = 5;   // standard input
constexpr int CONSOLE_OUTPUT_UNIT = 6;  // standard output

// Opens an existing file for reading (status old). Fatal error 29 when it
// does not exist, 30 when it cannot be read, is a folder or its name holds
// a NUL byte.
void open_old(int unit, std::string_view file_name);

// Opens a file for writing (status unknown): created when absent, emptied
// when present. Fatal error 30 when it cannot be created, when its name
// holds a NUL byte, when it is the same file as one open on another unit
// (which then keeps its contents), or when the system would not take the
// name for an ordinary file (a device such as NUL on Windows).
void open_unknown(int unit, std::string_view file_name);

// The same for a file that one run at a time may write, such as the log:
// it is locked before it is emptied and stays locked while the unit is
// open. Fatal error 30, the file untouched, when another run holds it.
void open_unknown_for_this_run(int unit, std::string_view file_name);

// Writes out what is buffered and closes the unit; fatal error 38 on failure.
void close_unit(int unit);

void rewind_unit(int unit);

LineSource& input_unit(int unit);
OutputBuffer& output_unit(int unit);
bool is_open(int unit);

// The full path name of the file on `unit`, as the fatal error line shows it.
std::string_view unit_path(int unit);

// Writes out the buffers of all open output units; fatal error 38 on failure.
void flush_output_units();
// Writes out and closes every open file unit and writes out the console; fatal error 38 on failure.
void close_all_units();
// Writes out and closes every open unit, reporting nothing; false if a write failed.
bool close_all_units_quietly();

// Closes every unit, reporting nothing, and forgets the consoles' state (a
// capture, an attached input): the next run starts as a fresh process would.
void reset_units();

// For tests and harnesses: serve `text` on an input unit and keep the
// console's output in memory.
void attach_input_text(int unit, std::string text, std::string_view file_name);
void capture_console_output();
std::string take_console_output();

}  // namespace sferonda
