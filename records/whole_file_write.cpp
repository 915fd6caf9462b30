#include "records/whole_file_write.hpp"

#include <fcntl.h>
#include <unistd.h>

#include "platform/platform.hpp"
#include "records/temporary_file.hpp"
#include "records/write_all.hpp"

namespace sferonda {

namespace {

// A device or a pipe cannot be replaced by renaming: that would put a plain
// file in its place (as root even over /dev/null). Such a target is written
// straight into, as any program writes to it.
WholeFileOutcome write_in_place(const std::string& path, std::string_view bytes) {
    const int fd = open_file(path, O_WRONLY | O_TRUNC);
    if (fd < 0) return WholeFileOutcome::OpenFailure;
    const bool written = write_all(fd, bytes);
    if (::close(fd) != 0 || !written) return WholeFileOutcome::WriteFailure;
    return WholeFileOutcome::Written;
}

WholeFileOutcome replace_target(const std::string& target, std::string_view bytes) {
    const bool replacing = identify_file(target).has_value();
    if (replacing && !may_write(target)) return WholeFileOutcome::OpenFailure;
    std::string created;
    const int fd = create_temporary_beside(target, created);
    if (fd < 0) return WholeFileOutcome::OpenFailure;
    if (replacing) keep_owner_and_mode(fd, target);
    const bool written = write_all(fd, bytes);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || !rename_temporary(created, target)) {
        remove_temporary(created);
        return WholeFileOutcome::WriteFailure;
    }
    return WholeFileOutcome::Written;
}

}  // namespace

WholeFileOutcome write_whole_file_on_disk(const std::string& path, std::string_view bytes) {
    // A folder fails to open there, as it should.
    if (file_kind(path) == FileKind::Other) return write_in_place(path, bytes);
    const std::optional<std::string> target = final_link_target(path);
    if (!target) return WholeFileOutcome::OpenFailure;
    return replace_target(*target, bytes);
}

}  // namespace sferonda
