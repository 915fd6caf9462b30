#include "writers/polyray_writer.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "records/units.hpp"
#include "tests/support/scratch.hpp"

namespace sferonda {
namespace {

using testing::crlf_lines;
using testing::ScratchDirectory;

const std::string INCLUDE_LINE = "include \"header.inc\"";
const std::string ROTATE_LINE = "       rotate<0,0,0>";
const std::string TRANSLATE_LINE = "       translate<0,0,0>";

struct Bead {
    float x, y, z, radius;
};

class PolyrayWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_directory_ = std::filesystem::current_path();
        std::filesystem::current_path(scratch_.path());
        capture_console_output();
        take_console_output();
    }
    void TearDown() override { std::filesystem::current_path(previous_directory_); }

    void set_beads(std::initializer_list<Bead> beads) {
        model_->bead_count = 0;
        for (const Bead& bead : beads) {
            const std::int32_t i = ++model_->bead_count;
            model_->bead_x[i] = bead.x;
            model_->bead_y[i] = bead.y;
            model_->bead_z[i] = bead.z;
            model_->bead_radius[i] = bead.radius;
        }
    }

    std::string run() {
        EXPECT_TRUE(MODPOLYRAY(*model_, OUTPUT_UNIT, make_name("model.pi")));
        EXPECT_EQ(take_console_output(), "");
        return scratch_.read("model.pi");
    }

    ScratchDirectory scratch_;
    std::filesystem::path previous_directory_;
    std::unique_ptr<BeadModel> model_ = std::make_unique<BeadModel>();
};

TEST_F(PolyrayWriterTest, TwoBeads) {
    set_beads({{0.0f, 0.0f, 0.0f, 0.5f}, {1.25f, -2.0f, 3.0f, 0.5f}});
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
    set_beads({{100000.0f, -10000.0f, 0.0625f, 0.0f}});
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
    set_beads({});
    scratch_.write("model.pi", "an older and longer file\r\nwith two lines\r\n");
    EXPECT_EQ(run(), crlf_lines({INCLUDE_LINE, "object{", ROTATE_LINE, TRANSLATE_LINE, "}"}));
}

TEST_F(PolyrayWriterTest, FullCapacityIsQuick) {
    model_->bead_count = MAX_BEADS;
    for (std::int32_t i = 1; i <= MAX_BEADS; ++i) {
        model_->bead_x[i] = float(i);
        model_->bead_y[i] = 0.5f;
        model_->bead_z[i] = -0.5f;
        model_->bead_radius[i] = 1.0f;
    }
    // Connectors play no part in this scene.
    model_->connector_count = MAX_CONNECTORS;
    for (std::int32_t j = 1; j <= MAX_CONNECTORS; ++j) {
        model_->connector_first[j] = 1;
        model_->connector_second[j] = 2;
    }
    const std::string file = run();
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), MAX_BEADS + 5);
    // 20 + 7 + 20 + 23 + 1 characters of framing, 76 per sphere, CR LF on each line.
    EXPECT_EQ(file.size(), std::size_t(71 + 5 * 2 + MAX_BEADS * 78));
    EXPECT_EQ(file.find("+object"), std::size_t(20 + 2 + 7 + 2 + 78 + 7));
}

}  // namespace
}  // namespace sferonda
