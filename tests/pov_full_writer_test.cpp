#include "writers/pov_full_writer.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/writer_fixture.hpp"

namespace sferonda::testing {
namespace {

const std::string FILE_NAME = "t.pov";
const std::string WHITE =
    "pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }" + std::string(76, ' ');
const std::string RED =
    "pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }" + std::string(78, ' ');

class PovFullWriterTest : public WriterTest {
protected:
    // Two beads of radius 1 at (0,0,0) and (4,0,0): framed at x = -2 and 2.
    void add_bead_pair(std::int32_t color) {
        add_bead(0.0f, 0.0f, 0.0f, 1.0f, color);
        add_bead(4.0f, 0.0f, 0.0f, 1.0f, color);
    }

    Outcome run() {
        return run_writer(FILE_NAME, [&] { return MODPOVFULL(*run_, *model_, OUTPUT_UNIT, make_name(FILE_NAME)); });
    }
};

TEST_F(PovFullWriterTest, TwoBeadSceneIsWrittenWholeWithCameraLightsAndSpheres) {
    add_bead_pair(1);
    scratch_.write(FILE_NAME, "left over from an earlier run\r\n");
    Outcome outcome = run();
    EXPECT_TRUE(outcome.complete);
    EXPECT_EQ(outcome.console, "");
    const std::string white_line = "  " + WHITE + " }";
    EXPECT_EQ(outcome.file, crlf_lines({"#include \"colors.inc\"", "", "",
                                        "camera {",
                                        "  location <  0.17221E+01,   0.34254E+00,   0.88271E+01>",
                                        "  look_at <0, 0, 0>",
                                        "  sky <0, 1, 0>",
                                        "}", "", "",
                                        "light_source {",
                                        "  <  0.10102E+01,   0.27069E+00,   0.11769E+02>",
                                        "  color Gray50",
                                        "}", "", "",
                                        "light_source {",
                                        "  <  0.46189E+01,  -0.60809E+00,   0.17387E+02>",
                                        "  color Gray50",
                                        "}", "", "",
                                        "sphere {",
                                        "  < -0.20000E+01,  0.00000E+00,  0.00000E+00>,   0.10000E+01",
                                        white_line, "", "",
                                        "sphere {",
                                        "  <  0.20000E+01,  0.00000E+00,  0.00000E+00>,   0.10000E+01",
                                        white_line, "", ""}));
    std::vector<std::string> lines = split_lines(outcome.file);
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(lines[23].size(), 60u);
    EXPECT_EQ(lines[24].size(), 154u);
}

TEST_F(PovFullWriterTest, CylinderLineCarriesTextureRightAfterRadius) {
    add_bead_pair(1);
    add_connector(1, 2, 0.5f, 2);
    add_connector(2, 1, 0.25f, 1);
    Outcome outcome = run();
    EXPECT_TRUE(outcome.complete);
    std::vector<std::string> lines = split_lines(outcome.file);
    ASSERT_EQ(lines.size(), 34u);
    EXPECT_EQ(lines[32],
              "cylinder { < -0.20000E+01,  0.00000E+00,  0.00000E+00>,<  0.20000E+01,  0.00000E+00,"
              "  0.00000E+00>,  0.50000E+00" + RED + " }");
    EXPECT_EQ(lines[33],
              "cylinder { <  0.20000E+01,  0.00000E+00,  0.00000E+00>,< -0.20000E+01,  0.00000E+00,"
              "  0.00000E+00>,  0.25000E+00" + WHITE + " }");
    EXPECT_EQ(lines[32].size(), 264u);
}

TEST_F(PovFullWriterTest, CylinderWhoseEndsCoincideBecomesACommentLine) {
    add_bead_pair(1);
    add_connector(1, 2, 0.5f, 1);
    add_connector(2, 2, 0.5f, 1);
    add_bead(4.0f, 0.0f, 0.0f, 1.0f, 1);  // on bead 2's centre
    add_connector(3, 2, 0.5f, 1);
    Outcome outcome = run();
    EXPECT_TRUE(outcome.complete);
    std::vector<std::string> lines = split_lines(outcome.file);
    ASSERT_EQ(lines.size(), 3u + 7 + 6 + 6 + 5 * 3 + 3);
    EXPECT_EQ(lines[37].substr(0, 12), "cylinder { <");
    EXPECT_EQ(lines[38], "// connector #00002 omitted: its two ends coincide");
    EXPECT_EQ(lines[39], "// connector #00003 omitted: its two ends coincide");
}

TEST_F(PovFullWriterTest, BadBeadColorStopsTheRunAndLeavesTheFileEmpty) {
    for (int i = 1; i <= 14; ++i) add_bead(float(2 * i), 0.0f, 0.0f, 1.0f, 5);
    model_->bead_color[12] = 6;
    model_->bead_color[13] = 0;
    add_connector(1, 2, 0.5f, 9);
    scratch_.write(FILE_NAME, "old\r\n");
    expect_stop(run(), "ERROR: Invalid ball #00012 index color.");
}

TEST_F(PovFullWriterTest, BadConnectorColorIsReportedOnlyWhenEveryBeadColorIsValid) {
    add_bead_pair(1);
    add_connector(1, 2, 0.5f, 5);
    add_connector(1, 2, 0.5f, 0);
    add_connector(1, 2, 0.5f, 6);
    expect_stop(run(), "ERROR: Invalid conector #00002 index color.");
}

TEST_F(PovFullWriterTest, ConnectorBeadNumbersAreCheckedAfterTheColors) {
    add_bead_pair(1);
    add_connector(1, 3, 0.5f, 1);
    add_connector(1, 2, 0.5f, 7);
    expect_stop(run(), "ERROR: Invalid conector #00002 index color.");
}

TEST_F(PovFullWriterTest, ConnectorBeadNumbersOutsideTheModelStopTheRun) {
    struct Case {
        std::int32_t first, second;
        const char* message;
    };
    const Case cases[] = {
        {0, 2, "ERROR: Invalid number of first bead:   0 for connector #   1"},
        {3, 2, "ERROR: Invalid number of first bead:   3 for connector #   1"},
        {1, 3, "ERROR: Invalid number of second bead:   3 for connector #   1"},
        {2, -1, "ERROR: Invalid number of second bead:  -1 for connector #   1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        clear_model();
        add_bead_pair(1);
        add_connector(c.first, c.second, 0.5f, 1);
        expect_stop(run(), c.message);
    }
}

TEST_F(PovFullWriterTest, ModelThatCannotBeFramedIsRefusedWithAnEmptyFile) {
    struct Case {
        const char* what;
        std::int32_t beads;
    };
    for (const Case& c : {Case{"no beads", 0}, Case{"all radii 0", 3}}) {
        SCOPED_TRACE(c.what);
        clear_model();
        for (int i = 1; i <= c.beads; ++i) add_bead(float(i), 0.0f, 0.0f, 0.0f, 1);
        scratch_.write(FILE_NAME, "old\r\n");
        expect_unframeable(run());
    }
}

TEST_F(PovFullWriterTest, FullCapacityModelIsWrittenWhole) {
    for (int i = 1; i <= MAX_BEADS; ++i) add_bead(float(2 * i), 0.0f, 0.0f, 1.0f, 1 + i % 5);
    for (int j = 1; j <= MAX_CONNECTORS; ++j) {
        add_connector(1 + j % MAX_BEADS, 1 + (j + 1 + j / MAX_BEADS) % MAX_BEADS, 0.5f, 1 + j % 5);
    }
    Outcome outcome = run();
    EXPECT_TRUE(outcome.complete);
    std::vector<std::string> lines = split_lines(outcome.file);
    ASSERT_EQ(lines.size(), 3u + 7 + 6 + 6 + 5u * MAX_BEADS + MAX_CONNECTORS);
    EXPECT_EQ(lines.back().size(), 264u);
    EXPECT_EQ(outcome.file.find("omitted"), std::string::npos);
}

}  // namespace
}  // namespace sferonda::testing
