// The display dispatcher: graphics file names, log and console records,
// the pseudo-PDB limits and the stops of the run.

#include <gtest/gtest.h>

#include "driver/dispatcher.hpp"
#include "tests/support/case_files.hpp"
#include "tests/support/param_names.hpp"
#include "tests/support/process_run.hpp"
#include "tests/support/scratch.hpp"

namespace sferonda::testing {
namespace {

struct NameCase {
    const char* output_name;
    const char* extension;
    const char* file_name;  // before padding to 30 characters
};

TEST(OutputFileName, IsTheNameUpToItsFirstBlankPlusTheExtensionCutToThirty) {
    const NameCase cases[] = {
        {"mol", ".pov", "mol.pov"},
        {"my model", ".pi", "my.pi"},
        {"abcdefghijklmnopqrstuvwxyz0123", ".bea", "abcdefghijklmnopqrstuvwxyz0123"},
        {"abcdefghijklmnopqrstuvwxyz0", ".bea", "abcdefghijklmnopqrstuvwxyz0.be"},
        {"abcdefghijklmnopqrstuvwxy", "-worm.pov", "abcdefghijklmnopqrstuvwxy-worm"},
        {" leading blank", ".vrml", ".vrml"},
        {"", ".ppv", ".ppv"},
    };
    for (const NameCase& c : cases) {
        Name built = build_output_file_name(make_name(c.output_name), c.extension);
        EXPECT_EQ(std::string(as_view(built)), padded_name(c.file_name)) << c.output_name << c.extension;
    }
}

std::string model_with_radii(std::initializer_list<const char*> radii) {
    std::string text = std::to_string(radii.size()) + "\n";
    int i = 0;
    for (const char* radius : radii) {
        ++i;
        text += std::to_string(i) + " " + std::to_string(i) + " 0 0 " + radius + "\n";
    }
    return text + "0\n";
}

std::string colors_for(int beads, int connectors) {
    std::string text = std::to_string(beads) + "\n";
    for (int i = 1; i <= beads; ++i) text += std::to_string(i) + " 1\n";
    text += std::to_string(connectors) + "\n";
    for (int j = 1; j <= connectors; ++j) text += std::to_string(j) + " 1\n";
    return text;
}

struct DispatchCase {
    const char* title;
    int display_type;
    std::string coordinates;
    std::string colors;
    std::string console;  // between the banner and the end of the run
    bool run_goes_on;
    std::vector<std::string> log_lines;
};

class Dispatch : public ::testing::TestWithParam<DispatchCase> {};

TEST_P(Dispatch, WritesItsRecordsAndStopsWhereItMust) {
    const DispatchCase& dispatch = GetParam();
    ScratchDirectory scratch;
    scratch.write("case.dat", dispatch.coordinates);
    scratch.write("case.col", dispatch.colors);
    scratch.write("main.inp", std::to_string(dispatch.display_type) + "\ncase.dat\ncase.col\nm\n-1\n");
    ProcessResult run = run_sferonda(scratch.path(), "main.inp\n");
    EXPECT_EQ(run.standard_output, std::string(PROMPT_LINE) +
                                       case_banner(dispatch.display_type, "case.dat", "case.col", "m") +
                                       dispatch.console + (dispatch.run_goes_on ? FINAL_LINE : ""));
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.standard_error, "");
    std::string log;
    for (const std::string& line : dispatch.log_lines) log += line + "\r\n";
    EXPECT_EQ(scratch.read("sferonda-log.txt"), log);
}

std::string announced(const char* file_name) {
    return "   * Output file will be :" + padded_name(file_name) + "\n";
}

std::vector<std::string> logged(const char* label, const char* file_name, bool generated = true) {
    std::vector<std::string> lines = {label, "   * Output file will be :" + padded_name(file_name),
                                      "     by Fortran unit :14"};
    if (generated) lines.push_back(" Visualization file has been generated:" + padded_name(file_name));
    return lines;
}

std::string connectors_of_bead_one(int count) {
    std::string text = std::to_string(count + 1) + "\n";
    for (int i = 1; i <= count + 1; ++i) text += std::to_string(i) + " " + std::to_string(i) + " 0 0 1\n";
    text += std::to_string(count) + "\n";
    for (int j = 1; j <= count; ++j) text += std::to_string(j) + " 1 " + std::to_string(j + 1) + " 0.2\n";
    return text;
}

std::string chain_of_beads(int beads) {
    std::string text = std::to_string(beads) + "\n";
    for (int i = 1; i <= beads; ++i) text += std::to_string(i) + " " + std::to_string(i) + " 0 0 1\n";
    text += std::to_string(beads - 1) + "\n";
    for (int j = 1; j < beads; ++j) text += std::to_string(j) + " " + std::to_string(j) + " " + std::to_string(j + 1) + " 0.2\n";
    return text;
}

const char* const PDB_LABEL = "  * Type of graphics file: Pseudo-PDB";
const char* const UNEQUAL = " * ---- WARNING: Unequal beads; all taken as bead 1\n";

INSTANTIATE_TEST_SUITE_P(
    Dispatcher, Dispatch,
    ::testing::Values(
        DispatchCase{"display type 12 shows an asterisk", 12, model_with_radii({"1"}), colors_for(1, 0),
                     "*** ERROR Display type * not valid in this versionof Sferonda\n", false, {}},
        DispatchCase{"display type 7", 7, model_with_radii({"1"}), colors_for(1, 0),
                     "*** ERROR Display type 7 not valid in this versionof Sferonda\n", false, {}},
        DispatchCase{"radii within ten per cent", 1, model_with_radii({"1.0", "1.05", "0.95"}), colors_for(3, 0),
                     announced("m.bea"), true, logged(PDB_LABEL, "m.bea")},
        DispatchCase{"unequal radii warn once", 1, model_with_radii({"1.0", "1.2", "1.3", "0.5"}), colors_for(4, 0),
                     UNEQUAL + announced("m.bea"), true, logged(PDB_LABEL, "m.bea")},
        DispatchCase{"exactly ten per cent either way is equal", 1, model_with_radii({"10", "11", "9"}),
                     colors_for(3, 0), announced("m.bea"), true, logged(PDB_LABEL, "m.bea")},
        DispatchCase{"the float nearest 1.1 lies just beyond ten per cent", 1, model_with_radii({"1.0", "1.1"}),
                     colors_for(2, 0), UNEQUAL + announced("m.bea"), true, logged(PDB_LABEL, "m.bea")},
        DispatchCase{"only the last bead differs", 1, model_with_radii({"1", "1", "1", "2"}), colors_for(4, 0),
                     UNEQUAL + announced("m.bea"), true, logged(PDB_LABEL, "m.bea")},
        DispatchCase{"single bead is never unequal", 1, model_with_radii({"7"}), colors_for(1, 0),
                     announced("m.bea"), true, logged(PDB_LABEL, "m.bea")},
        DispatchCase{"first radius zero and another not", 1, model_with_radii({"0", "0", "1"}), colors_for(3, 0),
                     UNEQUAL + announced("m.bea"), true, logged(PDB_LABEL, "m.bea")},
        DispatchCase{"all radii zero", 1, model_with_radii({"0", "0"}), colors_for(2, 0), announced("m.bea"), true,
                     logged(PDB_LABEL, "m.bea")},
        DispatchCase{"5000 connectors for a pseudo-PDB file", 1, chain_of_beads(5001), colors_for(5001, 5000),
                     announced("m.bea"), true, logged(PDB_LABEL, "m.bea")},
        DispatchCase{"41 bonded beads leave the file short and unreported", 1, connectors_of_bead_one(41),
                     colors_for(42, 41), announced("m.bea") + " Error in MODPB2: maxcon exceeded\n", true,
                     logged(PDB_LABEL, "m.bea", false)},
        DispatchCase{"5001 connectors stop the run", 1, connectors_of_bead_one(5001), colors_for(5002, 5001),
                     " * ****ERROR SUBROUTINE BUILDSFERONDA\n"
                     "       Number of connectors        5001  greater than dimension        5000\n",
                     false, {PDB_LABEL}},
        DispatchCase{"forty bonded beads fit one record", 1, connectors_of_bead_one(40), colors_for(41, 40),
                     announced("m.bea"), true, logged(PDB_LABEL, "m.bea")},
        DispatchCase{"a model that cannot be framed is not reported as generated", 3,
                     model_with_radii({"0", "0"}), colors_for(2, 0),
                     announced("m.pov") + " ERROR: Model cannot be framed; graphics file left empty\n", true,
                     logged("  * Type of graphics file: Full POV", "m.pov", false)},
        DispatchCase{"a wormlike scene without beads", 4, "0\n0\n", "0\n0\n",
                     announced("m-worm.pov") + " ERROR: Model cannot be framed; graphics file left empty\n", true,
                     logged("  * Type of graphics file: Wormlike full POV", "m-worm.pov", false)},
        DispatchCase{"a VRML world without beads", 6, "0\n0\n", "0\n0\n", announced("m.vrml"), true,
                     logged("  * Type of graphics file: VRML 2.0", "m.vrml")}),
    NameFromTitle());

TEST(Dispatcher, QuotedNamesKeepTheirBlanksButOnlyTheFirstWordNamesTheFile) {
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    scratch.write("main.inp", "5\nmodel.dat\nmodel.col\n'my model'\n6\nmodel.dat\nmodel.col\n' blank first'\n-1\n");
    ProcessResult run = run_sferonda(scratch.path(), "main.inp\n");
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_NE(run.standard_output.find("(without extension): " + padded_name("my model") + "\n"), std::string::npos);
    EXPECT_NE(run.standard_output.find(announced("my.pi")), std::string::npos);
    EXPECT_NE(run.standard_output.find(announced(".vrml")), std::string::npos);
    EXPECT_TRUE(scratch.exists("my.pi"));
    EXPECT_TRUE(scratch.exists(".vrml"));
}

}  // namespace
}  // namespace sferonda::testing
