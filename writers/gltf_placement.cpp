#include "writers/gltf_placement.hpp"

#include <cmath>

namespace sferonda {

namespace {

// The shortest turn of +y onto the unit vector u: half the angle between
// them about the axis y × u = (uz, 0, -ux). Its quaternion is
// (uz, 0, -ux, 1 + uy) scaled to length 1; only u = -y leaves all four zero,
// and any level axis turns +y onto -y.
std::array<float, 4> turn_from_y(double ux, double uy, double uz) {
    const double w = 1.0 + uy;
    const double norm = std::sqrt(uz * uz + ux * ux + w * w);
    if (norm == 0.0) return {1.0f, 0.0f, 0.0f, 0.0f};
    return {float(uz / norm), 0.0f, float(-ux / norm), float(w / norm)};
}

}  // namespace

std::optional<NodePlacement> place_bead(const BeadModel& model, std::int32_t i) {
    const float radius = model.bead_radius[i];
    if (!(radius > 0.0f)) return std::nullopt;
    NodePlacement placement;
    placement.translation = {model.bead_x[i], model.bead_y[i], model.bead_z[i]};
    placement.scale = {radius, radius, radius};
    return placement;
}

std::optional<NodePlacement> place_connector(const BeadModel& model, std::int32_t k) {
    const float radius = model.connector_radius[k];
    if (!(radius > 0.0f)) return std::nullopt;
    const std::int32_t first = model.connector_first[k];
    const std::int32_t second = model.connector_second[k];
    // Differences taken in double: exact unless the two floats lie more than 29
    // binary orders apart (then the larger one, rounded once), and their
    // squares cannot overflow there.
    const double dx = double(model.bead_x[second]) - double(model.bead_x[first]);
    const double dy = double(model.bead_y[second]) - double(model.bead_y[first]);
    const double dz = double(model.bead_z[second]) - double(model.bead_z[first]);
    const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
    if (length == 0.0) return std::nullopt;

    NodePlacement placement;
    placement.translation = {model.bead_x[first], model.bead_y[first], model.bead_z[first]};
    placement.rotation = turn_from_y(dx / length, dy / length, dz / length);
    placement.scale = {radius, float(length), radius};
    return placement;
}

bool is_finite(const NodePlacement& placement) {
    for (float value : placement.translation) {
        if (!std::isfinite(value)) return false;
    }
    for (float value : placement.rotation) {
        if (!std::isfinite(value)) return false;
    }
    for (float value : placement.scale) {
        if (!std::isfinite(value)) return false;
    }
    return true;
}

}  // namespace sferonda
