// Inputs saved by Notepad or PowerShell, through the real process: a UTF-8
// byte order mark at the start of any input leaves every byte the run
// writes as the goldens have them; UTF-16 text is refused with one console
// record and the fatal line of an unreadable value.

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/case_files.hpp"
#include "tests/support/process_run.hpp"
#include "tests/support/scratch.hpp"

namespace sferonda::testing {
namespace {

namespace fs = std::filesystem;

// The main input file, a model's coordinates (300 numbered lines, read in
// bulk) and colors, and the console's answers each open with the mark in turn.
TEST(EncodingMarks, AUtf8MarkAtTheStartOfAnyInputChangesNothing) {
    const fs::path goldens = fs::path(SFERONDA_SOURCE_DIR) / "tests/golden/examples";
    for (const std::string marked : {"main.inp", "chain.dat", "star.col", "console answers"}) {
        SCOPED_TRACE(marked);
        ScratchDirectory scratch;
        fs::copy(fs::path(SFERONDA_SOURCE_DIR) / "examples", scratch.path(), fs::copy_options::recursive);
        std::string answers = "main.inp\n";
        if (marked == "console answers") {
            answers = "\xEF\xBB\xBF" + answers;
        } else {
            scratch.write(marked, "\xEF\xBB\xBF" + scratch.read(marked));
        }
        const ProcessResult run = run_sferonda(scratch.path(), answers);
        EXPECT_EQ(run.exit_status, 0) << run.standard_error;
        EXPECT_EQ(run.standard_output, read_whole_file(goldens / "console.txt"));
        for (const auto& golden : fs::directory_iterator(goldens)) {
            const std::string name = golden.path().filename();
            if (name != "console.txt") {
                EXPECT_TRUE(scratch.read(name) == read_whole_file(golden.path())) << name;
            }
        }
    }
}

TEST(EncodingMarks, Utf16TextIsRefusedWithAWordAndErrorSixtyFour) {
    const std::string little_endian("\xFF\xFE-\0" "1\0\n\0", 8), big_endian("\xFE\xFF\0" "2\0\n", 6);
    const struct {
        const char* file;  // nullptr: the console's answers
        std::string text;
        std::string console_before;
        const char* path;
        int unit;
    } cases[] = {
        {"main.inp", little_endian, PROMPT_LINE, "{dir}/main.inp", 1},
        {"model.dat", big_endian, PROMPT_LINE + case_banner(2, "model.dat", "model.col", "m"), "{dir}/model.dat", 4},
        {nullptr, little_endian, PROMPT_LINE, "stdin", 5},
    };
    for (const auto& refused : cases) {
        SCOPED_TRACE(refused.path);
        ScratchDirectory scratch;
        write_two_bead_model(scratch);
        scratch.write("main.inp", "2\nmodel.dat\nmodel.col\nm\n-1\n");
        if (refused.file) scratch.write(refused.file, refused.text);
        const ProcessResult run = run_sferonda(scratch.path(), refused.file ? "main.inp\n" : refused.text);
        const std::string path = with_folder(refused.path, scratch.path());
        EXPECT_EQ(run.standard_output, refused.console_before + " * File " + path +
                                           " is UTF-16 text: save it as UTF-8 (in Notepad: Save as, Encoding UTF-8)\n");
        EXPECT_EQ(run.standard_error, "forrtl: severe (64): input conversion error, unit " +
                                          std::to_string(refused.unit) + ", file " + path + "\r\n");
        EXPECT_EQ(run.exit_status, 64);
    }
}

}  // namespace
}  // namespace sferonda::testing
