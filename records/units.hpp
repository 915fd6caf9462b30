#pragma once
// Files addressed by unit number, as every routine of the program names them.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.hpp"
#include "records/file_system.hpp"
#include "records/line_source.hpp"
#include "records/output_buffer.hpp"

namespace sferonda {

constexpr int CONSOLE_INPUT_UNIT = 5;   // standard input
constexpr int CONSOLE_OUTPUT_UNIT = 6;  // standard output

// One unit number's file: the file itself, its full path for the fatal
// lines, and its buffer for reading or writing.
struct UnitSlot {
    std::unique_ptr<OpenFile> file;
    std::string path;
    std::optional<FileIdentity> identity;  // of the regular file open on fd
    std::unique_ptr<LineSource> input;
    std::unique_ptr<OutputBuffer> output;
};

// Takes a fatal line with its line end, as a console would show it.
using ErrorSink = std::function<void(std::string_view record)>;

// The files of one run by unit number, the console's input and output,
// where its fatal line goes, and the file system its files are on. Every
// routine that reads or writes a unit is handed the run's table, so that
// runs never share one.
class Units {
public:
    static constexpr int UNIT_LIMIT = 100;

    // Fatal lines go to standard error until told otherwise. Without a file
    // system the run's files are the system's, from the working folder.
    Units();
    // The run's files are those of `files`, which outlives the run.
    explicit Units(FileSystem& files);
    // Closes what is still open, reporting nothing.
    ~Units();
    Units(const Units&) = delete;
    Units& operator=(const Units&) = delete;

    UnitSlot& slot(int unit);
    UnitSlot& console_input();
    UnitSlot& console_output();
    // Standard output carries a file: the console's lines go to standard error instead.
    void move_console_to_error();

    FileSystem& file_system() { return file_system_; }

    // A host that takes the fatal line from the run's ending gives a sink that keeps nothing.
    void set_error_sink(ErrorSink sink) { error_sink_ = std::move(sink); }
    void report_fatal_line(std::string_view record) const { error_sink_(record); }

    // Set once a failed allocation has begun to end the run: another one while
    // the units are written out must not start over.
    bool ending_for_memory = false;

private:
    std::unique_ptr<FileSystem> own_file_system_;
    FileSystem& file_system_;
    std::array<UnitSlot, UNIT_LIMIT> slots_;
    ErrorSink error_sink_;
};

// Opens an existing file for reading (status old). Fatal error 29 when it
// does not exist, 30 when it cannot be read, is a folder or its name holds
// a NUL byte.
void open_old(Units& units, int unit, std::string_view file_name);

// Opens a file for writing (status unknown): created when absent, emptied
// when present. Fatal error 30 when it cannot be created, when its name
// holds a NUL byte, when it is the same file as one open on another unit
// (which then keeps its contents), or when the system would not take the
// name for an ordinary file (a device such as NUL on Windows).
void open_unknown(Units& units, int unit, std::string_view file_name);

// The same for a file that one run at a time may write, such as the log:
// it is locked before it is emptied and stays locked while the unit is
// open. Fatal error 30, the file untouched, when another run holds it.
void open_unknown_for_this_run(Units& units, int unit, std::string_view file_name);

// Writes `bytes` as the whole file `file_name` at once (FileSystem::
// replace_whole_file): fatal error 30 on `unit` when it cannot be begun, 38
// when it cannot be finished, the line naming `file_name` either way.
void write_whole_file(Units& units, const std::string& file_name, std::string_view bytes, int unit);

// Writes out what is buffered and closes the unit; fatal error 38 on failure.
void close_unit(Units& units, int unit);

void rewind_unit(Units& units, int unit);

LineSource& input_unit(Units& units, int unit);
OutputBuffer& output_unit(Units& units, int unit);
bool is_open(Units& units, int unit);

// The full path name of the file on `unit`, as the fatal error line shows it.
std::string_view unit_path(Units& units, int unit);

// Writes out the buffers of all open output units; fatal error 38 on failure.
void flush_output_units(Units& units);
// Writes out and closes every open file unit and writes out the console; fatal error 38 on failure.
void close_all_units(Units& units);
// Writes out and closes every open unit, reporting nothing; false if a write failed.
bool close_all_units_quietly(Units& units);

// For tests and harnesses: serve `text` on an input unit and keep the
// console's output in memory.
void attach_input_text(Units& units, int unit, std::string text, std::string_view file_name);
void capture_console_output(Units& units);
std::string take_console_output(Units& units);

}  // namespace sferonda
