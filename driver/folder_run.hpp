#pragma once
// The batch run on the system's files from a folder of the run's own, for
// a host that must not change its process's working folder (the Python
// module): as the console program run in that folder.

#include <string>
#include <string_view>

#include "driver/in_memory_run.hpp"

namespace sferonda {

// `main_input_name` answers the prompt; a pause goes on as when standard
// input has ended. The result's files are those the run opened for
// writing, named as the run named them, with their bytes as it left them.
MemoryRunResult run_batch_in_folder(const std::string& folder, std::string_view main_input_name);

}  // namespace sferonda
