// The case driver through the real process: console dialogue, banner and
// echo, log, and the fatal error lines with their exit statuses.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "tests/support/case_files.hpp"
#include "tests/support/param_names.hpp"
#include "tests/support/process_run.hpp"
#include "tests/support/scratch.hpp"

namespace sferonda::testing {
namespace {

const char* const ONE_TYPE_2_CASE = "2\nmodel.dat\nmodel.col\nmodel\n-1\n";

std::string replace_all(std::string text, std::string_view placeholder, const std::string& value) {
    for (std::size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at)) {
        text.replace(at, placeholder.size(), value);
        at += value.size();
    }
    return text;
}

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

struct FatalCase {
    const char* title;
    std::function<void(const ScratchDirectory&)> prepare;
    const char* console_input;
    const char* error_line;  // {dir} stands for the scratch folder
    int status;
};

class FatalErrors : public ::testing::TestWithParam<FatalCase> {};

TEST_P(FatalErrors, WriteOneLineOnStandardErrorAndEndWithTheNumber) {
    const FatalCase& fatal = GetParam();
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    fatal.prepare(scratch);
    ProcessResult run = run_sferonda(scratch.path(), fatal.console_input);
    EXPECT_EQ(run.standard_error, replace_all(fatal.error_line, "{dir}", scratch.path()) + "\r\n");
    EXPECT_EQ(run.exit_status, fatal.status);
    EXPECT_EQ(run.standard_output.find(FINAL_LINE), std::string::npos);
}

auto main_input(std::string text) {
    return [text](const ScratchDirectory& scratch) { scratch.write("main.inp", text); };
}

INSTANTIATE_TEST_SUITE_P(
    CaseDriver, FatalErrors,
    ::testing::Values(
        FatalCase{"console input ends before the name", main_input("-1\n"), "",
                  "forrtl: severe (24): end-of-file during read, unit 5, file stdin", 24},
        FatalCase{"main input file missing", main_input("-1\n"), "nosuch.inp\n",
                  "forrtl: severe (29): file not found, unit 1, file {dir}/nosuch.inp", 29},
        FatalCase{"main input file ends inside a case", main_input("2\nmodel.dat\n"), "main.inp\n",
                  "forrtl: severe (24): end-of-file during read, unit 1, file {dir}/main.inp", 24},
        FatalCase{"main input file ends without terminator", main_input("2\nmodel.dat\nmodel.col\nmodel\n"),
                  "main.inp\n", "forrtl: severe (24): end-of-file during read, unit 1, file {dir}/main.inp", 24},
        FatalCase{"display type is a word", main_input("two\n"), "main.inp\n",
                  "forrtl: severe (64): input conversion error, unit 1, file {dir}/main.inp", 64},
        FatalCase{"display type beyond 32 bits", main_input("3000000000\n"), "main.inp\n",
                  "forrtl: severe (64): input conversion error, unit 1, file {dir}/main.inp", 64},
        FatalCase{"display type as a real beyond 32 bits", main_input("1E10\n"), "main.inp\n",
                  "forrtl: severe (64): input conversion error, unit 1, file {dir}/main.inp", 64},
        FatalCase{"coordinates file missing", main_input("2\nnone.dat\nmodel.col\nm\n-1\n"), "main.inp\n",
                  "forrtl: severe (29): file not found, unit 4, file {dir}/none.dat", 29},
        FatalCase{"colors file missing", main_input("2\nmodel.dat\nnone.col\nm\n-1\n"), "main.inp\n",
                  "forrtl: severe (29): file not found, unit 3, file {dir}/none.col", 29},
        FatalCase{"folder on the path missing", main_input("2\n'no/model.dat'\nmodel.col\nm\n-1\n"), "main.inp\n",
                  "forrtl: severe (29): file not found, unit 4, file {dir}/no/model.dat", 29},
        FatalCase{"coordinates file is a folder",
                  [](const ScratchDirectory& scratch) {
                      std::filesystem::create_directory(scratch.file("folder"));
                      scratch.write("main.inp", "2\nfolder\nmodel.col\nm\n-1\n");
                  },
                  "main.inp\n", "forrtl: severe (30): open failure, unit 4, file {dir}/folder", 30},
        FatalCase{"log cannot be created",
                  [](const ScratchDirectory& scratch) {
                      std::filesystem::create_directory(scratch.file("sferonda-log.txt"));
                      scratch.write("main.inp", "-1\n");
                  },
                  "main.inp\n", "forrtl: severe (30): open failure, unit 2, file {dir}/sferonda-log.txt", 30},
        FatalCase{"graphics file in a missing folder", main_input("2\nmodel.dat\nmodel.col\n'none/m'\n-1\n"),
                  "main.inp\n", "forrtl: severe (30): open failure, unit 14, file {dir}/none/m.ppv", 30},
        FatalCase{"graphics file cannot be written",
                  [](const ScratchDirectory& scratch) {
                      std::filesystem::create_symlink("/dev/full", scratch.file("full.ppv"));
                      scratch.write("main.inp", "2\nmodel.dat\nmodel.col\nfull\n-1\n");
                  },
                  "main.inp\n", "forrtl: severe (38): error during write, unit 14, file {dir}/full.ppv", 38},
        FatalCase{"unreadable bead count", [](const ScratchDirectory& scratch) {
                      scratch.write("bad.dat", "two\n");
                      scratch.write("main.inp", "2\nbad.dat\nmodel.col\nm\n-1\n");
                  },
                  "main.inp\n", "forrtl: severe (64): input conversion error, unit 4, file {dir}/bad.dat", 64},
        FatalCase{"unreadable color", [](const ScratchDirectory& scratch) {
                      scratch.write("bad.col", "2\n1 red\n");
                      scratch.write("main.inp", "2\nmodel.dat\nbad.col\nm\n-1\n");
                  },
                  "main.inp\n", "forrtl: severe (64): input conversion error, unit 3, file {dir}/bad.col", 64}),
    NameFromTitle());

TEST(CaseDriver, FilesWrittenBeforeAFatalErrorKeepTheirContents) {
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    scratch.write("main.inp", "2\nmodel.dat\nmodel.col\nfirst\n2\nmissing.dat\nmodel.col\nsecond\n-1\n");
    ProcessResult run = run_sferonda(scratch.path(), "main.inp\n");
    EXPECT_EQ(run.exit_status, 29);
    std::string log = scratch.read("sferonda-log.txt");
    EXPECT_NE(log.find(" Visualization file has been generated:first.ppv"), std::string::npos);
    EXPECT_EQ(scratch.read("first.ppv").substr(0, 23), "#include \"colors.inc\"\r\n");
}

}  // namespace
}  // namespace sferonda::testing
