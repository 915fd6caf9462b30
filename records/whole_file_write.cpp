#include "records/whole_file_write.hpp"

#include <fcntl.h>
#include <unistd.h>

#include "platform/platform.hpp"
#include "records/fatal_error.hpp"
#include "records/temporary_file.hpp"
#include "records/units.hpp"
#include "records/write_all.hpp"

namespace sferonda {

namespace {

// A device or a pipe cannot be replaced by renaming: that would put a plain
// file in its place (as root even over /dev/null). Such a target is written
// straight into, as any program writes to it.
void write_in_place(Units& units, const std::string& path, std::string_view bytes, int unit) {
    const int fd = open_file(path, O_WRONLY | O_TRUNC);
    if (fd < 0) fatal_io_error(units, IoError::OpenFailure, unit, full_path_name(path));
    const bool written = write_all(fd, bytes);
    if (::close(fd) != 0 || !written) fatal_io_error(units, IoError::WriteFailure, unit, full_path_name(path));
}

void replace_target(Units& units, const std::string& target, std::string_view bytes, int unit,
                    const std::string& named) {
    const bool replacing = identify_file(target).has_value();
    if (replacing && !may_write(target)) fatal_io_error(units, IoError::OpenFailure, unit, full_path_name(named));
    std::string created;
    const int fd = create_temporary_beside(target, created);
    if (fd < 0) fatal_io_error(units, IoError::OpenFailure, unit, full_path_name(named));
    if (replacing) keep_owner_and_mode(fd, target);
    const bool written = write_all(fd, bytes);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || !rename_temporary(created, target)) {
        remove_temporary(created);
        fatal_io_error(units, IoError::WriteFailure, unit, full_path_name(named));
    }
}

}  // namespace

void write_whole_file(Units& units, const std::string& path, std::string_view bytes, int unit) {
    // A folder fails to open there, as it should.
    if (file_kind(path) == FileKind::Other) {
        return write_in_place(units, path, bytes, unit);
    }
    const std::optional<std::string> target = final_link_target(path);
    if (!target) fatal_io_error(units, IoError::OpenFailure, unit, full_path_name(path));
    replace_target(units, *target, bytes, unit, path);
}

}  // namespace sferonda
