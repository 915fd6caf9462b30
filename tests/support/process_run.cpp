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

void use_as(int fd, int standard_fd) {
    if (fd >= 0) {
        ::dup2(fd, standard_fd);
    } else {
        ::close(standard_fd);
    }
}

// Runs the program in `directory` on the given standard streams (-1: closed)
// and returns its exit status, -1 when it did not exit normally.
int run_and_wait(const std::string& directory, int in, int out, int err) {
    pid_t child = ::fork();
    if (child == 0) {
        use_as(err, STDERR_FILENO);
        use_as(in, STDIN_FILENO);
        use_as(out, STDOUT_FILENO);
        if (::chdir(directory.c_str()) != 0) ::_exit(127);
        ::execl(SFERONDA_EXE, "sferonda", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

ProcessResult run_sferonda(const std::string& directory, std::string_view standard_input) {
    // Standard streams go through files, so that no pipe can fill up and block.
    ScratchDirectory streams;
    streams.write("stdin", standard_input);
    int in = open_or_throw(streams.file("stdin"), O_RDONLY);
    int out = open_or_throw(streams.file("stdout"), O_WRONLY | O_CREAT | O_TRUNC);
    int err = open_or_throw(streams.file("stderr"), O_WRONLY | O_CREAT | O_TRUNC);
    ProcessResult result;
    result.exit_status = run_and_wait(directory, in, out, err);
    ::close(in);
    ::close(out);
    ::close(err);
    result.standard_output = streams.read("stdout");
    result.standard_error = streams.read("stderr");
    return result;
}

ProcessResult run_sferonda_on_streams(const std::string& directory, int input_fd, int output_fd) {
    ScratchDirectory streams;
    int err = open_or_throw(streams.file("stderr"), O_WRONLY | O_CREAT | O_TRUNC);
    ProcessResult result;
    result.exit_status = run_and_wait(directory, input_fd, output_fd, err);
    ::close(err);
    result.standard_error = streams.read("stderr");
    return result;
}

}  // namespace sferonda::testing
