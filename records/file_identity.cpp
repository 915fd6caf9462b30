#include "records/file_identity.hpp"

#include <sys/stat.h>

namespace sferonda {

std::optional<FileIdentity> identify_file(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return std::nullopt;
    return FileIdentity{status.st_dev, status.st_ino};
}

}  // namespace sferonda
