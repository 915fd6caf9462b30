#pragma once
// What every fuzz target sets up before its first input.

#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace sferonda::fuzzing {

// A copy of the standard error stream as it was at the start, for the
// target's own reports once libFuzzer has closed the stream itself.
inline int& report_fd() {
    static int fd = 2;
    return fd;
}

// The program reports fatal errors on standard error, once per input: the
// stream is closed for the target (flag -close_fd_mask=2, unless the command
// line gives its own); libFuzzer keeps its reports and the sanitizers' on a
// copy of it, and the target's own go to report_fd().
inline void prepare_fuzzer(int* argc, char*** argv) {
    const int copy = ::dup(2);
    if (copy >= 0) report_fd() = copy;

    static std::vector<char*> arguments;
    static char close_stderr[] = "-close_fd_mask=2";
    arguments.assign(*argv, *argv + *argc);
    bool given = false;
    for (int k = 1; k < *argc; ++k) given = given || std::strncmp((*argv)[k], "-close_fd_mask=", 15) == 0;
    if (!given) arguments.insert(arguments.begin() + 1, close_stderr);
    arguments.push_back(nullptr);
    *argc = static_cast<int>(arguments.size()) - 1;
    *argv = arguments.data();
}

}  // namespace sferonda::fuzzing
