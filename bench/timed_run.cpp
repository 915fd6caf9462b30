// Runs one command and prints its wall-clock time in seconds and its peak
// resident memory in KiB, measured by the kernel for that process alone.
//
//   timed_run <standard input file> <standard output file> <command> [arguments...]
//
// Exits with the command's status (or 1 when it could not run or was killed).

#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double seconds_now() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: timed_run <stdin file> <stdout file> <command> [arguments...]\n");
        return 1;
    }
    const int input = open(argv[1], O_RDONLY);
    const int output = open(argv[2], O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (input < 0 || output < 0) {
        std::perror("timed_run");
        return 1;
    }
    const double start = seconds_now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(input, STDIN_FILENO);
        dup2(output, STDOUT_FILENO);
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child) {
        std::perror("timed_run");
        return 1;
    }
    const double elapsed = seconds_now() - start;
    std::printf("%.6f %ld\n", elapsed, usage.ru_maxrss);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
