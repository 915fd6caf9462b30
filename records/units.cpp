#include "records/units.hpp"

#include <array>
#include <cassert>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/platform.hpp"
#include "records/fatal_error.hpp"
#include "records/write_all.hpp"

namespace sferonda {

namespace {

// The console host writes the fatal line where a terminal shows it.
void write_to_standard_error(std::string_view record) {
    // Nothing is left to report a failure to: the status still tells it.
    write_all(STDERR_FILENO, record);
}

}  // namespace

Units::Units() : error_sink_(write_to_standard_error) {}

Units::~Units() { close_all_units_quietly(*this); }

UnitSlot& Units::slot(int unit) {
    assert(unit >= 0 && unit < UNIT_LIMIT);
    return slots_[unit];
}

UnitSlot& Units::console_output() {
    UnitSlot& console = slot(CONSOLE_OUTPUT_UNIT);
    if (!console.output) {
        console.path = "stdout";
        console.output = std::make_unique<OutputBuffer>(*this, STDOUT_FILENO, CONSOLE_OUTPUT_UNIT, true);
    }
    return console;
}

UnitSlot& Units::console_input() {
    UnitSlot& console = slot(CONSOLE_INPUT_UNIT);
    if (!console.input) {
        console.path = "stdin";
        console.input = std::make_unique<LineSource>(*this, STDIN_FILENO, CONSOLE_INPUT_UNIT);
    }
    return console;
}

namespace {

constexpr int UNIT_LIMIT = Units::UNIT_LIMIT;

bool is_console_unit(int unit) {
    return unit == CONSOLE_INPUT_UNIT || unit == CONSOLE_OUTPUT_UNIT;
}

void release(UnitSlot& unit) {
    if (unit.fd >= 0) ::close(unit.fd);
    unit = UnitSlot{};
}

// Only a regular file loses its contents when it is opened for writing:
// devices such as /dev/null may serve several units.
std::optional<FileIdentity> regular_file_identity(const struct stat& status, int fd) {
    if (!S_ISREG(status.st_mode)) return std::nullopt;
    return identify_open_file(fd);
}

std::optional<FileIdentity> regular_file_identity(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) return std::nullopt;
    return regular_file_identity(status, fd);
}

// The name as the system takes it. No file can have a NUL byte in its name,
// and the system would silently open the name cut there.
std::string system_name(Units& units, int unit, std::string_view file_name) {
    const std::size_t nul = file_name.find('\0');
    if (nul != std::string_view::npos) {
        fatal_io_error(units, IoError::OpenFailure, unit, full_path_name(file_name.substr(0, nul)));
    }
    return std::string(file_name);
}

// Opening for writing empties the file: it must not be one that another
// unit has open, such as the log or a file being read.
void refuse_file_of_other_unit(Units& units, int unit, const std::string& name, const std::string& path) {
    const std::optional<FileIdentity> existing = identify_file(name);
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
    std::string path = full_path_name(file_name);
    int fd = open_file(name, O_RDONLY);
    if (fd < 0) {
        bool missing = errno == ENOENT || errno == ENOTDIR;
        fatal_io_error(units, missing ? IoError::FileNotFound : IoError::OpenFailure, unit, path);
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || S_ISDIR(status.st_mode)) {
        ::close(fd);
        fatal_io_error(units, IoError::OpenFailure, unit, path);
    }
    UnitSlot& opened = units.slot(unit);
    opened.fd = fd;
    opened.path = std::move(path);
    opened.identity = regular_file_identity(status, fd);
    opened.input = std::make_unique<LineSource>(units, fd, unit);
}

namespace {

// The lock comes before the file is emptied, so that another run holding it
// keeps its records whole. A device has no records to lose and may serve
// runs in several folders, so it is neither locked nor emptied.
bool take_for_this_run(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) return false;
    if (!S_ISREG(status.st_mode)) return true;
    return lock_for_this_run(fd) && ::ftruncate(fd, 0) == 0;
}

void open_for_writing(Units& units, int unit, std::string_view file_name, bool for_this_run) {
    if (is_open(units, unit)) close_unit(units, unit);
    std::string name = system_name(units, unit, file_name);
    std::string path = full_path_name(file_name);
    refuse_file_of_other_unit(units, unit, name, path);
    int fd = open_file(name, O_WRONLY | O_CREAT | (for_this_run ? 0 : O_TRUNC));
    if (fd < 0) fatal_io_error(units, IoError::OpenFailure, unit, path);
    if (for_this_run && !take_for_this_run(fd)) {
        ::close(fd);
        fatal_io_error(units, IoError::OpenFailure, unit, path);
    }
    UnitSlot& opened = units.slot(unit);
    opened.fd = fd;
    opened.path = std::move(path);
    opened.identity = regular_file_identity(fd);
    opened.output = std::make_unique<OutputBuffer>(units, fd, unit, false);
}

}  // namespace

// A name that the system takes for a device, or changes, would swallow the
// records and the run would report a file that does not exist.
void open_unknown(Units& units, int unit, std::string_view file_name) {
    if (!names_ordinary_file(file_name)) {
        fatal_io_error(units, IoError::OpenFailure, unit, full_path_name(file_name));
    }
    open_for_writing(units, unit, file_name, false);
}

void open_unknown_for_this_run(Units& units, int unit, std::string_view file_name) {
    open_for_writing(units, unit, file_name, true);
}

void close_unit(Units& units, int unit) {
    UnitSlot& closing = units.slot(unit);
    if (closing.output) closing.output->flush();
    if (closing.fd >= 0 && ::close(closing.fd) != 0) {
        std::string path = closing.path;
        closing.fd = -1;
        release(closing);
        fatal_io_error(units, IoError::WriteFailure, unit, path);
    }
    closing.fd = -1;
    release(closing);
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
        if (closing.fd >= 0 && ::close(closing.fd) != 0) all_written = false;
        closing.fd = -1;
        release(closing);
    }
    return all_written;
}

void attach_input_text(Units& units, int unit, std::string text, std::string_view file_name) {
    UnitSlot& attached = units.slot(unit);
    release(attached);
    attached.path = full_path_name(file_name);
    attached.input = std::make_unique<LineSource>(units, std::move(text), unit);
}

void capture_console_output(Units& units) { units.console_output().output->capture_in_memory(); }

std::string take_console_output(Units& units) { return units.console_output().output->take_captured(); }

}  // namespace sferonda
