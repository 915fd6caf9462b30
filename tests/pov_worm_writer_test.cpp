#include "writers/pov_worm_writer.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/writer_fixture.hpp"

namespace sferonda::testing {
namespace {

const std::string FILE_NAME = "t-worm.pov";
const std::string WHITE =
    "pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }" + std::string(76, ' ');
const std::string RED =
    "pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }" + std::string(78, ' ');

class PovWormWriterTest : public WriterTest {
protected:
    Outcome run(std::int32_t sweep_color) {
        return run_writer(FILE_NAME,
                          [&] { return MODPOVWORM(*run_, *model_, sweep_color, OUTPUT_UNIT, make_name(FILE_NAME)); });
    }
};

const std::string BEAD_1_POINT = "  < -0.20000E+01,  0.00000E+00,  0.00000E+00>,   0.10000E+01";
const std::string BEAD_2_POINT = "  <  0.20000E+01,  0.00000E+00,  0.00000E+00>,   0.10000E+01";

TEST_F(PovWormWriterTest, TwoBeadSweepSeenFromBelowWithDoubledEnds) {
    add_bead(0.0f, 0.0f, 0.0f, 1.0f, 1);
    add_bead(4.0f, 0.0f, 0.0f, 1.0f, 1);
    scratch_.write(FILE_NAME, "left over from an earlier run\r\n");
    Outcome outcome = run(1);
    EXPECT_TRUE(outcome.complete);
    EXPECT_EQ(outcome.console, "");
    EXPECT_EQ(outcome.file, crlf_lines({"#include \"colors.inc\"", "", "",
                                        "camera {",
                                        "  location <  0.17221E+01,   0.34254E+00,  -0.88271E+01>",
                                        "  look_at <0, 0, 0>",
                                        "  sky <0, 1, 0>",
                                        "}", "", "",
                                        "light_source {",
                                        "  <  0.10102E+01,   0.27069E+00,  -0.11769E+02>",
                                        "  color Gray50",
                                        "}", "", "",
                                        "light_source {",
                                        "  <  0.46189E+01,  -0.60809E+00,  -0.17387E+02>",
                                        "  color Gray50",
                                        "}", "", "",
                                        "sphere_sweep {",
                                        "  cubic_spline     4,",
                                        "",
                                        BEAD_1_POINT, "", BEAD_1_POINT, "",
                                        BEAD_2_POINT, "", BEAD_2_POINT, "",
                                        "  tolerance 1.0",
                                        "  " + WHITE,
                                        "}"}));
    std::vector<std::string> lines = split_lines(outcome.file);
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(lines[23].size(), 21u);
    EXPECT_EQ(lines[25].size(), 60u);
    EXPECT_EQ(lines[34].size(), 152u);
}

TEST_F(PovWormWriterTest, OneBeadIsWrittenFourTimesSoTheSplineHasFourPoints) {
    add_bead(3.0f, -2.0f, 5.0f, 1.0f, 1);
    Outcome outcome = run(1);
    EXPECT_TRUE(outcome.complete);
    std::vector<std::string> lines = split_lines(outcome.file);
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(lines[4], "  location <  0.57403E+00,   0.11418E+00,  -0.29424E+01>");
    EXPECT_EQ(lines[23], "  cubic_spline     4,");
    const std::string point = "  <  0.00000E+00,  0.00000E+00,  0.00000E+00>,   0.10000E+01";
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(lines[25 + 2 * k], point);
        EXPECT_EQ(lines[26 + 2 * k], "");
    }
    EXPECT_EQ(lines[33], "  tolerance 1.0");
}

TEST_F(PovWormWriterTest, PointsFollowBeadOrderBetweenTheDoubledEnds) {
    for (int i = 1; i <= 5; ++i) add_bead(float(i), 0.0f, 0.0f, 0.5f * float(i), 1);
    Outcome outcome = run(1);
    EXPECT_TRUE(outcome.complete);
    std::vector<std::string> lines = split_lines(outcome.file);
    ASSERT_EQ(lines.size(), 2u * 5 + 32);
    EXPECT_EQ(lines[23], "  cubic_spline     7,");
    const char* radii[] = {"0.50000E+00", "0.50000E+00", "0.10000E+01", "0.15000E+01",
                           "0.20000E+01", "0.25000E+01", "0.25000E+01"};
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(lines[25 + 2 * k].substr(49), radii[k]) << "point " << k + 1;
    }
}

TEST_F(PovWormWriterTest, SweepColorOutsideFiveColorsStopsTheRunWithAnEmptyFile) {
    for (std::int32_t color : {0, 6, -1}) {
        SCOPED_TRACE(color);
        clear_model();
        add_bead(0.0f, 0.0f, 0.0f, 1.0f, 1);
        add_bead(4.0f, 0.0f, 0.0f, 1.0f, 1);
        scratch_.write(FILE_NAME, "old\r\n");
        expect_stop(run(color), "ERROR: Invalid index color.");
    }
}

TEST_F(PovWormWriterTest, OnlyTheSweepColorMattersAndConnectorsChangeNothing) {
    add_bead(0.0f, 0.0f, 0.0f, 1.0f, 2);
    add_bead(4.0f, 0.0f, 0.0f, 1.0f, 9);
    add_bead(8.0f, 1.0f, 0.0f, 1.0f, 0);
    Outcome plain = run(2);
    EXPECT_TRUE(plain.complete);
    EXPECT_EQ(plain.console, "");
    std::vector<std::string> lines = split_lines(plain.file);
    ASSERT_EQ(lines.size(), 2u * 3 + 32);
    EXPECT_EQ(lines[lines.size() - 2], "  " + RED);

    add_connector(1, 7, 0.0f, 9);
    add_connector(3, 3, 0.0f, 0);
    Outcome with_connectors = run(2);
    EXPECT_TRUE(with_connectors.complete);
    EXPECT_EQ(with_connectors.console, "");
    EXPECT_EQ(with_connectors.file, plain.file);
}

TEST_F(PovWormWriterTest, ModelThatCannotBeFramedIsRefusedWithAnEmptyFile) {
    struct Case {
        const char* what;
        std::int32_t beads;
        std::int32_t sweep_color;
    };
    // Without beads the sweep color (a bead 1 that does not exist) is never judged.
    for (const Case& c : {Case{"no beads", 0, 0}, Case{"no beads, valid color", 0, 1},
                          Case{"all radii 0", 3, 1}}) {
        SCOPED_TRACE(c.what);
        clear_model();
        for (int i = 1; i <= c.beads; ++i) add_bead(float(i), 0.0f, 0.0f, 0.0f, 1);
        scratch_.write(FILE_NAME, "old\r\n");
        expect_unframeable(run(c.sweep_color));
    }
}

TEST_F(PovWormWriterTest, FullCapacityChainIsWrittenWhole) {
    for (int i = 1; i <= MAX_BEADS; ++i) add_bead(float(2 * i), float(i % 7), 0.0f, 1.0f, 1);
    Outcome outcome = run(4);
    EXPECT_TRUE(outcome.complete);
    std::vector<std::string> lines = split_lines(outcome.file);
    ASSERT_EQ(lines.size(), 2u * MAX_BEADS + 32);
    EXPECT_EQ(lines[23], "  cubic_spline 10002,");
    EXPECT_EQ(lines.back(), "}");
}

}  // namespace
}  // namespace sferonda::testing
