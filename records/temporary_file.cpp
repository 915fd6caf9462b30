#include "records/temporary_file.hpp"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "platform/platform.hpp"

namespace sferonda {

namespace {

int create_recorded(const std::string& name) {
    InterruptsHeld held;
    if (!set_removal_on_interrupt(name)) return -1;
    const int fd = open_file(name, O_WRONLY | O_CREAT | O_EXCL);
    if (fd < 0) clear_removal_on_interrupt();
    return fd;
}

}  // namespace

// A name that no other run and no user file is likely to hold: the target's
// name with the process number; if it exists all the same, the next number.
int create_temporary_beside(const std::string& target, std::string& created) {
    constexpr int MOST_ATTEMPTS = 100;
    for (int attempt = 0; attempt < MOST_ATTEMPTS; ++attempt) {
        created = target + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = create_recorded(created);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool rename_temporary(const std::string& created, const std::string& target) {
    InterruptsHeld held;
    const bool renamed = replace_file(created, target);
    if (renamed) clear_removal_on_interrupt();
    return renamed;
}

void remove_temporary(const std::string& created) {
    InterruptsHeld held;
    remove_file(created);
    clear_removal_on_interrupt();
}

}  // namespace sferonda
