#include "records/whole_file_write.hpp"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "records/fatal_error.hpp"
#include "records/units.hpp"

namespace sferonda {

namespace {

// A name that no other run and no user file is likely to hold: the target's
// name with the process number; if it exists all the same, the next number.
int create_beside(const std::string& path, std::string& created) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        created = path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// A device or a pipe cannot be replaced by renaming: that would put a plain
// file in its place (as root even over /dev/null). Such a target is written
// straight into, as any program writes to it.
void write_in_place(const std::string& path, std::string_view bytes, int unit) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) fatal_io_error(IoError::OpenFailure, unit, full_path_name(path));
    const bool written = write_all(fd, bytes);
    if (::close(fd) != 0 || !written) fatal_io_error(IoError::WriteFailure, unit, full_path_name(path));
}

}  // namespace

void write_whole_file(const std::string& path, std::string_view bytes, int unit) {
    struct stat existing {};
    // A folder fails to open there, as it should.
    if (::stat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        return write_in_place(path, bytes, unit);
    }
    std::string created;
    const int fd = create_beside(path, created);
    if (fd < 0) fatal_io_error(IoError::OpenFailure, unit, full_path_name(path));
    const bool written = write_all(fd, bytes);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(created.c_str(), path.c_str()) != 0) {
        std::remove(created.c_str());
        fatal_io_error(IoError::WriteFailure, unit, full_path_name(path));
    }
}

}  // namespace sferonda
