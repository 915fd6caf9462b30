#pragma once
// Runs the real sferonda program in a folder with scripted standard input.

#include <string>
#include <string_view>
#include <vector>

namespace sferonda::testing {

struct ProcessResult {
    std::string standard_output;
    std::string standard_error;
    int exit_status = -1;  // -1 when the process did not exit normally
};

ProcessResult run_sferonda(const std::string& directory, std::string_view standard_input);

// The same with the process's address space capped at `address_space` bytes.
ProcessResult run_sferonda_in_address_space(const std::string& directory, std::string_view standard_input,
                                            long address_space);

// The same with the caller's descriptors as standard input and output (-1:
// closed), for consoles that fail; standard_output is then left empty.
ProcessResult run_sferonda_on_streams(const std::string& directory, int input_fd, int output_fd);

// Runs sferonda with `arguments` and an empty standard input. A
// `file_size_limit` above 0 caps, in bytes, every file the process writes,
// so that a write beyond it fails.
ProcessResult run_sferonda_with(const std::string& directory, const std::vector<std::string>& arguments,
                                long file_size_limit = 0);

}  // namespace sferonda::testing
