// What the run refuses, through the real process. Names that would make it
// destroy a file it did not mean to write (a NUL byte in a name, a graphics
// file that is one of the run's own files, a log that is the main input
// file) are an open failure (30) on their unit, and every file involved
// keeps its bytes. A real beyond the float range is unreadable (64). A
// scene that would hold an unreadable value is left empty.

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/case_files.hpp"
#include "tests/support/param_names.hpp"
#include "tests/support/process_run.hpp"
#include "tests/support/scratch.hpp"

namespace sferonda::testing {
namespace {

using namespace std::string_literals;
namespace fs = std::filesystem;

const std::string MAIN_INPUT = "5\nmodel.dat\nmodel.col\nm\n-1\n";
const std::string PRE_POV_LABEL = "  * Type of graphics file: Pre - POV";
const std::string POLYRAY_LABEL = "  * Type of graphics file: Pre - POLYRAY";

std::string announced(const std::string& file_name) {
    return "   * Output file will be :" + padded_name(file_name) + "\n";
}

// The three log records of a case whose graphics file was announced.
std::string announced_in_log(const std::string& label, const std::string& file_name) {
    return crlf_lines({label, "   * Output file will be :" + padded_name(file_name), "     by Fortran unit :14"});
}

struct Refusal {
    const char* title;
    std::map<std::string, std::string> files;  // written before the run, compared after it
    std::map<std::string, std::string> links;  // name -> target
    std::string console_input;
    std::string standard_output;
    const char* error_line;                    // {dir} stands for the scratch folder
    std::optional<std::string> log;            // nullopt: no log file
    std::vector<std::string> absent;           // files the run must not create
};

std::string with_folder(const std::string& text, const std::string& folder) {
    const std::size_t at = text.find("{dir}");
    return at == std::string::npos ? text : text.substr(0, at) + folder + text.substr(at + 5);
}

class Refusals : public ::testing::TestWithParam<Refusal> {};

TEST_P(Refusals, EndTheRunWithOpenFailureAndKeepEveryFile) {
    const Refusal& refusal = GetParam();
    ScratchDirectory scratch;
    for (const auto& [name, content] : refusal.files) scratch.write(name, content);
    for (const auto& [name, target] : refusal.links) fs::create_symlink(target, scratch.file(name));

    ProcessResult run = run_sferonda(scratch.path(), refusal.console_input);

    EXPECT_EQ(run.standard_error, with_folder(refusal.error_line, scratch.path()) + "\r\n");
    EXPECT_EQ(run.exit_status, 30);
    EXPECT_EQ(run.standard_output, refusal.standard_output);
    for (const auto& [name, content] : refusal.files) {
        if (name != "sferonda-log.txt" || !refusal.log) {
            EXPECT_EQ(scratch.read(name), content) << name;
        }
    }
    if (refusal.log) {
        EXPECT_EQ(scratch.read("sferonda-log.txt"), *refusal.log);
    } else if (!refusal.files.count("sferonda-log.txt")) {
        EXPECT_FALSE(scratch.exists("sferonda-log.txt"));
    }
    for (const std::string& name : refusal.absent) EXPECT_FALSE(scratch.exists(name)) << name;
}

std::map<std::string, std::string> model_and(std::map<std::string, std::string> files) {
    files.emplace("model.dat", TWO_BEAD_COORDINATES);
    files.emplace("model.col", TWO_BEAD_COLORS);
    return files;
}

const std::string LOG_OF_FIRST_PI =
    crlf_lines({POLYRAY_LABEL, "   * Output file will be :" + padded_name("first.pi"), "     by Fortran unit :14",
                " Visualization file has been generated:" + padded_name("first.pi")});

INSTANTIATE_TEST_SUITE_P(
    NamesHoldingANulByte, Refusals,
    ::testing::Values(
        // Announced and logged with its NUL byte, as before; the colors file
        // k.txt, the name cut at the NUL, keeps its contents.
        Refusal{"output name", model_and({{"main.inp", "5\nmodel.dat\nk.txt\n'k.txt\0'\n-1\n"s},
                                          {"k.txt", TWO_BEAD_COLORS}}),
                {}, "main.inp\n",
                PROMPT_LINE + case_banner(5, "model.dat", "k.txt", "k.txt\0"s) + announced("k.txt\0.pi"s),
                "forrtl: severe (30): open failure, unit 14, file {dir}/k.txt",
                announced_in_log(POLYRAY_LABEL, "k.txt\0.pi"s), {}},
        Refusal{"coordinates file name", model_and({{"main.inp", "2\n'model.dat\0old'\nmodel.col\nm\n-1\n"s}}), {},
                "main.inp\n", PROMPT_LINE + case_banner(2, "model.dat\0old"s, "model.col", "m"),
                "forrtl: severe (30): open failure, unit 4, file {dir}/model.dat", "", {"m.ppv"}},
        Refusal{"colors file name", model_and({{"main.inp", "2\nmodel.dat\n'model.col\0'\nm\n-1\n"s}}), {},
                "main.inp\n", PROMPT_LINE + case_banner(2, "model.dat", "model.col\0"s, "m"),
                "forrtl: severe (30): open failure, unit 3, file {dir}/model.col", "", {"m.ppv"}},
        Refusal{"main input file name", model_and({{"main.inp", MAIN_INPUT}}), {}, "'main.inp\0.x'\n"s,
                PROMPT_LINE, "forrtl: severe (30): open failure, unit 1, file {dir}/main.inp", std::nullopt,
                {"m.pi"}}),
    NameFromTitle());

INSTANTIATE_TEST_SUITE_P(
    GraphicsFileIsOneOfTheRunsFiles, Refusals,
    ::testing::Values(
        Refusal{"coordinates file", model_and({{"main.inp", "2\nm.ppv\nmodel.col\nm\n-1\n"},
                                               {"m.ppv", TWO_BEAD_COORDINATES}}),
                {}, "main.inp\n", PROMPT_LINE + case_banner(2, "m.ppv", "model.col", "m") + announced("m.ppv"),
                "forrtl: severe (30): open failure, unit 14, file {dir}/m.ppv",
                announced_in_log(PRE_POV_LABEL, "m.ppv"), {}},
        Refusal{"colors file reached through a link", model_and({{"main.inp", "2\nmodel.dat\nmodel.col\ng\n-1\n"}}),
                {{"g.ppv", "model.col"}}, "main.inp\n",
                PROMPT_LINE + case_banner(2, "model.dat", "model.col", "g") + announced("g.ppv"),
                "forrtl: severe (30): open failure, unit 14, file {dir}/g.ppv",
                announced_in_log(PRE_POV_LABEL, "g.ppv"), {}},
        // 30 characters: no room for an extension. The log keeps the whole
        // first case and what the second wrote before the refusal.
        Refusal{"log", model_and({{"main.inp", "5\nmodel.dat\nmodel.col\nfirst\n"
                                               "2\nmodel.dat\nmodel.col\n'./././././././sferonda-log.txt'\n-1\n"}}),
                {}, "main.inp\n",
                PROMPT_LINE + case_banner(5, "model.dat", "model.col", "first") + announced("first.pi") +
                    case_banner(2, "model.dat", "model.col", "./././././././sferonda-log.txt") +
                    announced("./././././././sferonda-log.txt"),
                "forrtl: severe (30): open failure, unit 14, file {dir}/./././././././sferonda-log.txt",
                LOG_OF_FIRST_PI + announced_in_log(PRE_POV_LABEL, "./././././././sferonda-log.txt"), {}},
        Refusal{"main input file", model_and({{"m.pi", MAIN_INPUT}}), {}, "m.pi\n",
                PROMPT_LINE + case_banner(5, "model.dat", "model.col", "m") + announced("m.pi"),
                "forrtl: severe (30): open failure, unit 14, file {dir}/m.pi",
                announced_in_log(POLYRAY_LABEL, "m.pi"), {}}),
    NameFromTitle());

INSTANTIATE_TEST_SUITE_P(
    LogIsTheMainInputFile, Refusals,
    ::testing::Values(
        Refusal{"by its own name", model_and({{"sferonda-log.txt", MAIN_INPUT}}), {}, "sferonda-log.txt\n",
                PROMPT_LINE, "forrtl: severe (30): open failure, unit 2, file {dir}/sferonda-log.txt",
                std::nullopt, {"m.pi"}},
        Refusal{"through a link", model_and({{"sferonda-log.txt", MAIN_INPUT}}), {{"cases", "sferonda-log.txt"}},
                "cases\n", PROMPT_LINE, "forrtl: severe (30): open failure, unit 2, file {dir}/sferonda-log.txt",
                std::nullopt, {"m.pi"}}),
    NameFromTitle());

// The same names that stand for different files are no conflict: the log
// may hold an old run's records, the graphics file may replace an old one.
TEST(ProtectedFiles, OldLogAndOldGraphicsFileAreRewritten) {
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    scratch.write("main.inp", MAIN_INPUT);
    scratch.write("sferonda-log.txt", "old records\n");
    scratch.write("m.pi", "old scene\n");

    ProcessResult run = run_sferonda(scratch.path(), "main.inp\n");

    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.standard_error, "");
    EXPECT_EQ(scratch.read("main.inp"), MAIN_INPUT);
    EXPECT_EQ(scratch.read("sferonda-log.txt").substr(0, POLYRAY_LABEL.size()), POLYRAY_LABEL);
    EXPECT_EQ(scratch.read("m.pi").substr(0, 22), "include \"header.inc\"\r\n");
}

// Writing to a device empties nothing: the log and the graphics file may
// both go to /dev/null.
TEST(ProtectedFiles, ADeviceMayServeTheLogAndTheGraphicsFile) {
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    scratch.write("main.inp", MAIN_INPUT);
    fs::create_symlink("/dev/null", scratch.file("sferonda-log.txt"));
    fs::create_symlink("/dev/null", scratch.file("m.pi"));

    ProcessResult run = run_sferonda(scratch.path(), "main.inp\n");

    EXPECT_EQ(run.standard_error, "");
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.standard_output,
              PROMPT_LINE + case_banner(5, "model.dat", "model.col", "m") + announced("m.pi") + FINAL_LINE);
}

// Starts the program in `folder` with `arguments`, its standard output
// thrown away, once `prepare` has run in its process.
pid_t start_sferonda(const std::string& folder, const std::function<void()>& prepare,
                     std::vector<const char*> arguments) {
    const pid_t child = ::fork();
    if (child == 0) {
        prepare();
        ::freopen("/dev/null", "w", stdout);
        arguments.insert(arguments.begin(), "sferonda");
        arguments.push_back(nullptr);
        if (::chdir(folder.c_str()) == 0) ::execv(SFERONDA_EXE, const_cast<char**>(arguments.data()));
        ::_exit(127);
    }
    return child;
}

// One run per log at a time. The first run writes its first case and
// waits at the pause of its second, its console a pipe the test keeps open;
// a second run is refused before it touches the log. Once the first run is
// killed, its lock goes with it.
TEST(ProtectedFiles, ALogInUseIsRefusedToASecondRunUntilTheFirstEnds) {
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    scratch.write("one.dat", "1\n1 0 0 0 1\n0\n");
    scratch.write("main.inp", "5\nmodel.dat\nmodel.col\nfirst\n5\none.dat\nmodel.col\nm\n-1\n");
    int console[2];
    ASSERT_EQ(::pipe(console), 0);
    const pid_t first = start_sferonda(scratch.path(), [&console] {
        ::dup2(console[0], STDIN_FILENO);
        ::close(console[1]);
    }, {});
    ::close(console[0]);
    ASSERT_EQ(::write(console[1], "main.inp\n", 9), 9);
    for (int wait = 0; wait < 1000 && scratch.read("sferonda-log.txt") != LOG_OF_FIRST_PI; ++wait) ::usleep(10000);
    ASSERT_EQ(scratch.read("sferonda-log.txt"), LOG_OF_FIRST_PI);

    ProcessResult second = run_sferonda(scratch.path(), "main.inp\n");
    EXPECT_EQ(second.standard_error, "forrtl: severe (30): open failure, unit 2, file " +
                                         scratch.file("sferonda-log.txt") + "\r\n");
    EXPECT_EQ(second.exit_status, 30);
    EXPECT_EQ(second.standard_output, PROMPT_LINE);
    EXPECT_EQ(scratch.read("sferonda-log.txt"), LOG_OF_FIRST_PI);

    ::kill(first, SIGKILL);
    ::waitpid(first, nullptr, 0);
    ::close(console[1]);
    ProcessResult third = run_sferonda(scratch.path(), "main.inp\n");
    EXPECT_EQ(third.standard_error, "");
    EXPECT_EQ(third.exit_status, 0);
}

// `sferonda gltf` writes a temporary file beside its output first, named
// by its process number, then renames it. A file that already holds that
// name, made by the process before it runs the program, keeps its bytes.
TEST(ProtectedFiles, AFileOfTheGltfTemporaryNameKeepsItsBytes) {
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    auto temporary_of = [](pid_t process) { return "m.glb.tmp-" + std::to_string(process) + "-0"; };
    const pid_t run = start_sferonda(scratch.path(), [&] { scratch.write(temporary_of(::getpid()), "kept\n"); },
                                     {"gltf", "model.dat", "model.col", "m.glb"});
    int status = -1;
    ::waitpid(run, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(scratch.read(temporary_of(run)), "kept\n");
    EXPECT_EQ(scratch.read("m.glb").substr(0, 4), "glTF");
}

// --- values no renderer can read -------------------------------------------

TEST(UnreadableValues, ARealBeyondTheFloatRangeIsAConversionError) {
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    const std::string coordinates = "2\n1 0 0 0 1\n2 1E39 0 0 1\n1\n1 1 2 0.5\n";
    scratch.write("far.dat", coordinates);
    scratch.write("main.inp", "5\nfar.dat\nmodel.col\nfar\n-1\n");

    ProcessResult run = run_sferonda(scratch.path(), "main.inp\n");

    EXPECT_EQ(run.standard_error, "forrtl: severe (64): input conversion error, unit 4, file " +
                                      scratch.file("far.dat") + "\r\n");
    EXPECT_EQ(run.exit_status, 64);
    EXPECT_EQ(run.standard_output, PROMPT_LINE + case_banner(5, "far.dat", "model.col", "far"));
    EXPECT_EQ(scratch.read("far.dat"), coordinates);
    EXPECT_EQ(scratch.read("sferonda-log.txt"), "");
    EXPECT_FALSE(scratch.exists("far.pi"));
}

// A single bead of radius -1 has a box of size 0: the camera would stand on
// the point it looks at. A radius of -3E38 in a box of size 2 would scale
// to -7.5E38 in the VRML world. Beads 2 and 3 of "apart", at +-1E12 with
// radius -1E12, leave the box to bead 1 (size 2.5E-26) and are scaled to
// +-2E38: finite, but their connector would be 4E38 long. Each scene is left
// empty and the run goes on.
TEST(UnreadableValues, ScenesThatWouldHoldThemAreLeftEmpty) {
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    scratch.write("zero.dat", "1\n1 1.0 2.0 3.0 -1.0\n0\n");
    scratch.write("zero.col", "1\n1 2\n0\n");
    scratch.write("huge.dat", "2\n1 0 0 0 1\n2 0 0 0 -3E38\n0\n");
    scratch.write("huge.col", "2\n1 2\n2 2\n0\n");
    scratch.write("apart.dat", "3\n1 0 0 0 1.25E-26\n2 1E12 0 0 -1E12\n3 -1E12 0 0 -1E12\n1\n1 2 3 0.5\n");
    scratch.write("apart.col", "3\n1 2\n2 2\n3 2\n1\n1 2\n");
    scratch.write("main.inp", "3\nzero.dat\nzero.col\nzero\n4\nzero.dat\nzero.col\nzero\n"
                              "6\nhuge.dat\nhuge.col\nhuge\n6\napart.dat\napart.col\napart\n"
                              "5\nmodel.dat\nmodel.col\nm\n-1\n");

    ProcessResult run = run_sferonda(scratch.path(), "main.inp\n");

    const std::string refused = " ERROR: Model cannot be framed; graphics file left empty\n";
    EXPECT_EQ(run.standard_output,
              PROMPT_LINE + case_banner(3, "zero.dat", "zero.col", "zero") + announced("zero.pov") + refused +
                  case_banner(4, "zero.dat", "zero.col", "zero") + announced("zero-worm.pov") + refused +
                  case_banner(6, "huge.dat", "huge.col", "huge") + announced("huge.vrml") + refused +
                  case_banner(6, "apart.dat", "apart.col", "apart") + announced("apart.vrml") + refused +
                  case_banner(5, "model.dat", "model.col", "m") + announced("m.pi") + FINAL_LINE);
    EXPECT_EQ(run.standard_error, "");
    EXPECT_EQ(run.exit_status, 0);
    for (const char* scene : {"zero.pov", "zero-worm.pov", "huge.vrml", "apart.vrml"}) {
        EXPECT_EQ(scratch.read(scene), "") << scene;
    }
    EXPECT_EQ(scratch.read("sferonda-log.txt"),
              announced_in_log("  * Type of graphics file: Full POV", "zero.pov") +
                  announced_in_log("  * Type of graphics file: Wormlike full POV", "zero-worm.pov") +
                  announced_in_log("  * Type of graphics file: VRML 2.0", "huge.vrml") +
                  announced_in_log("  * Type of graphics file: VRML 2.0", "apart.vrml") +
                  announced_in_log(POLYRAY_LABEL, "m.pi") +
                  crlf_lines({" Visualization file has been generated:" + padded_name("m.pi")}));
}

}  // namespace
}  // namespace sferonda::testing
