#include "records/write_all.hpp"

#include <cerrno>

#include "platform/platform.hpp"

namespace sferonda {

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const std::ptrdiff_t count = write_console_or_file(fd, bytes);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

}  // namespace sferonda
