#include "geometry/pov_frame.hpp"

#include <cmath>

#include "geometry/principal_axes.hpp"

namespace sferonda {
namespace {

struct CameraAndLights {
    std::array<float, 3> camera, light_1, light_2;
};

bool all_finite(const CameraAndLights& points) {
    for (const std::array<float, 3>* point : {&points.camera, &points.light_1, &points.light_2})
        for (float value : *point)
            if (!std::isfinite(value)) return false;
    return true;
}

// Camera at 1.5 box sizes, 11.25 degrees off +z towards 11.25 degrees from +x;
// light 1 at height 2 * cos 11.25 (the camera's factor, not cos 5), 2 * sin 5
// off the axis towards 15 degrees; light 2 at 3 box sizes, 15 degrees off +z
// towards 7.5 degrees below +x. Products are taken left to right.
CameraAndLights place_camera_and_lights(float box_size) {
    const double e = box_size;
    CameraAndLights points;
    points.camera = {
        static_cast<float>(e * 1.5f * 0.19509032f * 0.98078525f),
        static_cast<float>(e * 1.5f * 0.19509032f * 0.19509032f),
        static_cast<float>(e * 1.5f * 0.98078525f)};
    points.light_1 = {
        static_cast<float>(e * 2.0f * 0.087155744f * 0.9659258f),
        static_cast<float>(e * 2.0f * 0.087155744f * 0.25881904f),
        static_cast<float>(e * 2.0f * 0.98078525f)};
    points.light_2 = {
        static_cast<float>(e * 3.0f * 0.25881904f * 0.9914449f),
        static_cast<float>(e * 3.0f * 0.25881904f * -0.1305262f),
        static_cast<float>(e * 3.0f * 0.9659258f)};
    return points;
}

// A spread too small for the eigen-solver can turn the axes into values
// that are not numbers, which no box comparison notices.
bool all_turned_finite(const PrincipalAxes& axes, const BeadModel& model) {
    for (int i = 1; i <= model.bead_count; ++i)
        for (float value : turned_centre(axes, model, i))
            if (!std::isfinite(value)) return false;
    return true;
}

}  // namespace

bool POVFRAME(const BeadModel& model, PovFrame& frame) {
    if (model.bead_count <= 0) return false;
    PrincipalAxes axes;
    if (!find_principal_axes(model, axes)) return false;
    const float box_size = enclosing_box_size(axes, model);
    // Without a positive size the camera would stand on the point it looks
    // at; beyond the float range its place could not be written.
    if (!std::isfinite(box_size) || box_size <= 0.0f) return false;
    const CameraAndLights points = place_camera_and_lights(box_size);
    if (!all_finite(points) || !all_turned_finite(axes, model)) return false;

    for (int i = 1; i <= model.bead_count; ++i) {
        const std::array<float, 3> turned = turned_centre(axes, model, i);
        frame.framed_x[i] = turned[0];
        frame.framed_y[i] = turned[1];
        frame.framed_z[i] = turned[2];
    }
    frame.camera_location = points.camera;
    frame.light_1_location = points.light_1;
    frame.light_2_location = points.light_2;
    return true;
}

}  // namespace sferonda
