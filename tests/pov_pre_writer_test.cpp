#include "writers/pov_pre_writer.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "tests/support/writer_fixture.hpp"

namespace sferonda::testing {
namespace {

const std::string INCLUDES = crlf_lines({"#include \"colors.inc\"", "#include \"header.inc\""});

struct Bead {
    float x, y, z, radius;
    std::int32_t color;
};

struct Connector {
    std::int32_t first, second;
    float radius;
    std::int32_t color;
};

class PovPreWriterTest : public WriterTest {
protected:
    void set_model(std::initializer_list<Bead> beads, std::initializer_list<Connector> connectors) {
        clear_model();
        for (const Bead& b : beads) add_bead(b.x, b.y, b.z, b.radius, b.color);
        for (const Connector& c : connectors) add_connector(c.first, c.second, c.radius, c.color);
    }

    Outcome run() {
        return run_writer("model.ppv", [&] { return MODPOVPRE(*run_, *model_, OUTPUT_UNIT, make_name("model.ppv")); });
    }
};

TEST_F(PovPreWriterTest, SphereLineOfARedBead) {
    set_model({{1.0f, -2.0f, 0.5f, 0.75f, 2}}, {});
    Outcome outcome = run();
    const std::string sphere = "sphere { <  0.10000E+01, -0.20000E+01,  0.50000E+00>,  0.75000E+00 "
                               "pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }" +
                               std::string(78, ' ') + " }";
    EXPECT_EQ(sphere.size(), 219u);
    EXPECT_TRUE(outcome.complete);
    EXPECT_EQ(outcome.file, INCLUDES + crlf_lines({sphere}));
    EXPECT_EQ(outcome.console, "");
}

TEST_F(PovPreWriterTest, CylinderLineJoinsTheBeadCentres) {
    set_model({{0, 0, 0, 0.5f, 1}, {1, 2, 3, 0.5f, 1}}, {{1, 2, 0.25f, 4}});
    Outcome outcome = run();
    const std::string cylinder = "cylinder { <  0.00000E+00,  0.00000E+00,  0.00000E+00>,"
                                 "<  0.10000E+01,  0.20000E+01,  0.30000E+01>,  0.25000E+00 "
                                 "pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }" +
                                 std::string(77, ' ') + " }";
    EXPECT_EQ(cylinder.size(), 265u);
    std::string white = "pigment { White } finish { phong 0.7 phong_size 50 ambient .25 diffuse .75 }" +
                        std::string(74, ' ') + " }";
    EXPECT_EQ(outcome.file,
              INCLUDES + crlf_lines({"sphere { <  0.00000E+00,  0.00000E+00,  0.00000E+00>,  0.50000E+00 " + white,
                                     "sphere { <  0.10000E+01,  0.20000E+01,  0.30000E+01>,  0.50000E+00 " + white,
                                     cylinder}));
}

TEST_F(PovPreWriterTest, CylinderWithoutLengthBecomesAComment) {
    // Connector 1 joins a bead to itself, connector 3 two beads at one place.
    set_model({{0, 0, 0, 1, 1}, {1, 0, 0, 1, 1}, {1, 0, 0, 1, 1}}, {{2, 2, 0.5f, 1}, {1, 2, 0.5f, 1}, {2, 3, 0.5f, 1}});
    Outcome outcome = run();
    EXPECT_TRUE(outcome.complete);
    std::vector<std::string> lines = split_lines(outcome.file);
    ASSERT_EQ(lines.size(), 2u + 3u + 3u);
    EXPECT_EQ(lines[5], "// connector #00001 omitted: its two ends coincide");
    EXPECT_EQ(lines[6].substr(0, 70), "cylinder { <  0.00000E+00,  0.00000E+00,  0.00000E+00>,<  0.10000E+01,");
    EXPECT_EQ(lines[6].size(), 265u);
    EXPECT_EQ(lines[7], "// connector #00003 omitted: its two ends coincide");
}

TEST_F(PovPreWriterTest, EmptyModelGivesTheIncludesOnly) {
    for (std::int32_t count : {0, -1}) {
        model_->bead_count = count;
        model_->connector_count = count;
        Outcome outcome = run();
        EXPECT_TRUE(outcome.complete);
        EXPECT_EQ(outcome.file, INCLUDES) << "counts " << count;
    }
}

TEST_F(PovPreWriterTest, BadBeadColorStopsWithTheFileEmpty) {
    set_model({{0, 0, 0, 1, 1}, {0, 0, 0, 1, 2}, {0, 0, 0, 1, 3}, {0, 0, 0, 1, 4}, {0, 0, 0, 1, 5},
               {0, 0, 0, 1, 1}, {0, 0, 0, 1, 0}, {0, 0, 0, 1, 9}},
              {{1, 2, 1, 6}});
    scratch_.write("model.ppv", "left over from an earlier run\r\n");
    expect_stop(run(), "ERROR: Invalid ball #00007 index color.");
}

TEST_F(PovPreWriterTest, BeadColorAboveFiveIsRejected) {
    set_model({{0, 0, 0, 1, 6}}, {});
    expect_stop(run(), "ERROR: Invalid ball #00001 index color.");
}

TEST_F(PovPreWriterTest, BadConnectorColorIsReportedWhenBeadsAreFine) {
    set_model({{0, 0, 0, 1, 1}, {1, 0, 0, 1, 5}}, {{1, 2, 1, 5}, {2, 1, 1, 1}, {1, 2, 1, -3}, {1, 2, 1, 0}});
    expect_stop(run(), "ERROR: Invalid conector #00003 index color.");
}

TEST_F(PovPreWriterTest, BeadNumbersAreCheckedAfterTheColors) {
    set_model({{0, 0, 0, 1, 1}, {1, 0, 0, 1, 1}, {2, 0, 0, 1, 1}}, {{1, 2, 1, 1}, {3, 9, 1, 1}, {0, 1, 1, 1}});
    expect_stop(run(), "ERROR: Invalid number of second bead:   9 for connector #   2");

    set_model({{0, 0, 0, 1, 1}, {1, 0, 0, 1, 1}}, {{0, 1, 1, 1}, {1, 2, 1, 7}});
    expect_stop(run(), "ERROR: Invalid conector #00002 index color.");
}

TEST_F(PovPreWriterTest, FullCapacityWritesEveryRecordWhole) {
    for (std::int32_t i = 1; i <= MAX_BEADS; ++i) add_bead(float(i), float(-i), 0.5f, 1.0f, 1 + i % 5);
    for (std::int32_t j = 1; j <= MAX_CONNECTORS; ++j) {
        add_connector(1 + j % MAX_BEADS, 1 + (j + 1) % MAX_BEADS, 0.25f, 1 + j % 5);
    }
    Outcome outcome = run();
    EXPECT_TRUE(outcome.complete);
    // Each line with its CR LF: 21 + 2 per include, 219 + 2 per sphere, 265 + 2 per cylinder.
    EXPECT_EQ(outcome.file.size(), std::size_t(2 * 23 + MAX_BEADS * 221 + MAX_CONNECTORS * 267));
    EXPECT_EQ(outcome.file.find("omitted"), std::string::npos);
}

}  // namespace
}  // namespace sferonda::testing
