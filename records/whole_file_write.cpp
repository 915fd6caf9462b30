#include "records/whole_file_write.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "records/fatal_error.hpp"
#include "records/link_target.hpp"
#include "records/temporary_file.hpp"
#include "records/units.hpp"
#include "records/write_all.hpp"

namespace sferonda {

namespace {

// A device or a pipe cannot be replaced by renaming: that would put a plain
// file in its place (as root even over /dev/null). Such a target is written
// straight into, as any program writes to it.
void write_in_place(const std::string& path, std::string_view bytes, int unit) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) fatal_io_error(IoError::OpenFailure, unit, full_path_name(path));
    const bool written = write_all(fd, bytes);
    if (::close(fd) != 0 || !written) fatal_io_error(IoError::WriteFailure, unit, full_path_name(path));
}

// Replacing a file is writing it: one the user may not write is refused as
// opening it for writing would be, although its folder would allow the rename.
bool may_write(const std::string& target) {
    return ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0;
}

// Only root may give a file to another user; anyone else's file then
// becomes theirs, at least in the earlier file's group when they belong to it.
void keep_owner_and_mode(int fd, const struct stat& earlier) {
    struct stat created {};
    if (::fstat(fd, &created) == 0 && (created.st_uid != earlier.st_uid || created.st_gid != earlier.st_gid)) {
        static_cast<void>(::fchown(fd, earlier.st_uid, earlier.st_gid) == 0 ||
                          ::fchown(fd, static_cast<uid_t>(-1), earlier.st_gid) == 0);
    }
    // After the owner: a change of owner clears the set-user-ID bit.
    ::fchmod(fd, earlier.st_mode & 07777);
}

void replace_file(const std::string& target, std::string_view bytes, int unit, const std::string& named) {
    struct stat earlier {};
    const bool replacing = ::stat(target.c_str(), &earlier) == 0;
    if (replacing && !may_write(target)) fatal_io_error(IoError::OpenFailure, unit, full_path_name(named));
    std::string created;
    const int fd = create_temporary_beside(target, created);
    if (fd < 0) fatal_io_error(IoError::OpenFailure, unit, full_path_name(named));
    if (replacing) keep_owner_and_mode(fd, earlier);
    const bool written = write_all(fd, bytes);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || !rename_temporary(created, target)) {
        remove_temporary(created);
        fatal_io_error(IoError::WriteFailure, unit, full_path_name(named));
    }
}

}  // namespace

void write_whole_file(const std::string& path, std::string_view bytes, int unit) {
    struct stat existing {};
    // A folder fails to open there, as it should.
    if (::stat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        return write_in_place(path, bytes, unit);
    }
    const std::optional<std::string> target = final_link_target(path);
    if (!target) fatal_io_error(IoError::OpenFailure, unit, full_path_name(path));
    replace_file(*target, bytes, unit, path);
}

}  // namespace sferonda
