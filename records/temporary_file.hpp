#pragma once
// A file written under a temporary name beside its target and renamed onto
// it when complete. Should an interrupt (SIGINT, SIGTERM, SIGHUP; Ctrl-C,
// Ctrl-Break on Windows) end the run before that, the temporary file is
// removed first: an interrupted run leaves nothing.

#include <string>

namespace sferonda {

// Creates a new file beside `target` (same folder, a name of its own) and
// returns its descriptor, `created` naming it; -1 with errno on failure.
int create_temporary_beside(const std::string& target, std::string& created);

// Renames the file made by create_temporary_beside onto `target`; false on failure.
bool rename_temporary(const std::string& created, const std::string& target);

// Removes the file made by create_temporary_beside.
void remove_temporary(const std::string& created);

}  // namespace sferonda
