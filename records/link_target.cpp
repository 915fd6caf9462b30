#include "records/link_target.hpp"

#include <array>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace sferonda {

namespace {

// The system's own limit on the links of one name.
constexpr int LINK_LIMIT = 40;

std::optional<std::string> read_link(const std::string& path) {
    std::array<char, PATH_MAX> target{};
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) == target.size()) return std::nullopt;
    return std::string(target.data(), static_cast<std::size_t>(length));
}

std::string folder_of(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

std::optional<std::string> final_link_target(std::string path) {
    for (int links = 0; links <= LINK_LIMIT; ++links) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
        const std::optional<std::string> target = read_link(path);
        if (!target) return std::nullopt;
        path = target->front() == '/' ? *target : folder_of(path) + *target;
    }
    return std::nullopt;
}

}  // namespace sferonda
