// The case driver through the real process: console dialogue, banner and
// echo, and the log. Its fatal error lines are tested in fault_test.cpp.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "tests/support/case_files.hpp"
#include "tests/support/process_run.hpp"
#include "tests/support/scratch.hpp"

namespace sferonda::testing {
namespace {

const char* const ONE_TYPE_2_CASE = "2\nmodel.dat\nmodel.col\nmodel\n-1\n";

TEST(CaseDriver, NegativeFirstDisplayTypeEndsAtOnceAndLeavesAnEmptyLog) {
    ScratchDirectory scratch;
    scratch.write("main.inp", "-1\n");
    scratch.write("sferonda-log.txt", "a log left by an earlier run\r\n");
    ProcessResult run = run_sferonda(scratch.path(), "main.inp\n");
    EXPECT_EQ(run.standard_output, std::string(PROMPT_LINE) + FINAL_LINE);
    EXPECT_EQ(run.standard_error, "");
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_TRUE(scratch.exists("sferonda-log.txt"));
    EXPECT_EQ(scratch.read("sferonda-log.txt"), "");
}

TEST(CaseDriver, OneCaseEchoesTheCaseAndLogsTheGeneratedFile) {
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    scratch.write("main.inp", ONE_TYPE_2_CASE);
    ProcessResult run = run_sferonda(scratch.path(), "main.inp\n");
    EXPECT_EQ(run.standard_output, std::string(PROMPT_LINE) + case_banner(2, "model.dat", "model.col", "model") +
                                       "   * Output file will be :" + padded_name("model.ppv") + "\n" +
                                       FINAL_LINE);
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(scratch.read("sferonda-log.txt"),
              crlf_lines({"  * Type of graphics file: Pre - POV",
                          "   * Output file will be :model.ppv                     ",
                          "     by Fortran unit :14",
                          " Visualization file has been generated:model.ppv                     "}));
    EXPECT_TRUE(scratch.exists("model.ppv"));
}

TEST(CaseDriver, TwoCasesEachGetTheWholeBannerAndAFullNameStaysOnOneLine) {
    ScratchDirectory scratch;
    const std::string long_name = "coordinates-of-the-model-1.dat";  // 30 characters: a 79-character echo
    ASSERT_EQ(long_name.size(), 30u);
    scratch.write(long_name, TWO_BEAD_COORDINATES);
    scratch.write("model.col", TWO_BEAD_COLORS);
    scratch.write("main.inp", "5\n" + long_name + "\nmodel.col\nfirst\n5\n" + long_name + "\nmodel.col\nsecond\n-7\n");
    ProcessResult run = run_sferonda(scratch.path(), "main.inp\n");
    std::string expected = std::string(PROMPT_LINE) + case_banner(5, long_name, "model.col", "first") +
                           "   * Output file will be :" + padded_name("first.pi") + "\n" +
                           case_banner(5, long_name, "model.col", "second") +
                           "   * Output file will be :" + padded_name("second.pi") + "\n" + FINAL_LINE;
    EXPECT_EQ(run.standard_output, expected);
    EXPECT_NE(run.standard_output.find(" * Name of file with coordinates and connectors: " + long_name + "\n"),
              std::string::npos);
    EXPECT_TRUE(scratch.exists("first.pi"));
    EXPECT_TRUE(scratch.exists("second.pi"));
}

TEST(CaseDriver, DisplayTypeZeroIsACaseWhoseFilesAreReadBeforeTheRunStops) {
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    scratch.write("main.inp", "0\nmodel.dat\nmodel.col\nmodel\n2\nmodel.dat\nmodel.col\nnever\n-1\n");
    ProcessResult run = run_sferonda(scratch.path(), "main.inp\n");
    EXPECT_EQ(run.standard_output, std::string(PROMPT_LINE) + case_banner(0, "model.dat", "model.col", "model") +
                                       "*** ERROR Display type 0 not valid in this versionof Sferonda\n");
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(scratch.read("sferonda-log.txt"), "");
    EXPECT_FALSE(scratch.exists("never.ppv"));
}

TEST(CaseDriver, ZeroCaseWithMissingFilesFailsOnTheOpen) {
    ScratchDirectory scratch;
    scratch.write("main.inp", "0\nabsent.dat\nabsent.col\nmodel\n-1\n");
    ProcessResult run = run_sferonda(scratch.path(), "main.inp\n");
    EXPECT_EQ(run.standard_error,
              "forrtl: severe (29): file not found, unit 4, file " + scratch.path() + "/absent.dat\r\n");
    EXPECT_EQ(run.exit_status, 29);
}

TEST(CaseDriver, LongNamesKeepTheirFirstThirtyCharacters) {
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    scratch.write("main.inp", "5\nmodel.dat\nmodel.col\nabcdefghijklmnopqrstuvwxyz0123456789\n-1\n");
    ProcessResult run = run_sferonda(scratch.path(), "main.inp\n");
    EXPECT_NE(run.standard_output.find("(without extension): abcdefghijklmnopqrstuvwxyz0123\n"), std::string::npos);
    EXPECT_TRUE(scratch.exists("abcdefghijklmnopqrstuvwxyz0123"));
}

// A main input file dropped on the program, given by a path longer than a
// name's 30 characters and holding a blank: the examples' batch, run from
// another folder, writes beside it what a run started there writes, and the
// console shows the path as a typed answer.
TEST(CaseDriver, AMainInputFileGivenAsTheArgumentRunsInItsOwnFolder) {
    ScratchDirectory scratch;
    const std::string folder = "a folder whose name is long and has blanks";
    std::filesystem::copy(SFERONDA_SOURCE_DIR "/examples", scratch.file(folder));
    const std::string argument = folder + "/main.inp";
    ProcessResult run = run_sferonda_with(scratch.path(), {argument});
    EXPECT_EQ(run.standard_error, "");
    EXPECT_EQ(run.exit_status, 0);
    const std::string golden = SFERONDA_SOURCE_DIR "/tests/golden/examples/";
    const std::string console = read_whole_file(golden + "console.txt");
    ASSERT_EQ(console.substr(0, console.find('\n') + 1), PROMPT_LINE);
    EXPECT_EQ(run.standard_output, PROMPT_LINE + argument + "\n" + console.substr(std::strlen(PROMPT_LINE)));
    for (const auto& entry : std::filesystem::directory_iterator(golden)) {
        const std::string name = entry.path().filename().string();
        if (name == "console.txt") continue;
        EXPECT_EQ(read_whole_file(scratch.file(folder + "/" + name)), read_whole_file(entry.path().string())) << name;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.path()), {}), 1) << "written outside its folder";
}

}  // namespace
}  // namespace sferonda::testing
