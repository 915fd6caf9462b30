#pragma once
// Where a chain of symbolic links ends, so that a file given through a link
// can be replaced while the link stays a link.

#include <optional>
#include <string>

namespace sferonda {

// `path` when it is no symbolic link (or does not exist); else the path its
// links lead to, one link after the other, a relative link taken from the
// link's own folder. The last one may not exist (a dangling link). nullopt
// for a loop or a link that cannot be read.
std::optional<std::string> final_link_target(std::string path);

}  // namespace sferonda
