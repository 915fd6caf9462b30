#include "writers/polyray_writer.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/writer_fixture.hpp"

namespace sferonda::testing {
namespace {

const std::string INCLUDE_LINE = "include \"header.inc\"";
const std::string ROTATE_LINE = "       rotate<0,0,0>";
const std::string TRANSLATE_LINE = "       translate<0,0,0>";
const std::int32_t NO_COLOR = 0;  // every sphere of this scene is white

class PolyrayWriterTest : public WriterTest {
protected:
    std::string run() {
        Outcome outcome =
            run_writer("model.pi", [&] { return MODPOLYRAY(*run_, *model_, OUTPUT_UNIT, make_name("model.pi")); });
        EXPECT_TRUE(outcome.complete);
        EXPECT_EQ(outcome.console, "");
        return outcome.file;
    }
};

TEST_F(PolyrayWriterTest, TwoBeads) {
    add_bead(0.0f, 0.0f, 0.0f, 0.5f, NO_COLOR);
    add_bead(1.25f, -2.0f, 3.0f, 0.5f, NO_COLOR);
    EXPECT_EQ(run(), crlf_lines({
                         INCLUDE_LINE,
                         "object{",
                         "        object {sphere <    0.000,    0.000,    0.000>,    0.500shiny_white}",
                         "       +object {sphere <    1.250,   -2.000,    3.000>,    0.500shiny_white}",
                         ROTATE_LINE,
                         TRANSLATE_LINE,
                         "}",
                     }));
}

TEST_F(PolyrayWriterTest, SingleBeadHasNoPlusSign) {
    // Values too wide for F9.3 become asterisks; a radius of 0 is written as any other.
    add_bead(100000.0f, -10000.0f, 0.0625f, 0.0f, NO_COLOR);
    EXPECT_EQ(run(), crlf_lines({
                         INCLUDE_LINE,
                         "object{",
                         "        object {sphere <*********,*********,    0.062>,    0.000shiny_white}",
                         ROTATE_LINE,
                         TRANSLATE_LINE,
                         "}",
                     }));
}

TEST_F(PolyrayWriterTest, NoBeadsLeavesAnEmptyObject) {
    scratch_.write("model.pi", "an older and longer file\r\nwith two lines\r\n");
    EXPECT_EQ(run(), crlf_lines({INCLUDE_LINE, "object{", ROTATE_LINE, TRANSLATE_LINE, "}"}));
}

TEST_F(PolyrayWriterTest, FullCapacityWritesEverySphere) {
    for (std::int32_t i = 1; i <= MAX_BEADS; ++i) add_bead(float(i), 0.5f, -0.5f, 1.0f, NO_COLOR);
    // Connectors play no part in this scene.
    for (std::int32_t j = 1; j <= MAX_CONNECTORS; ++j) add_connector(1, 2, 0.0f, NO_COLOR);
    const std::string file = run();
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), MAX_BEADS + 5);
    // 20 + 7 + 20 + 23 + 1 characters of framing, 76 per sphere, CR LF on each line.
    EXPECT_EQ(file.size(), std::size_t(71 + 5 * 2 + MAX_BEADS * 78));
    EXPECT_EQ(file.find("+object"), std::size_t(20 + 2 + 7 + 2 + 78 + 7));
}

}  // namespace
}  // namespace sferonda::testing
