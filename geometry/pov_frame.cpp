#include "geometry/pov_frame.hpp"

#include <cmath>

#include "geometry/principal_axes.hpp"

namespace sferonda {
namespace {

// Camera at 1.5 box sizes, 11.25 degrees off +z towards 11.25 degrees from +x;
// light 1 at height 2 * cos 11.25 (the camera's factor, not cos 5), 2 * sin 5
// off the axis towards 15 degrees; light 2 at 3 box sizes, 15 degrees off +z
// towards 7.5 degrees below +x. Products are taken left to right.
void place_camera_and_lights(float box_size, PovFrame& frame) {
    const double e = box_size;
    frame.camera_location = {
        static_cast<float>(e * 1.5f * 0.19509032f * 0.98078525f),
        static_cast<float>(e * 1.5f * 0.19509032f * 0.19509032f),
        static_cast<float>(e * 1.5f * 0.98078525f)};
    frame.light_1_location = {
        static_cast<float>(e * 2.0f * 0.087155744f * 0.9659258f),
        static_cast<float>(e * 2.0f * 0.087155744f * 0.25881904f),
        static_cast<float>(e * 2.0f * 0.98078525f)};
    frame.light_2_location = {
        static_cast<float>(e * 3.0f * 0.25881904f * 0.9914449f),
        static_cast<float>(e * 3.0f * 0.25881904f * -0.1305262f),
        static_cast<float>(e * 3.0f * 0.9659258f)};
}

}  // namespace

bool POVFRAME(const BeadModel& model, PovFrame& frame) {
    if (model.bead_count <= 0) return false;
    PrincipalAxes axes;
    if (!find_principal_axes(model, axes)) return false;
    const float box_size = enclosing_box_size(axes, model);
    if (!std::isfinite(box_size)) return false;

    for (int i = 1; i <= model.bead_count; ++i) {
        const std::array<float, 3> turned = turned_centre(axes, model, i);
        frame.framed_x[i] = turned[0];
        frame.framed_y[i] = turned[1];
        frame.framed_z[i] = turned[2];
    }
    place_camera_and_lights(box_size, frame);
    return true;
}

}  // namespace sferonda
