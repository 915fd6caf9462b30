#pragma once
// Telling whether two names lead to the same file, so that a file the run
// reads or keeps open is never emptied by an open for writing.

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

}  // namespace sferonda
