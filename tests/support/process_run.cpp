#include "tests/support/process_run.hpp"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <sys/resource.h>
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

// One resource of the child capped at `bytes` (0: none). Past a file size
// limit a write fails with EFBIG rather than ending the process.
struct Limit {
    int resource = RLIMIT_FSIZE;
    long bytes = 0;
};

void apply(Limit limit) {
    if (limit.bytes <= 0) return;
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit value{static_cast<rlim_t>(limit.bytes), static_cast<rlim_t>(limit.bytes)};
    ::setrlimit(limit.resource, &value);
}

struct Streams {
    int in, out, err;
};

// Runs the program with `arguments` in `directory` on the given standard
// streams (-1: closed) and returns its exit status, -1 when it did not exit
// normally.
int run_and_wait(const std::string& directory, Streams streams, const std::vector<std::string>& arguments,
                 Limit limit) {
    pid_t child = ::fork();
    if (child == 0) {
        use_as(streams.err, STDERR_FILENO);
        use_as(streams.in, STDIN_FILENO);
        use_as(streams.out, STDOUT_FILENO);
        if (::chdir(directory.c_str()) != 0) ::_exit(127);
        std::vector<char*> argv{const_cast<char*>("sferonda")};
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        apply(limit);
        ::execv(SFERONDA_EXE, argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

ProcessResult run_process(const std::string& directory, std::string_view standard_input,
                          const std::vector<std::string>& arguments, Limit limit) {
    // Standard streams go through files, so that no pipe can fill up and block.
    ScratchDirectory streams;
    streams.write("stdin", standard_input);
    int in = open_or_throw(streams.file("stdin"), O_RDONLY);
    int out = open_or_throw(streams.file("stdout"), O_WRONLY | O_CREAT | O_TRUNC);
    int err = open_or_throw(streams.file("stderr"), O_WRONLY | O_CREAT | O_TRUNC);
    ProcessResult result;
    result.exit_status = run_and_wait(directory, {in, out, err}, arguments, limit);
    ::close(in);
    ::close(out);
    ::close(err);
    result.standard_output = streams.read("stdout");
    result.standard_error = streams.read("stderr");
    return result;
}

}  // namespace

ProcessResult run_sferonda(const std::string& directory, std::string_view standard_input) {
    return run_process(directory, standard_input, {}, {});
}

ProcessResult run_sferonda_in_address_space(const std::string& directory, std::string_view standard_input,
                                            long address_space) {
    return run_process(directory, standard_input, {}, {RLIMIT_AS, address_space});
}

ProcessResult run_sferonda_with(const std::string& directory, const std::vector<std::string>& arguments,
                                long file_size_limit) {
    return run_process(directory, "", arguments, {RLIMIT_FSIZE, file_size_limit});
}

ProcessResult run_sferonda_on_streams(const std::string& directory, int input_fd, int output_fd) {
    ScratchDirectory streams;
    int err = open_or_throw(streams.file("stderr"), O_WRONLY | O_CREAT | O_TRUNC);
    ProcessResult result;
    result.exit_status = run_and_wait(directory, {input_fd, output_fd, err}, {}, {});
    ::close(err);
    result.standard_error = streams.read("stderr");
    return result;
}

}  // namespace sferonda::testing
