#include "writers/pov_full_writer.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "records/run_end.hpp"
#include "records/units.hpp"
#include "tests/support/scratch.hpp"

namespace sferonda {
namespace {

using testing::crlf_lines;
using testing::ScratchDirectory;

const std::string FILE_NAME = "t.pov";
const std::string WHITE =
    "pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }" + std::string(76, ' ');
const std::string RED =
    "pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }" + std::string(78, ' ');
const std::string UNFRAMEABLE = " ERROR: Model cannot be framed; graphics file left empty\n";

std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text after the last line end";
    return lines;
}

struct Outcome {
    bool complete = false;
    bool stopped = false;
    std::string file;
    std::string console;
};

class PovFullWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_directory_ = std::filesystem::current_path();
        std::filesystem::current_path(scratch_.path());
        capture_console_output();
        take_console_output();
    }
    void TearDown() override { std::filesystem::current_path(previous_directory_); }

    void add_bead(float x, float y, float z, float radius, std::int32_t color) {
        std::int32_t i = ++model_->bead_count;
        model_->bead_x[i] = x;
        model_->bead_y[i] = y;
        model_->bead_z[i] = z;
        model_->bead_radius[i] = radius;
        model_->bead_color[i] = color;
    }
    void add_connector(std::int32_t first, std::int32_t second, float radius, std::int32_t color) {
        std::int32_t j = ++model_->connector_count;
        model_->connector_first[j] = first;
        model_->connector_second[j] = second;
        model_->connector_radius[j] = radius;
        model_->connector_color[j] = color;
    }
    // Two beads of radius 1 at (0,0,0) and (4,0,0): framed at x = -2 and 2.
    void add_bead_pair(std::int32_t color) {
        add_bead(0.0f, 0.0f, 0.0f, 1.0f, color);
        add_bead(4.0f, 0.0f, 0.0f, 1.0f, color);
    }

    Outcome run() {
        Outcome outcome;
        try {
            outcome.complete = MODPOVFULL(*model_, OUTPUT_UNIT, make_name(FILE_NAME));
        } catch (const RunEnded& ended) {
            EXPECT_EQ(ended.status, 0);
            outcome.stopped = true;
            close_all_units_quietly();
        }
        EXPECT_FALSE(is_open(OUTPUT_UNIT));
        EXPECT_TRUE(scratch_.exists(FILE_NAME));
        outcome.file = scratch_.read(FILE_NAME);
        outcome.console = take_console_output();
        return outcome;
    }

    void expect_stop_with(const std::string& message) {
        Outcome outcome = run();
        EXPECT_TRUE(outcome.stopped);
        EXPECT_EQ(outcome.console, message + "\n");
        EXPECT_EQ(outcome.file, "");
    }

    std::unique_ptr<BeadModel> model_ = std::make_unique<BeadModel>();
    ScratchDirectory scratch_;

private:
    std::filesystem::path previous_directory_;
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
    expect_stop_with("ERROR: Invalid ball #00012 index color.");
}

TEST_F(PovFullWriterTest, BadConnectorColorIsReportedOnlyWhenEveryBeadColorIsValid) {
    add_bead_pair(1);
    add_connector(1, 2, 0.5f, 5);
    add_connector(1, 2, 0.5f, 0);
    add_connector(1, 2, 0.5f, 6);
    expect_stop_with("ERROR: Invalid conector #00002 index color.");
}

TEST_F(PovFullWriterTest, ConnectorBeadNumbersAreCheckedAfterTheColors) {
    add_bead_pair(1);
    add_connector(1, 3, 0.5f, 1);
    add_connector(1, 2, 0.5f, 7);
    expect_stop_with("ERROR: Invalid conector #00002 index color.");
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
        model_->connector_count = 0;
        model_->bead_count = 0;
        add_bead_pair(1);
        add_connector(c.first, c.second, 0.5f, 1);
        expect_stop_with(c.message);
    }
}

TEST_F(PovFullWriterTest, ModelThatCannotBeFramedIsRefusedWithAnEmptyFile) {
    struct Case {
        const char* what;
        std::int32_t beads;
    };
    for (const Case& c : {Case{"no beads", 0}, Case{"all radii 0", 3}}) {
        SCOPED_TRACE(c.what);
        model_->bead_count = 0;
        for (int i = 1; i <= c.beads; ++i) add_bead(float(i), 0.0f, 0.0f, 0.0f, 1);
        scratch_.write(FILE_NAME, "old\r\n");
        Outcome outcome = run();
        EXPECT_FALSE(outcome.stopped);
        EXPECT_FALSE(outcome.complete);
        EXPECT_EQ(outcome.console, UNFRAMEABLE);
        EXPECT_EQ(outcome.file, "");
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
}  // namespace sferonda
