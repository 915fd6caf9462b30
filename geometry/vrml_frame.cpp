#include "geometry/vrml_frame.hpp"

#include <cassert>
#include <cmath>

#include "geometry/principal_axes.hpp"

namespace sferonda {
namespace {

constexpr float FRAMED_BOX_SIZE = 5.0f;

// Multiplied first, divided second, rounded once.
float scaled(float value, float box_size) {
    return static_cast<float>(double(value) * FRAMED_BOX_SIZE / box_size);
}

// Whether every centre and radius stays within the float range once scaled:
// a tiny box can blow a finite value up to infinity.
bool all_scaled_finite(const BeadModel& model, const PrincipalAxes& axes, float box_size) {
    for (int i = 1; i <= model.bead_count; ++i) {
        const std::array<float, 3> turned = turned_centre(axes, model, i);
        for (float value : {turned[0], turned[1], turned[2], model.bead_radius[i]})
            if (!std::isfinite(scaled(value, box_size))) return false;
    }
    for (int k = 1; k <= model.connector_count; ++k)
        if (!std::isfinite(scaled(model.connector_radius[k], box_size))) return false;
    return true;
}

}  // namespace

bool VRMLFRAME(const BeadModel& model, VrmlFrame& frame) {
    assert(model.connector_count <= MAX_CONNECTORS);
    if (model.bead_count <= 0) return true;
    PrincipalAxes axes;
    if (!find_principal_axes(model, axes)) return false;
    const float box_size = enclosing_box_size(axes, model);
    if (box_size == 0.0f || !std::isfinite(box_size)) return false;
    if (!all_scaled_finite(model, axes, box_size)) return false;

    for (int i = 1; i <= model.bead_count; ++i) {
        const std::array<float, 3> turned = turned_centre(axes, model, i);
        frame.framed_x[i] = scaled(turned[0], box_size);
        frame.framed_y[i] = scaled(turned[1], box_size);
        frame.framed_z[i] = scaled(turned[2], box_size);
        frame.framed_radius[i] = scaled(model.bead_radius[i], box_size);
    }
    for (int k = 1; k <= model.connector_count; ++k)
        frame.framed_connector_radius[k] = scaled(model.connector_radius[k], box_size);
    return true;
}

}  // namespace sferonda
