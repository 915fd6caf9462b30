#include "tests/support/process_run.hpp"

#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/scratch.hpp"

namespace sferonda::testing {

namespace {

int open_or_throw(const std::string& path, int flags) {
    int fd = ::open(path.c_str(), flags, 0600);
    if (fd < 0) throw std::runtime_error("cannot open " + path);
    return fd;
}

}  // namespace

ProcessResult run_sferonda(const std::string& directory, std::string_view standard_input) {
    // Standard streams go through files, so that no pipe can fill up and block.
    ScratchDirectory streams;
    streams.write("stdin", standard_input);
    int in = open_or_throw(streams.file("stdin"), O_RDONLY);
    int out = open_or_throw(streams.file("stdout"), O_WRONLY | O_CREAT | O_TRUNC);
    int err = open_or_throw(streams.file("stderr"), O_WRONLY | O_CREAT | O_TRUNC);

    pid_t child = ::fork();
    if (child == 0) {
        ::dup2(in, STDIN_FILENO);
        ::dup2(out, STDOUT_FILENO);
        ::dup2(err, STDERR_FILENO);
        if (::chdir(directory.c_str()) != 0) ::_exit(127);
        ::execl(SFERONDA_EXE, "sferonda", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(in);
    ::close(out);
    ::close(err);
    int status = 0;
    ::waitpid(child, &status, 0);

    ProcessResult result;
    result.standard_output = streams.read("stdout");
    result.standard_error = streams.read("stderr");
    result.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace sferonda::testing
