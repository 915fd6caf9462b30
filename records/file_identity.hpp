#pragma once
// Telling whether two names lead to the same file, and keeping a file for
// one run alone, so that a file the run reads or keeps open is never
// emptied by an open for writing, its own or another run's.

#include <optional>
#include <string>
#include <sys/types.h>

namespace sferonda {

struct FileIdentity {
    dev_t device;
    ino_t inode;
    bool operator==(const FileIdentity&) const = default;
};

// The identity of an existing file, links followed; nullopt when there is no such file.
std::optional<FileIdentity> identify_file(const std::string& path);

// Takes an exclusive lock on the whole file open on `fd`, without waiting;
// it lasts while the descriptor stays open, and ends with the process.
// False only when another open of the file holds one: a file system
// without locks does not stop the run.
bool lock_for_this_run(int fd);

}  // namespace sferonda
