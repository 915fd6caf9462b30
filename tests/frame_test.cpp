#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "driver/bead_model.hpp"
#include "geometry/pov_frame.hpp"
#include "geometry/vrml_frame.hpp"

namespace sferonda {
namespace {

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float INF = std::numeric_limits<float>::infinity();
constexpr float UNTOUCHED = -12345.0f;

struct Bead {
    float x, y, z, radius;
};

// Entries 0 and count + 1 hold NaN: a framing that reads them spoils its result.
std::unique_ptr<BeadModel> make_model(const std::vector<Bead>& beads,
                                      const std::vector<float>& connector_radii = {}) {
    auto model = std::make_unique<BeadModel>();
    model->bead_count = int(beads.size());
    for (auto* values : {&model->bead_x, &model->bead_y, &model->bead_z, &model->bead_radius})
        values->fill(NaN);
    for (int i = 1; i <= model->bead_count; ++i) {
        const Bead& bead = beads[i - 1];
        model->bead_x[i] = bead.x;
        model->bead_y[i] = bead.y;
        model->bead_z[i] = bead.z;
        model->bead_radius[i] = bead.radius;
    }
    model->connector_count = int(connector_radii.size());
    model->connector_radius.fill(NaN);
    for (int k = 1; k <= model->connector_count; ++k) model->connector_radius[k] = connector_radii[k - 1];
    return model;
}

std::unique_ptr<PovFrame> untouched_pov_frame() {
    auto frame = std::make_unique<PovFrame>();
    for (auto* values : {&frame->framed_x, &frame->framed_y, &frame->framed_z}) values->fill(UNTOUCHED);
    for (auto* point : {&frame->camera_location, &frame->light_1_location, &frame->light_2_location})
        point->fill(UNTOUCHED);
    return frame;
}

std::unique_ptr<VrmlFrame> untouched_vrml_frame() {
    auto frame = std::make_unique<VrmlFrame>();
    for (auto* values : {&frame->framed_x, &frame->framed_y, &frame->framed_z, &frame->framed_radius})
        values->fill(UNTOUCHED);
    frame->framed_connector_radius.fill(UNTOUCHED);
    return frame;
}

// Five significant digits, rounded once from the float's binary value.
std::string five_digits(float value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 4);
    return std::string(text, result.ptr);
}

using Point = std::array<std::string, 3>;

void expect_point(const std::array<float, 3>& actual, const Point& expected, const char* what) {
    for (int p = 0; p < 3; ++p) EXPECT_EQ(five_digits(actual[p]), expected[p]) << what << " coordinate " << p + 1;
}

void expect_centres(const PovFrame& frame, const std::vector<std::array<float, 3>>& centres) {
    for (int i = 1; i <= int(centres.size()); ++i) {
        EXPECT_EQ(frame.framed_x[i], centres[i - 1][0]) << "bead " << i;
        EXPECT_EQ(frame.framed_y[i], centres[i - 1][1]) << "bead " << i;
        EXPECT_EQ(frame.framed_z[i], centres[i - 1][2]) << "bead " << i;
    }
}

void expect_centres(const VrmlFrame& frame, const std::vector<std::array<float, 4>>& beads) {
    for (int i = 1; i <= int(beads.size()); ++i) {
        EXPECT_EQ(frame.framed_x[i], beads[i - 1][0]) << "bead " << i;
        EXPECT_EQ(frame.framed_y[i], beads[i - 1][1]) << "bead " << i;
        EXPECT_EQ(frame.framed_z[i], beads[i - 1][2]) << "bead " << i;
        EXPECT_EQ(frame.framed_radius[i], beads[i - 1][3]) << "bead " << i;
    }
}

// ---- POV-Ray framing ----

struct PovCase {
    std::string name;
    std::vector<Bead> beads;
    std::vector<std::array<float, 3>> framed;
    Point camera, light_1, light_2;
};

class PovFraming : public testing::TestWithParam<PovCase> {};

TEST_P(PovFraming, TurnsAndPlacesCameraAndLights) {
    const PovCase& c = GetParam();
    auto model = make_model(c.beads);
    auto frame = untouched_pov_frame();
    ASSERT_TRUE(POVFRAME(*model, *frame));
    expect_centres(*frame, c.framed);
    expect_point(frame->camera_location, c.camera, "camera");
    expect_point(frame->light_1_location, c.light_1, "light 1");
    expect_point(frame->light_2_location, c.light_2, "light 2");
    EXPECT_EQ(frame->framed_x[0], UNTOUCHED);
    EXPECT_EQ(frame->framed_x[c.beads.size() + 1], UNTOUCHED);
}

// Box sizes 6, 2, 11 and 4: the points are E times fixed factors.
const Point CAMERA_6{"1.7221e+00", "3.4254e-01", "8.8271e+00"};
const Point LIGHT_1_6{"1.0102e+00", "2.7069e-01", "1.1769e+01"};
const Point LIGHT_2_6{"4.6189e+00", "-6.0809e-01", "1.7387e+01"};

INSTANTIATE_TEST_SUITE_P(
    Models, PovFraming,
    testing::Values(
        PovCase{"TwoBeadsAlongX", {{0, 0, 0, 1}, {4, 0, 0, 1}}, {{-2, 0, 0}, {2, 0, 0}},
                CAMERA_6, LIGHT_1_6, LIGHT_2_6},
        // The sort puts the y axis first: the model's y spread becomes x.
        PovCase{"TwoBeadsAlongY", {{0, 0, 0, 1}, {0, 4, 0, 1}}, {{-2, 0, 0}, {2, 0, 0}},
                CAMERA_6, LIGHT_1_6, LIGHT_2_6},
        PovCase{"SingleBead", {{3, -2, 7, 1}}, {{0, 0, 0}},
                {"5.7403e-01", "1.1418e-01", "2.9424e+00"},
                {"3.3674e-01", "9.0230e-02", "3.9231e+00"},
                {"1.5396e+00", "-2.0270e-01", "5.7956e+00"}},
        // A bead of radius 0 leaves centre and axes alone but widens the box to 11.
        PovCase{"ZeroRadiusBeadEntersOnlyTheBox", {{0, 0, 0, 1}, {4, 0, 0, 1}, {2, 10, 0, 0}},
                {{-2, 0, 0}, {2, 0, 0}, {0, 10, 0}},
                {"3.1571e+00", "6.2799e-01", "1.6183e+01"},
                {"1.8521e+00", "4.9627e-01", "2.1577e+01"},
                {"8.4680e+00", "-1.1148e+00", "3.1876e+01"}},
        // Unweighted, y would spread more (18 against 8); weighted by the radii
        // x does (8 against 4.5), so the axes stay. The box is 6.5 along y.
        PovCase{"RadiiWeighTheSpread",
                {{-2, 0, 0, 1}, {2, 0, 0, 1}, {0, -3, 0, 0.25f}, {0, 3, 0, 0.25f}},
                {{-2, 0, 0}, {2, 0, 0}, {0, -3, 0}, {0, 3, 0}},
                {"1.8656e+00", "3.7109e-01", "9.5627e+00"},
                {"1.0944e+00", "2.9325e-01", "1.2750e+01"},
                {"5.0038e+00", "-6.5876e-01", "1.8836e+01"}},
        // Equal spreads along x and y: no exchange, the axes stay as they are.
        PovCase{"SquareKeepsItsAxes",
                {{2.5f, -0.5f, 3, 1}, {0.5f, -0.5f, 3, 1}, {0.5f, -2.5f, 3, 1}, {2.5f, -2.5f, 3, 1}},
                {{1, 1, 0}, {-1, 1, 0}, {-1, -1, 0}, {1, -1, 0}},
                {"1.1481e+00", "2.2836e-01", "5.8847e+00"},
                {"6.7349e-01", "1.8046e-01", "7.8463e+00"},
                {"3.0793e+00", "-4.0539e-01", "1.1591e+01"}}),
    [](const testing::TestParamInfo<PovCase>& info) { return info.param.name; });

// Doubling every coordinate and radius is exact in binary, and so is
// everything it changes: the turn stays the same, every length doubles.
TEST(PovFrameTest, DoublingTheModelDoublesEverything) {
    const std::vector<Bead> beads{{0.3f, 1.7f, -2.2f, 0.8f}, {1.9f, -0.4f, 0.6f, 1.3f},
                                  {-1.1f, 0.9f, 2.4f, 0.5f}, {2.6f, 2.1f, -0.7f, 1.1f}};
    std::vector<Bead> doubled;
    for (const Bead& b : beads) doubled.push_back({2 * b.x, 2 * b.y, 2 * b.z, 2 * b.radius});
    auto small = untouched_pov_frame();
    auto large = untouched_pov_frame();
    ASSERT_TRUE(POVFRAME(*make_model(beads), *small));
    ASSERT_TRUE(POVFRAME(*make_model(doubled), *large));
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(large->framed_x[i], 2 * small->framed_x[i]);
        EXPECT_EQ(large->framed_y[i], 2 * small->framed_y[i]);
        EXPECT_EQ(large->framed_z[i], 2 * small->framed_z[i]);
    }
    for (int p = 0; p < 3; ++p) {
        EXPECT_EQ(large->camera_location[p], 2 * small->camera_location[p]);
        EXPECT_EQ(large->light_1_location[p], 2 * small->light_1_location[p]);
        EXPECT_EQ(large->light_2_location[p], 2 * small->light_2_location[p]);
    }
    EXPECT_NE(small->camera_location[2], 0.0f);
}

// ---- VRML framing ----

struct VrmlCase {
    std::string name;
    std::vector<Bead> beads;
    std::vector<float> connector_radii;
    std::vector<std::array<float, 4>> framed;   // x, y, z, radius
    std::vector<float> framed_connector_radii;
};

class VrmlFraming : public testing::TestWithParam<VrmlCase> {};

TEST_P(VrmlFraming, TurnsAndScalesToFiveUnits) {
    const VrmlCase& c = GetParam();
    auto model = make_model(c.beads, c.connector_radii);
    auto frame = untouched_vrml_frame();
    ASSERT_TRUE(VRMLFRAME(*model, *frame));
    expect_centres(*frame, c.framed);
    for (int k = 1; k <= int(c.connector_radii.size()); ++k)
        EXPECT_EQ(frame->framed_connector_radius[k], c.framed_connector_radii[k - 1]) << "connector " << k;
    EXPECT_EQ(frame->framed_radius[c.beads.size() + 1], UNTOUCHED);
    EXPECT_EQ(frame->framed_connector_radius[c.connector_radii.size() + 1], UNTOUCHED);
}

// Quotients such as 5.0f / 3.0f are the correctly rounded values that the
// framing must produce from 2 * 5 / 6 and the like.
INSTANTIATE_TEST_SUITE_P(
    Models, VrmlFraming,
    testing::Values(
        // Connector radii 1.2 and 0.3 scale by 5/6 to 1.0 and 0.25 once rounded.
        VrmlCase{"TwoBeadsAlongX", {{0, 0, 0, 1}, {4, 0, 0, 1}}, {1.2f, 0.3f},
                 {{-5.0f / 3.0f, 0, 0, 5.0f / 6.0f}, {5.0f / 3.0f, 0, 0, 5.0f / 6.0f}}, {1.0f, 0.25f}},
        VrmlCase{"TwoBeadsAlongY", {{0, 0, 0, 1}, {0, 4, 0, 1}}, {},
                 {{-5.0f / 3.0f, 0, 0, 5.0f / 6.0f}, {5.0f / 3.0f, 0, 0, 5.0f / 6.0f}}, {}},
        VrmlCase{"SingleBead", {{1, 2, 3, 2}}, {0.5f}, {{0, 0, 0, 2.5f}}, {0.625f}},
        VrmlCase{"ZeroRadiusBeadEntersOnlyTheBox", {{0, 0, 0, 1}, {4, 0, 0, 1}, {2, 10, 0, 0}}, {},
                 {{-10.0f / 11.0f, 0, 0, 5.0f / 11.0f},
                  {10.0f / 11.0f, 0, 0, 5.0f / 11.0f},
                  {0, 50.0f / 11.0f, 0, 0}},
                 {}},
        VrmlCase{"SquareKeepsItsAxes",
                 {{2.5f, -0.5f, 3, 1}, {0.5f, -0.5f, 3, 1}, {0.5f, -2.5f, 3, 1}, {2.5f, -2.5f, 3, 1}}, {},
                 {{1.25f, 1.25f, 0, 1.25f}, {-1.25f, 1.25f, 0, 1.25f},
                  {-1.25f, -1.25f, 0, 1.25f}, {1.25f, -1.25f, 0, 1.25f}},
                 {}}),
    [](const testing::TestParamInfo<VrmlCase>& info) { return info.param.name; });

// ---- Models that cannot be framed ----

struct UnframeableCase {
    std::string name;
    std::vector<Bead> beads;
    bool pov_frames;
    bool vrml_frames;
};

class Unframeable : public testing::TestWithParam<UnframeableCase> {};

TEST_P(Unframeable, IsRefusedWithoutTouchingTheFrame) {
    const UnframeableCase& c = GetParam();
    auto model = make_model(c.beads, {0.5f});
    auto pov = untouched_pov_frame();
    auto vrml = untouched_vrml_frame();
    EXPECT_EQ(POVFRAME(*model, *pov), c.pov_frames);
    EXPECT_EQ(VRMLFRAME(*model, *vrml), c.vrml_frames);
    EXPECT_EQ(vrml->framed_x[1], UNTOUCHED);
    EXPECT_EQ(vrml->framed_connector_radius[1], UNTOUCHED);
    if (!c.pov_frames) {
        EXPECT_EQ(pov->framed_x[1], UNTOUCHED);
        EXPECT_EQ(pov->camera_location[0], UNTOUCHED);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Models, Unframeable,
    testing::Values(
        // Nothing to frame: no scene for POV-Ray, an untouched frame for VRML.
        UnframeableCase{"NoBeads", {}, false, true},
        UnframeableCase{"AllRadiiZero", {{0, 0, 0, 0}, {4, 0, 0, 0}}, false, false},
        UnframeableCase{"RadiiCancel", {{0, 0, 0, 1}, {4, 0, 0, -1}}, false, false},
        UnframeableCase{"NaNCoordinate", {{0, 0, 0, 1}, {4, NaN, 0, 1}}, false, false},
        UnframeableCase{"InfiniteCoordinateOfZeroRadius", {{0, 0, 0, 1}, {0, 0, INF, 0}}, false, false},
        UnframeableCase{"NaNRadius", {{0, 0, 0, 1}, {4, 0, 0, NaN}}, false, false},
        // 4e20 apart: the second moment 8e40 is beyond single precision.
        UnframeableCase{"SecondMomentOverflows", {{0, 0, 0, 1}, {4e20f, 0, 0, 1}}, false, false},
        // Weights so small that the spread stays finite, but the box is 6e38 wide.
        UnframeableCase{"BoxSizeOverflows", {{-3e38f, 0, 0, 1e-45f}, {3e38f, 0, 0, 1e-45f}}, false, false},
        // The camera would stand on the point it looks at.
        UnframeableCase{"BoxSizeZero", {{1, 2, 3, -1}}, false, false},
        // A spread of subnormal size: the eigen-solver's axes, and with them
        // the turned centres, are not numbers, which no box comparison sees.
        UnframeableCase{"SubnormalSpreadTurnsCentresIntoNaN", {{0, 3e-45f, 1, 1}, {1, 0, 1, 1}}, false, false},
        // A box of size 2, into which a radius of -3e38 scales to -7.5e38.
        UnframeableCase{"ScaledRadiusBeyondFloatRange", {{0, 0, 0, 1}, {0, 0, 0, -3e38f}}, true, false}),
    [](const testing::TestParamInfo<UnframeableCase>& info) { return info.param.name; });

// Light 1 stands at 2 * 0.98078525 box sizes along z: a box of 1e38 keeps
// every point within the float range, one of 2e38 puts light 1 at 3.9e38.
// Subnormal weights keep the spread finite.
TEST(Unframeable, CameraAndLightsMustLieWithinTheFloatRange) {
    auto within = make_model({{-5e37f, 0, 0, 1e-45f}, {5e37f, 0, 0, 1e-45f}});
    auto pov = untouched_pov_frame();
    ASSERT_TRUE(POVFRAME(*within, *pov));
    EXPECT_FLOAT_EQ(pov->light_1_location[2], float(1e38 * 2.0f * 0.98078525f));

    auto beyond = make_model({{-1e38f, 0, 0, 1e-45f}, {1e38f, 0, 0, 1e-45f}});
    pov = untouched_pov_frame();
    EXPECT_FALSE(POVFRAME(*beyond, *pov));
    EXPECT_EQ(pov->camera_location[2], UNTOUCHED);
    EXPECT_EQ(pov->framed_x[1], UNTOUCHED);
}

}  // namespace
}  // namespace sferonda
