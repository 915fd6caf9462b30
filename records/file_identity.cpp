#include "records/file_identity.hpp"

#include <cerrno>
#include <sys/file.h>
#include <sys/stat.h>

namespace sferonda {

std::optional<FileIdentity> identify_file(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return std::nullopt;
    return FileIdentity{status.st_dev, status.st_ino};
}

bool lock_for_this_run(int fd) {
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
}

}  // namespace sferonda
