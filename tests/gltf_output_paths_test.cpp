// Where `sferonda gltf` puts the scene for each kind of output name, through
// the real process run from a shell: links, standard output, devices,
// refusals, and the temporary file that an ending signal must not leave.

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/case_files.hpp"
#include "tests/support/param_names.hpp"
#include "tests/support/process_run.hpp"
#include "tests/support/scratch.hpp"

namespace sferonda::testing {
namespace {

// Runs `script` with bash (a pipeline fails when any of its commands does)
// in `folder`; the exit status, -1 when bash did not exit normally.
int run_script(const std::string& folder, const std::string& script) {
    ::setenv("SFERONDA", SFERONDA_EXE, 1);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(folder.c_str()) != 0) ::_exit(127);
        ::execl("/bin/bash", "bash", "-o", "pipefail", "-c", script.c_str(), nullptr);
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool holds_temporary_file(const std::string& folder) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.path().filename().string().find(".tmp-") != std::string::npos) return true;
    }
    return false;
}

// The program's standard output always ends in the file "stdout" and its
// standard error in "stderr", but where the run sends the scene itself.
struct OutputPathCase {
    const char* title;
    const char* setup;    // shell commands run first in the scratch folder
    const char* output;   // the output name and the redirections
    const char* scene;    // the file that then holds the scene, "" none
    const char* console;  // "stdout" or "stderr": where the two console lines go, "" none
    const char* refused;  // the file that fatal error 30 names ("{dir}" the folder), "" none
    const char* check;    // a shell test that must hold afterwards
    bool without_rights = false;  // run as a user who may not write the earlier file
};

class GltfOutputPath : public ::testing::TestWithParam<OutputPathCase> {};

TEST_P(GltfOutputPath, PutsTheSceneAndTheConsoleLinesWhereTheyBelong) {
    const OutputPathCase& c = GetParam();
    ScratchDirectory reference, scratch;
    write_two_bead_model(reference);
    // The scene is named after the output's stem ("-" after the model's), so
    // the plain run's output has that stem.
    const std::string given = std::string(c.output).substr(0, std::string_view(c.output).find(' '));
    std::string stem = std::filesystem::path(given).stem().string();
    if (stem.empty() || stem == "-") stem = "model";
    const ProcessResult plain = run_sferonda_with(reference.path(), {"gltf", "model.dat", "model.col", stem + ".glb"});
    const std::string scene = reference.read(stem + ".glb"), console = plain.standard_output;
    write_two_bead_model(scratch);
    std::filesystem::permissions(scratch.path(), std::filesystem::perms::all);
    // Root may write any file: the refusal needs a user without rights.
    std::string run = "$SFERONDA gltf model.dat model.col ";
    if (c.without_rights && ::geteuid() == 0) {
        run = "setpriv --reuid=nobody --regid=nogroup --clear-groups " + run;
        if (run_script(scratch.path(), run + "--version") != 0) GTEST_SKIP() << "setpriv cannot run it as nobody";
    }
    ASSERT_EQ(run_script(scratch.path(), c.setup), 0);
    EXPECT_EQ(run_script(scratch.path(), run + c.output), *c.refused ? 30 : 0);
    const std::string fatal =
        with_folder(std::string("forrtl: severe (30): open failure, unit 14, file ") + c.refused + "\r\n",
                    scratch.path());
    const std::string_view scene_in(c.scene), console_in(c.console);
    EXPECT_EQ(scratch.read("stdout"), scene_in == "stdout" ? scene : console_in == "stdout" ? console : "");
    EXPECT_EQ(scratch.read("stderr"), console_in == "stderr" ? console : *c.refused ? fatal : "");
    if (!scene_in.empty() && scene_in != "stdout") {
        EXPECT_EQ(scratch.read(scene_in), scene);
    }
    EXPECT_EQ(run_script(scratch.path(), c.check), 0) << c.check;
    EXPECT_FALSE(holds_temporary_file(scratch.path()));
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, GltfOutputPath,
    ::testing::Values(
        OutputPathCase{"link to a file", "mkdir s; echo a > s/t.glb; ln -s s/t.glb o", "o >stdout 2>stderr",
                       "s/t.glb", "stdout", "", "test -L o"},
        OutputPathCase{"dangling link through a link in a folder", "mkdir s; ln -s new.glb s/l; ln -s s/l o",
                       "o >stdout 2>stderr", "s/new.glb", "stdout", "", "test -L o && test -L s/l"},
        OutputPathCase{"links in a loop", "ln -s b a; ln -s a b", "a >stdout 2>stderr", "", "", "{dir}/a", ""},
        OutputPathCase{"dev stdout to a file", "", "/dev/stdout >stdout 2>stderr", "stdout", "stderr", "",
                       "test -L /dev/stdout"},
        OutputPathCase{"dash to a file", "", "- >stdout 2>stderr", "stdout", "stderr", "", "test ! -e ./-"},
        OutputPathCase{"dev stdout to a pipe", "", "/dev/stdout 2>stderr | cat >stdout", "stdout", "stderr", "", ""},
        OutputPathCase{"dash to a pipe", "", "- 2>stderr | cat >stdout", "stdout", "stderr", "", ""},
        OutputPathCase{"link to proc self fd 1", "ln -s /proc/self/fd/1 o", "o >stdout 2>stderr", "stdout",
                       "stderr", "", "test -L o"},
        OutputPathCase{"standard output sent to the output itself", "", "o >o 2>stderr", "o", "stderr", "", ""},
        OutputPathCase{"a file named dash", "", "./- >stdout 2>stderr", "-", "stdout", "", ""},
        OutputPathCase{"empty name before any input is read", "rm model.dat", "'' >stdout 2>stderr", "", "",
                       "{dir}/", ""},
        // A device node of the folder where it can be made (as root), so that a
        // faulty program could not replace the system's own.
        OutputPathCase{"a device", "mknod null c 1 3 2>/dev/null || ln -s /dev/null null", "null >stdout 2>stderr", "",
                       "stdout", "", "test -c null"},
        OutputPathCase{"read only file for a user without rights", "echo a > r; chmod 444 r", "r >stdout 2>stderr",
                       "", "", "{dir}/r", "test $(cat r) = a", true},
        OutputPathCase{"earlier file keeps its owner and mode",
                       "echo a > k; chmod 604 k; chown nobody k; stat -c %U k > u", "k >stdout 2>stderr", "k",
                       "stdout", "", "test $(stat -c %a:%U k) = 604:$(cat u)"}),
    NameFromTitle());

// Starts `sferonda gltf big.dat big.col OUTPUT` in `folder`, its standard
// output on `output_fd` (STDERR_FILENO: dropped as its standard error is),
// the ending signals at their defaults.
pid_t start_gltf(const std::string& folder, const char* output, int output_fd) {
    const pid_t child = ::fork();
    if (child == 0) {
        for (int signal_number : {SIGINT, SIGTERM, SIGHUP}) std::signal(signal_number, SIG_DFL);
        if (::chdir(folder.c_str()) != 0 || !std::freopen("/dev/null", "w", stderr)) ::_exit(127);
        ::dup2(output_fd, STDOUT_FILENO);
        ::execl(SFERONDA_EXE, "sferonda", "gltf", "big.dat", "big.col", output, nullptr);
        ::_exit(127);
    }
    return child;
}

// A full-capacity scene takes long enough to write that the run can be caught
// at it: stopped as soon as its temporary file appears, it gets an ending
// signal while the file is there. Sent to a pipe, it fills the pipe; a stop
// then cuts the write short, and the rest must follow.
TEST(GltfOutputPaths, AFullCapacitySceneInterruptedOrStopped) {
    ScratchDirectory scratch;
    ASSERT_EQ(run_script(scratch.path(), "\"" MAKE_MODEL_EXE "\" 10000 25000 big.dat big.col"), 0);
    const int signals[] = {SIGTERM, SIGINT, SIGHUP};
    int interrupted = 0;
    for (int trial = 0; trial < 100 && interrupted < 3; ++trial) {
        const pid_t child = start_gltf(scratch.path(), "big.glb", STDERR_FILENO);
        int status = 0;
        while (!holds_temporary_file(scratch.path()) && ::waitpid(child, &status, WNOHANG) == 0) continue;
        // Ended already: the next run may be caught in time.
        if (::kill(child, SIGSTOP) != 0 || ::waitpid(child, &status, WUNTRACED) != child) continue;
        const bool caught = WIFSTOPPED(status) && holds_temporary_file(scratch.path());
        if (caught) ::kill(child, signals[interrupted]);
        ::kill(child, SIGCONT);
        if (::waitpid(child, &status, 0) == child && caught) {
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signals[interrupted]) << "status " << status;
            ++interrupted;
        }
        EXPECT_FALSE(holds_temporary_file(scratch.path()));
    }
    EXPECT_EQ(interrupted, 3) << "the temporary file was never seen in time";

    ASSERT_EQ(run_script(scratch.path(), "$SFERONDA gltf big.dat big.col big.glb > /dev/null"), 0);
    int pipe_ends[2];
    ASSERT_EQ(::pipe(pipe_ends), 0);
    const pid_t child = start_gltf(scratch.path(), "-", pipe_ends[1]);
    ::close(pipe_ends[1]);
    ::usleep(300000);
    int status = 0;
    ::kill(child, SIGSTOP);
    ::waitpid(child, &status, WUNTRACED);
    ::kill(child, SIGCONT);
    std::string piped(scratch.read("big.glb").size() + 1, '\0');
    std::size_t length = 0;
    for (ssize_t count; (count = ::read(pipe_ends[0], piped.data() + length, piped.size() - length)) > 0;) {
        length += static_cast<std::size_t>(count);
    }
    ::close(pipe_ends[0]);
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    piped.resize(length);
    EXPECT_TRUE(piped == scratch.read("big.glb")) << length << " bytes through the pipe";
}

}  // namespace
}  // namespace sferonda::testing
