#pragma once
// Writing a whole file at once so that no reader ever sees it half written
// and a failure destroys nothing.

#include <string>
#include <string_view>

namespace sferonda {

class Units;

// Writes `bytes` to a new file beside `path` (same folder, a name of its own)
// and renames it to `path` at the end, replacing any file of that name only
// then, with the earlier file's owner and permissions. A symbolic link is
// followed to the file it leads to, which is written (or, for a dangling
// link, created) there, so the link stays. On any failure the new file is
// removed and `path` is left as it was: fatal error 30 on `unit` when the new
// file cannot be created, the earlier file may not be written by the user or
// the links loop, 38 when it cannot be written, closed or renamed, the line
// naming `path` either way. A folder is fatal error 30 too; a device or pipe
// is written straight into.
void write_whole_file(Units& units, const std::string& path, std::string_view bytes, int unit);

}  // namespace sferonda
