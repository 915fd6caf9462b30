// Inputs saved by Notepad or PowerShell, through the real process: a UTF-8
// byte order mark at the start of any input leaves every byte of the
// example batch as its goldens have it; UTF-16 text is refused with one
// console record, then the fatal line of an unreadable value.

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/case_files.hpp"
#include "tests/support/process_run.hpp"
#include "tests/support/scratch.hpp"

namespace sferonda::testing {
namespace {

namespace fs = std::filesystem;

// The main input file, a model's coordinates (300 numbered lines, read in
// bulk) and colors, and the console's answers ("") each open with the mark.
TEST(EncodingMarks, AUtf8MarkAtTheStartOfAnyInputChangesNothing) {
    const std::string mark = "\xEF\xBB\xBF";
    for (const std::string marked : {"main.inp", "chain.dat", "star.col", ""}) {
        SCOPED_TRACE(marked);
        ScratchDirectory scratch;
        fs::copy(fs::path(SFERONDA_SOURCE_DIR) / "examples", scratch.path(), fs::copy_options::recursive);
        if (!marked.empty()) scratch.write(marked, mark + scratch.read(marked));
        const ProcessResult run = run_sferonda(scratch.path(), (marked.empty() ? mark : "") + "main.inp\n");
        EXPECT_EQ(run.exit_status, 0) << run.standard_error;
        for (const auto& golden : fs::directory_iterator(fs::path(SFERONDA_SOURCE_DIR) / "tests/golden/examples")) {
            const std::string name = golden.path().filename();
            const std::string written = name == "console.txt" ? run.standard_output : scratch.read(name);
            EXPECT_TRUE(written == read_whole_file(golden.path())) << name;
        }
    }
}

TEST(EncodingMarks, AUtf16MainInputFileIsRefusedWithAWordAndErrorSixtyFour) {
    ScratchDirectory scratch;
    scratch.write("main.inp", std::string("\xFF\xFE-\0" "1\0\n\0", 8));
    const ProcessResult run = run_sferonda(scratch.path(), "main.inp\n");
    const std::string path = scratch.file("main.inp");
    EXPECT_EQ(run.standard_output, std::string(PROMPT_LINE) + " * File " + path +
                                       " is UTF-16 text: save it as UTF-8 (in Notepad: Save as, Encoding UTF-8)\n");
    EXPECT_EQ(run.standard_error, "forrtl: severe (64): input conversion error, unit 1, file " + path + "\r\n");
    EXPECT_EQ(run.exit_status, 64);
}

}  // namespace
}  // namespace sferonda::testing
