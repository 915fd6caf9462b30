#include "records/units.hpp"

#include <array>
#include <cassert>
#include <memory>
#include <optional>
#include <unistd.h>

#include "records/fatal_error.hpp"
#include "records/system_file_system.hpp"
#include "records/write_all.hpp"

namespace sferonda {

namespace {

// The console host writes the fatal line where a terminal shows it.
void write_to_standard_error(std::string_view record) {
    // Nothing is left to report a failure to: the status still tells it.
    write_all(STDERR_FILENO, record);
}

}  // namespace

Units::Units()
    : own_file_system_(std::make_unique<SystemFileSystem>()),
      file_system_(*own_file_system_),
      error_sink_(write_to_standard_error) {}

Units::Units(FileSystem& files) : file_system_(files), error_sink_(write_to_standard_error) {}

Units::~Units() { close_all_units_quietly(*this); }

UnitSlot& Units::slot(int unit) {
    assert(unit >= 0 && unit < UNIT_LIMIT);
    return slots_[unit];
}

UnitSlot& Units::console_output() {
    UnitSlot& console = slot(CONSOLE_OUTPUT_UNIT);
    if (!console.output) {
        console.path = "stdout";
        console.file = file_system_.console(ConsoleStream::Output);
        console.output = std::make_unique<OutputBuffer>(*this, *console.file, CONSOLE_OUTPUT_UNIT, true);
    }
    return console;
}

void Units::move_console_to_error() {
    UnitSlot& console = console_output();
    // The buffer goes on to the new stream before the old one goes.
    std::unique_ptr<OpenFile> error = file_system_.console(ConsoleStream::Error);
    console.output->write_to(*error);
    console.file = std::move(error);
}

UnitSlot& Units::console_input() {
    UnitSlot& console = slot(CONSOLE_INPUT_UNIT);
    if (!console.input) {
        console.path = "stdin";
        console.file = file_system_.console(ConsoleStream::Input);
        console.input = std::make_unique<LineSource>(*this, *console.file, CONSOLE_INPUT_UNIT);
    }
    return console;
}

namespace {

constexpr int UNIT_LIMIT = Units::UNIT_LIMIT;

bool is_console_unit(int unit) {
    return unit == CONSOLE_INPUT_UNIT || unit == CONSOLE_OUTPUT_UNIT;
}

// The buffers go before the file they read or write.
void release(UnitSlot& unit) {
    unit.input.reset();
    unit.output.reset();
    unit = UnitSlot{};
}

// False when the file could not keep what was written to it.
bool close_file(UnitSlot& unit) {
    const bool closed = !unit.file || unit.file->close();
    release(unit);
    return closed;
}

// The name as the system takes it. No file can have a NUL byte in its name,
// and the system would silently open the name cut there.
std::string system_name(Units& units, int unit, std::string_view file_name) {
    const std::size_t nul = file_name.find('\0');
    if (nul != std::string_view::npos) {
        fatal_io_error(units, IoError::OpenFailure, unit, units.file_system().full_path(file_name.substr(0, nul)));
    }
    return std::string(file_name);
}

// Opening for writing empties the file: it must not be one that another
// unit has open, such as the log or a file being read.
void refuse_file_of_other_unit(Units& units, int unit, const std::string& name, const std::string& path) {
    const std::optional<FileIdentity> existing = units.file_system().identify(name);
    if (!existing) return;
    for (int other = 0; other < UNIT_LIMIT; ++other) {
        if (other != unit && units.slot(other).identity == existing) {
            fatal_io_error(units, IoError::OpenFailure, unit, path);
        }
    }
}

}  // namespace

void open_old(Units& units, int unit, std::string_view file_name) {
    if (is_open(units, unit)) close_unit(units, unit);
    std::string name = system_name(units, unit, file_name);
    std::string path = units.file_system().full_path(file_name);
    OpenedForReading opened_file = units.file_system().open_for_reading(name);
    if (!opened_file.file) {
        const bool missing = opened_file.failure == OpenFailure::Missing;
        fatal_io_error(units, missing ? IoError::FileNotFound : IoError::OpenFailure, unit, path);
    }
    UnitSlot& opened = units.slot(unit);
    opened.file = std::move(opened_file.file);
    opened.path = std::move(path);
    opened.identity = opened.file->identity();
    opened.input = std::make_unique<LineSource>(units, *opened.file, unit);
}

namespace {

void open_for_writing(Units& units, int unit, std::string_view file_name, bool for_this_run) {
    if (is_open(units, unit)) close_unit(units, unit);
    std::string name = system_name(units, unit, file_name);
    std::string path = units.file_system().full_path(file_name);
    refuse_file_of_other_unit(units, unit, name, path);
    std::unique_ptr<OpenFile> file = units.file_system().open_for_writing(name, for_this_run);
    if (!file) fatal_io_error(units, IoError::OpenFailure, unit, path);
    UnitSlot& opened = units.slot(unit);
    opened.file = std::move(file);
    opened.path = std::move(path);
    opened.identity = opened.file->identity();
    opened.output = std::make_unique<OutputBuffer>(units, *opened.file, unit, false);
}

}  // namespace

// A name that the system takes for a device, or changes, would swallow the
// records and the run would report a file that does not exist.
void open_unknown(Units& units, int unit, std::string_view file_name) {
    if (!units.file_system().names_ordinary_file(file_name)) {
        fatal_io_error(units, IoError::OpenFailure, unit, units.file_system().full_path(file_name));
    }
    open_for_writing(units, unit, file_name, false);
}

void open_unknown_for_this_run(Units& units, int unit, std::string_view file_name) {
    open_for_writing(units, unit, file_name, true);
}

void write_whole_file(Units& units, const std::string& file_name, std::string_view bytes, int unit) {
    const WholeFileOutcome outcome = units.file_system().replace_whole_file(file_name, bytes);
    if (outcome == WholeFileOutcome::Written) return;
    const IoError error = outcome == WholeFileOutcome::OpenFailure ? IoError::OpenFailure : IoError::WriteFailure;
    fatal_io_error(units, error, unit, units.file_system().full_path(file_name));
}

void close_unit(Units& units, int unit) {
    UnitSlot& closing = units.slot(unit);
    if (closing.output) closing.output->flush();
    std::string path = closing.path;
    if (!close_file(closing)) fatal_io_error(units, IoError::WriteFailure, unit, path);
}

void rewind_unit(Units& units, int unit) { input_unit(units, unit).rewind(); }

LineSource& input_unit(Units& units, int unit) {
    if (unit == CONSOLE_INPUT_UNIT) {
        // The console's question must be on the screen before its answer is read.
        units.console_output().output->flush();
        return *units.console_input().input;
    }
    UnitSlot& reading = units.slot(unit);
    assert(reading.input && "unit not open for reading");
    return *reading.input;
}

OutputBuffer& output_unit(Units& units, int unit) {
    if (unit == CONSOLE_OUTPUT_UNIT) return *units.console_output().output;
    UnitSlot& writing = units.slot(unit);
    assert(writing.output && "unit not open for writing");
    return *writing.output;
}

bool is_open(Units& units, int unit) {
    const UnitSlot& probe = units.slot(unit);
    return probe.input || probe.output;
}

std::string_view unit_path(Units& units, int unit) {
    if (unit == CONSOLE_INPUT_UNIT) return "stdin";
    if (unit == CONSOLE_OUTPUT_UNIT) return "stdout";
    return units.slot(unit).path;
}

void flush_output_units(Units& units) {
    for (int unit = 0; unit < UNIT_LIMIT; ++unit) {
        UnitSlot& slot = units.slot(unit);
        if (slot.output) slot.output->flush();
    }
}

void close_all_units(Units& units) {
    for (int unit = 0; unit < UNIT_LIMIT; ++unit) {
        if (!is_console_unit(unit) && is_open(units, unit)) close_unit(units, unit);
    }
    output_unit(units, CONSOLE_OUTPUT_UNIT).flush();
}

bool close_all_units_quietly(Units& units) {
    bool all_written = true;
    for (int unit = 0; unit < UNIT_LIMIT; ++unit) {
        UnitSlot& closing = units.slot(unit);
        if (closing.output && !closing.output->try_flush()) all_written = false;
        if (is_console_unit(unit)) continue;
        if (!close_file(closing)) all_written = false;
    }
    return all_written;
}

void attach_input_text(Units& units, int unit, std::string text, std::string_view file_name) {
    UnitSlot& attached = units.slot(unit);
    release(attached);
    attached.path = units.file_system().full_path(file_name);
    attached.input = std::make_unique<LineSource>(units, std::move(text), unit);
}

void capture_console_output(Units& units) { units.console_output().output->capture_in_memory(); }

std::string take_console_output(Units& units) { return units.console_output().output->take_captured(); }

}  // namespace sferonda
