// Reading and checking the two model files, through the real process:
// every message, the pause where it belongs, and the case abandoned.

#include <gtest/gtest.h>

#include "tests/support/case_files.hpp"
#include "tests/support/param_names.hpp"
#include "tests/support/process_run.hpp"
#include "tests/support/scratch.hpp"

namespace sferonda::testing {
namespace {

const std::string PI_ANNOUNCED = "   * Output file will be :" + padded_name("m.pi") + "\n";

std::string bead_lines(int first, int last) {
    std::string text;
    for (int i = first; i <= last; ++i) text += std::to_string(i) + " 1.0 2.0 3.0 0.5\n";
    return text;
}

std::string numbered_lines(int count, std::string_view rest) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += std::to_string(i) + std::string(rest) + "\n";
    return text;
}

struct ReaderCase {
    const char* title;
    std::string coordinates;
    std::string colors;
    std::string console_answers;  // lines typed after the main input file name
    std::string expected;         // console between the banner and the final message
};

class ModelReader : public ::testing::TestWithParam<ReaderCase> {};

// Each case runs as display type 5 (which ignores colors), followed by a
// second, sound case that shows the run goes on.
TEST_P(ModelReader, ReportsOnTheConsoleAndGoesOnWithTheNextCase) {
    const ReaderCase& reader = GetParam();
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    scratch.write("case.dat", reader.coordinates);
    scratch.write("case.col", reader.colors);
    scratch.write("main.inp", "5\ncase.dat\ncase.col\nm\n5\nmodel.dat\nmodel.col\nnext\n-1\n");
    ProcessResult run = run_sferonda(scratch.path(), "main.inp\n" + reader.console_answers);
    std::string expected = std::string(PROMPT_LINE) + case_banner(5, "case.dat", "case.col", "m") +
                           reader.expected + case_banner(5, "model.dat", "model.col", "next") +
                           "   * Output file will be :" + padded_name("next.pi") + "\n" + FINAL_LINE;
    EXPECT_EQ(run.standard_output, expected);
    EXPECT_EQ(run.standard_error, "");
    EXPECT_EQ(run.exit_status, 0);
    bool accepted = reader.expected == PI_ANNOUNCED;
    EXPECT_EQ(scratch.exists("m.pi"), accepted);
    std::string log = scratch.read("sferonda-log.txt");
    EXPECT_EQ(log.find("m.pi") != std::string::npos, accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, ModelReader,
    ::testing::Values(
        ReaderCase{"capacity accepted", "10000\n" + bead_lines(1, 10000) + "25000\n" + numbered_lines(25000, " 1 2 0.1"),
                   "10000\n" + numbered_lines(10000, " 7") + "25000\n" + numbered_lines(25000, " 9"), "",
                   PI_ANNOUNCED},
        ReaderCase{"too many beads; nothing more is read", "10001\nnot a bead line\n", "garbage\n", "",
                   "  *** WARNING subroutine SFERONDA:\n"
                   "      Number of beads       10001  exceeds dimension       10000\n"
                   "      RETURN (Graphics file not generated)\n"},
        ReaderCase{"too many connectors; nothing more is read", "1\n1 0 0 0 1\n25001\nnot a connector\n", "garbage\n",
                   "",
                   "  *** WARNING subroutine SFERONDA_1:\n"
                   "      Number of connectors       25001  exceeds dimension       25000\n"
                   "      RETURN (Graphics file not generated)\n"},
        ReaderCase{"empty model", "0\n0\n", "0\n0\n", "", PI_ANNOUNCED},
        ReaderCase{"negative counts read no lines", "-3\n-2\n", "-3\n-2\n", "", PI_ANNOUNCED},
        ReaderCase{"values out of any range are not the reader's business", "1\n1 0 0 0 -1\n1\n1 7 -9 0\n",
                   "1\n1 99\n1\n1 -5\n", "", PI_ANNOUNCED},
        ReaderCase{"bead line out of order", "3\n1 0 0 0 1\n2 0 0 0 1\n4 0 0 0 1\n0\n", "", "\n",
                   " ERROR in Sferonda when reading coordinates of bead           3\n"
                   " Found line with bead index           4\n" +
                       std::string(PAUSE_LINE)},
        ReaderCase{"bead number with a digit too many", "2\n12 0 0 0 1\n2 0 0 0 1\n0\n", "", "\n",
                   " ERROR in Sferonda when reading coordinates of bead           1\n"
                   " Found line with bead index          12\n" +
                       std::string(PAUSE_LINE)},
        ReaderCase{"a null bead number keeps the number of the line before", "2\n1 0 0 0 1\n,0 0 0 1\n0\n", "",
                   "\n",
                   " ERROR in Sferonda when reading coordinates of bead           2\n"
                   " Found line with bead index           1\n" +
                       std::string(PAUSE_LINE)},
        ReaderCase{"short bead line borrows from the next line", "3\n1 0 0 0\n2 1 1 1 1\n3 2 2 2 1\n0\n", "", "\n",
                   " ERROR in Sferonda when reading coordinates of bead           2\n"
                   " Found line with bead index           3\n" +
                       std::string(PAUSE_LINE)},
        ReaderCase{"connector line out of order", "2\n1 0 0 0 1\n2 1 0 0 1\n2\n1 1 2 0.1\n1 2 1 0.1\n", "", "\n",
                   " ERROR in Sferonda when reading data of connector            2\n"
                   " Found line with connector index           1\n" +
                       std::string(PAUSE_LINE)},
        ReaderCase{"coordinates file ends after the beads", "1\n1 0 0 0 1\n", "", "\n",
                   " ERROR in Sferonda: End of file while reading coordinates file\n" + std::string(PAUSE_LINE)},
        ReaderCase{"coordinates file empty", "", "", "\n",
                   " ERROR in Sferonda: End of file while reading coordinates file\n" + std::string(PAUSE_LINE)},
        ReaderCase{"colors file holds a bead fewer", "2\n1 0 0 0 1\n2 1 0 0 1\n0\n", "1\n1 1\n0\n", "\n",
                   " *** ERROR in Sferonda: Numbers of beads in the two files not equal           2\n"
                   "           1\n" +
                       std::string(PAUSE_LINE)},
        ReaderCase{"colors file holds a connector fewer", "1\n1 0 0 0 1\n1\n1 1 1 0.1\n", "1\n1 1\n0\n", "\n",
                   " *** ERROR in Sferonda: Numbers of connectors in the two files not equal\n"
                   "           1           0\n" +
                       std::string(PAUSE_LINE)},
        ReaderCase{"bead color line out of order", "2\n1 0 0 0 1\n2 1 0 0 1\n0\n", "2\n1 1\n1 1\n0\n", "\n",
                   " ERROR in Sferonda when reading color of bead            2\n"
                   " Found line with bead index           1\n" +
                       std::string(PAUSE_LINE)},
        ReaderCase{"connector color line out of order", "1\n1 0 0 0 1\n1\n1 1 1 0.1\n", "1\n1 1\n1\n5 1\n", "\n",
                   " ERROR in Sferondawhen reading color of connector            1\n"
                   " Found line with connector index           5\n" +
                       std::string(PAUSE_LINE)},
        ReaderCase{"colors file ends early", "1\n1 0 0 0 1\n0\n", "1\n", "\n",
                   " ERROR in Sferonda: End of file while reading colors file\n" + std::string(PAUSE_LINE)},
        ReaderCase{"a command typed at the pause runs and the prompt comes again", "1\n2 0 0 0 1\n0\n", "",
                   "echo typed command ran\n\n",
                   " ERROR in Sferonda when reading coordinates of bead           1\n"
                   " Found line with bead index           2\n" +
                       std::string(PAUSE_LINE) + "typed command ran\n" + PAUSE_LINE},
        ReaderCase{"a carriage return alone answers the pause", "1\n2 0 0 0 1\n0\n", "", "\r\n",
                   " ERROR in Sferonda when reading coordinates of bead           1\n"
                   " Found line with bead index           2\n" +
                       std::string(PAUSE_LINE)},
        ReaderCase{"an ended console answers the pause", "1\n2 0 0 0 1\n0\n", "", "",
                   " ERROR in Sferonda when reading coordinates of bead           1\n"
                   " Found line with bead index           2\n" +
                       std::string(PAUSE_LINE)}),
    NameFromTitle());

TEST(ModelReader, CommaSeparatedValuesAndCarriageReturnsReadLikeBlanks) {
    ScratchDirectory scratch;
    scratch.write("case.dat", "2\r\n1,0.5,-1.25,2,0.75\r\n2, 1.25 ,-2, 3, 0.5\r\n0\r\n");
    scratch.write("case.col", "2\r\n1,1\r\n2\t1\r\n0\r\n");
    scratch.write("main.inp", "5\ncase.dat\ncase.col\nm\n-1\n");
    ProcessResult run = run_sferonda(scratch.path(), "main.inp\n");
    ASSERT_EQ(run.exit_status, 0);
    EXPECT_EQ(scratch.read("m.pi"),
              crlf_lines({"include \"header.inc\"", "object{",
                          "        object {sphere <    0.500,   -1.250,    2.000>,    0.750shiny_white}",
                          "       +object {sphere <    1.250,   -2.000,    3.000>,    0.500shiny_white}",
                          "       rotate<0,0,0>", "       translate<0,0,0>", "}"}));
}

}  // namespace
}  // namespace sferonda::testing
