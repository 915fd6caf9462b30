#include "writers/vrml_writer.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/writer_fixture.hpp"

namespace sferonda::testing {
namespace {

const std::string FILE_NAME = "t.vrml";
const std::string BLANKS_AFTER_MATERIAL(122, ' ');

std::string bead_appearance(const std::string& material) {
    return "      appearance Appearance { material Material" + material + BLANKS_AFTER_MATERIAL + " }";
}
std::string connector_appearance(const std::string& material) {
    return "            appearance Appearance { material Material" + material + BLANKS_AFTER_MATERIAL + " }";
}

// Record r (from 1) of connector k, after the header and the beads' records.
const std::string& connector_record(const std::vector<std::string>& lines, int beads, int k, int r) {
    return lines.at(static_cast<std::size_t>(1 + 9 * beads + 19 * (k - 1) + r - 1));
}

class VrmlWriterTest : public WriterTest {
protected:
    // Corners of a 4 x 2 rectangle in the xy plane, radius 1: the frame keeps
    // the axes, the box side is 6, so a unit of the model becomes 5/6.
    //   bead 1 (2, 1)   bead 2 (2, -1)   bead 3 (-2, 1)   bead 4 (-2, -1)
    void add_rectangle() {
        add_bead(2.0f, 1.0f, 0.0f, 1.0f, 1);
        add_bead(2.0f, -1.0f, 0.0f, 1.0f, 1);
        add_bead(-2.0f, 1.0f, 0.0f, 1.0f, 1);
        add_bead(-2.0f, -1.0f, 0.0f, 1.0f, 1);
    }

    Outcome run() {
        return run_writer(FILE_NAME, [&] { return MODVRML(*run_, *model_, OUTPUT_UNIT, make_name(FILE_NAME)); });
    }
};

TEST_F(VrmlWriterTest, EmptyModelGivesTheHeaderAlone) {
    scratch_.write(FILE_NAME, "old\r\n");
    Outcome outcome = run();
    EXPECT_TRUE(outcome.complete);
    EXPECT_EQ(outcome.console, "");
    EXPECT_EQ(outcome.file, crlf_lines({"#VRML V2.0 utf8"}));
}

TEST_F(VrmlWriterTest, TwoRedBeadsJoinedByOneConnector) {
    add_bead(0.0f, 0.0f, 0.0f, 1.0f, 2);
    add_bead(4.0f, 0.0f, 0.0f, 1.0f, 2);
    add_connector(1, 2, 0.5f, 2);
    Outcome outcome = run();
    EXPECT_TRUE(outcome.complete);
    EXPECT_EQ(outcome.console, "");
    const std::string red = "{ diffuseColor 1.0 0.0 0.0 }";
    EXPECT_EQ(outcome.file,
              crlf_lines({"#VRML V2.0 utf8",
                          "Transform {",
                          "  translation  -0.16667E+01   0.00000E+00   0.00000E+00",
                          "  children [",
                          "    Shape {",
                          "      geometry Sphere { radius   0.83333E+00 }",
                          bead_appearance(red),
                          "    }",
                          "  ]",
                          "}",
                          "Transform {",
                          "  translation   0.16667E+01   0.00000E+00   0.00000E+00",
                          "  children [",
                          "    Shape {",
                          "      geometry Sphere { radius   0.83333E+00 }",
                          bead_appearance(red),
                          "    }",
                          "  ]",
                          "}",
                          "Transform {",
                          "  translation -0.16667E+01   0.00000E+00   0.00000E+00",
                          "  children [",
                          "    Transform {",
                          "      rotation  0.00000E+00   0.00000E+00  -0.10000E+01   0.15708E+01",
                          "      children [",
                          "        Transform {",
                          "        translation 0.0   0.16667E+01 0.0",
                          "        children [",
                          "          Shape {",
                          "            geometry Cylinder { radius   0.41667E+00 height   0.33333E+01 }",
                          connector_appearance(red),
                          "            }",
                          "          ]",
                          "        }",
                          "      ]",
                          "    }",
                          "  ]",
                          "}"}));
    std::vector<std::string> lines = split_lines(outcome.file);
    ASSERT_EQ(lines.size(), 1u + 2 * 9 + 19);
    EXPECT_EQ(lines[6].size(), 199u);
    EXPECT_EQ(lines[30].size(), 205u);
}

TEST_F(VrmlWriterTest, ConnectorIsTurnedFromPlusYOntoItsDirection) {
    add_rectangle();
    add_connector(1, 2, 0.5f, 1);  // straight down
    add_connector(2, 1, 0.5f, 1);  // straight up
    add_connector(1, 3, 0.5f, 1);  // towards -x
    add_connector(4, 3, 0.5f, 1);  // up again, from another bead
    Outcome outcome = run();
    EXPECT_TRUE(outcome.complete);
    std::vector<std::string> lines = split_lines(outcome.file);
    ASSERT_EQ(lines.size(), 1u + 4 * 9 + 4 * 19);

    struct Expected {
        const char* translation;
        const char* rotation;
        const char* lift;
        const char* cylinder;
    };
    const Expected expected[] = {
        {"  translation  0.16667E+01   0.83333E+00   0.00000E+00",
         "      rotation  0.10000E+01   0.00000E+00   0.00000E+00   0.31416E+01",
         "        translation 0.0   0.83333E+00 0.0",
         "            geometry Cylinder { radius   0.41667E+00 height   0.16667E+01 }"},
        {"  translation  0.16667E+01  -0.83333E+00   0.00000E+00",
         "      rotation  0.00000E+00   0.00000E+00   0.00000E+00   0.00000E+00",
         "        translation 0.0   0.83333E+00 0.0",
         "            geometry Cylinder { radius   0.41667E+00 height   0.16667E+01 }"},
        {"  translation  0.16667E+01   0.83333E+00   0.00000E+00",
         "      rotation  0.00000E+00   0.00000E+00   0.10000E+01   0.15708E+01",
         "        translation 0.0   0.16667E+01 0.0",
         "            geometry Cylinder { radius   0.41667E+00 height   0.33333E+01 }"},
        {"  translation -0.16667E+01  -0.83333E+00   0.00000E+00",
         "      rotation  0.00000E+00   0.00000E+00   0.00000E+00   0.00000E+00",
         "        translation 0.0   0.83333E+00 0.0",
         "            geometry Cylinder { radius   0.41667E+00 height   0.16667E+01 }"},
    };
    for (int k = 1; k <= 4; ++k) {
        SCOPED_TRACE(k);
        const Expected& e = expected[k - 1];
        EXPECT_EQ(connector_record(lines, 4, k, 2), e.translation);
        EXPECT_EQ(connector_record(lines, 4, k, 5), e.rotation);
        EXPECT_EQ(connector_record(lines, 4, k, 8), e.lift);
        EXPECT_EQ(connector_record(lines, 4, k, 11), e.cylinder);
    }
}

TEST_F(VrmlWriterTest, ConnectorBetweenTwoBeadsOnOneCentreHasNoLengthAndNoTurn) {
    add_rectangle();
    add_rectangle();  // beads 5 to 8 on the centres of beads 1 to 4: the frame stays the same
    add_connector(1, 1, 0.5f, 3);
    add_connector(8, 4, 0.5f, 3);
    Outcome outcome = run();
    EXPECT_TRUE(outcome.complete);
    EXPECT_EQ(outcome.file.find("NaN"), std::string::npos);
    std::vector<std::string> lines = split_lines(outcome.file);
    ASSERT_EQ(lines.size(), 1u + 8 * 9 + 2 * 19);
    const char* translations[] = {"  translation  0.16667E+01   0.83333E+00   0.00000E+00",
                                  "  translation -0.16667E+01  -0.83333E+00   0.00000E+00"};
    for (int k = 1; k <= 2; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(connector_record(lines, 8, k, 2), translations[k - 1]);
        EXPECT_EQ(connector_record(lines, 8, k, 5),
                  "      rotation  0.00000E+00   0.00000E+00   0.00000E+00   0.00000E+00");
        EXPECT_EQ(connector_record(lines, 8, k, 8), "        translation 0.0   0.00000E+00 0.0");
        EXPECT_EQ(connector_record(lines, 8, k, 11),
                  "            geometry Cylinder { radius   0.41667E+00 height   0.00000E+00 }");
        EXPECT_EQ(connector_record(lines, 8, k, 12), connector_appearance("{ diffuseColor 1.0 1.0 0.0 }"));
    }
}

TEST_F(VrmlWriterTest, ConnectorBeadNumbersAreCheckedBeforeAnyColor) {
    for (int i = 1; i <= 3; ++i) add_bead(float(i), 0.0f, 0.0f, 1.0f, 1);
    model_->bead_color[1] = 9;
    add_connector(1, 2, 0.5f, 8);
    add_connector(2, 3, 0.5f, 1);
    add_connector(3, 4, 0.5f, 1);
    expect_stop(run(), "ERROR: Invalid number of second bead:   4 for connector #   3");
}

TEST_F(VrmlWriterTest, BeadColorsAreCheckedBeforeConnectorColors) {
    for (int i = 1; i <= 3; ++i) add_bead(float(i), 0.0f, 0.0f, 1.0f, 1);
    model_->bead_color[3] = 8;
    add_connector(1, 2, 0.5f, 0);
    expect_stop(run(), "ERROR: Bead #   3 invalid index color: 8");
}

TEST_F(VrmlWriterTest, ValuesOutsideTheirRangeStopTheRun) {
    struct Case {
        std::int32_t first, second, bead_color, connector_color;
        const char* message;
    };
    const Case cases[] = {
        {0, 3, 1, 1, "ERROR: Invalid number of first bead:   0 for connector #   1"},
        {4, 3, 1, 1, "ERROR: Invalid number of first bead:   4 for connector #   1"},
        {-2, 3, 1, 1, "ERROR: Invalid number of first bead:  -2 for connector #   1"},
        {1, 0, 1, 1, "ERROR: Invalid number of second bead:   0 for connector #   1"},
        {1, 4, 1, 1, "ERROR: Invalid number of second bead:   4 for connector #   1"},
        {1, 3, 0, 1, "ERROR: Bead #   1 invalid index color: 0"},
        {1, 3, 8, 1, "ERROR: Bead #   1 invalid index color: 8"},
        {1, 3, -3, 1, "ERROR: Bead #   1 invalid index color:-3"},
        {1, 3, 100, 1, "ERROR: Bead #   1 invalid index color:**"},
        {1, 3, 1, 0, "ERROR: Connector #   1 invalid index color: 0"},
        {1, 3, 1, 8, "ERROR: Connector #   1 invalid index color: 8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        clear_model();
        for (int i = 1; i <= 3; ++i) add_bead(float(i), 0.0f, 0.0f, 1.0f, 1);
        model_->bead_color[1] = c.bead_color;
        add_connector(c.first, c.second, 0.5f, c.connector_color);
        scratch_.write(FILE_NAME, "old\r\n");
        expect_stop(run(), c.message);
    }
}

TEST_F(VrmlWriterTest, BoundaryValuesPassAndEverySevenColorsIsWritten) {
    const char* materials[] = {"{ diffuseColor 1.0 1.0 1.0 }", "{ diffuseColor 1.0 0.0 0.0 }",
                               "{ diffuseColor 1.0 1.0 0.0 }", "{ diffuseColor 0.0 0.0 1.0 }",
                               "{ diffuseColor 0.0 1.0 0.0 }", "{ diffuseColor 1.0 0.0 1.0 }",
                               "{ diffuseColor 0.0 1.0 1.0 }"};
    for (int i = 1; i <= 7; ++i) add_bead(float(i), float(i % 2), 0.0f, 1.0f, i);
    add_connector(1, 7, 0.5f, 1);
    add_connector(7, 1, 0.5f, 7);
    Outcome outcome = run();
    EXPECT_TRUE(outcome.complete);
    EXPECT_EQ(outcome.console, "");
    std::vector<std::string> lines = split_lines(outcome.file);
    ASSERT_EQ(lines.size(), 1u + 7 * 9 + 2 * 19);
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(lines[static_cast<std::size_t>(9 * (i - 1) + 6)], bead_appearance(materials[i - 1]));
    }
    EXPECT_EQ(connector_record(lines, 7, 1, 12), connector_appearance(materials[0]));
    EXPECT_EQ(connector_record(lines, 7, 2, 12), connector_appearance(materials[6]));
}

TEST_F(VrmlWriterTest, ModelWhoseRadiiAddUpToZeroIsRefusedWithAnEmptyFile) {
    for (int i = 1; i <= 3; ++i) add_bead(float(i), 0.0f, 0.0f, 0.0f, 1);
    add_connector(1, 2, 0.5f, 1);
    scratch_.write(FILE_NAME, "old\r\n");
    expect_unframeable(run());
}

TEST_F(VrmlWriterTest, FullCapacityModelIsWrittenWhole) {
    for (int i = 1; i <= MAX_BEADS; ++i) add_bead(float(2 * i), float(i % 5), 0.0f, 1.0f, 1 + i % 7);
    for (int k = 1; k <= MAX_CONNECTORS; ++k) {
        add_connector(1 + k % MAX_BEADS, 1 + (k + 1 + k / MAX_BEADS) % MAX_BEADS, 0.5f, 1 + k % 7);
    }
    Outcome outcome = run();
    EXPECT_TRUE(outcome.complete);
    std::vector<std::string> lines = split_lines(outcome.file);
    ASSERT_EQ(lines.size(), 1u + 9u * MAX_BEADS + 19u * MAX_CONNECTORS);
    EXPECT_EQ(lines.back(), "}");
    EXPECT_EQ(outcome.file.find("NaN"), std::string::npos);
}

}  // namespace
}  // namespace sferonda::testing
