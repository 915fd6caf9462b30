#pragma once
// Runs the real sferonda program in a folder with scripted standard input.

#include <string>
#include <string_view>

namespace sferonda::testing {

struct ProcessResult {
    std::string standard_output;
    std::string standard_error;
    int exit_status = -1;  // -1 when the process did not exit normally
};

ProcessResult run_sferonda(const std::string& directory, std::string_view standard_input);

}  // namespace sferonda::testing
