#pragma once
// Writing a whole file on disk at once so that no reader ever sees it half
// written and a failure destroys nothing.

#include <string>
#include <string_view>

#include "records/file_system.hpp"

namespace sferonda {

// Writes `bytes` to a new file beside `path` (same folder, a name of its own)
// and renames it to `path` at the end, replacing any file of that name only
// then, with the earlier file's owner and permissions. A symbolic link is
// followed to the file it leads to, which is written (or, for a dangling
// link, created) there, so the link stays. On any failure the new file is
// removed and `path` is left as it was: OpenFailure when the new file cannot
// be created, the earlier file may not be written by the user or the links
// loop, WriteFailure when it cannot be written, closed or renamed. A folder
// is an open failure too; a device or pipe is written straight into.
WholeFileOutcome write_whole_file_on_disk(const std::string& path, std::string_view bytes);

}  // namespace sferonda
