#pragma once
// Writing a run of bytes to a descriptor in full: a write may take only part
// of them, or be interrupted by a signal before taking any.

#include <string_view>

namespace sferonda {

// Writes every byte of `bytes` to `fd`, again after a short or interrupted
// write; false when a write fails (errno tells why) or takes nothing.
bool write_all(int fd, std::string_view bytes);

}  // namespace sferonda
