#include "geometry/principal_axes.hpp"

#include <cassert>
#include <cmath>

#include "geometry/eigsym.hpp"

namespace sferonda {
namespace {

bool all_finite(const float* values, int count) {
    for (int k = 0; k < count; ++k)
        if (!std::isfinite(values[k])) return false;
    return true;
}

// The radius-weighted mean of the bead centres. A non-finite coordinate
// makes the centre non-finite, whatever its weight.
bool find_weighted_centre(const BeadModel& model, std::array<float, 3>& centre) {
    double weight = 0.0, sum_x = 0.0, sum_y = 0.0, sum_z = 0.0;
    for (int i = 1; i <= model.bead_count; ++i) {
        const double w = model.bead_radius[i];
        weight += w;
        sum_x += model.bead_x[i] * w;
        sum_y += model.bead_y[i] * w;
        sum_z += model.bead_z[i] * w;
    }
    if (weight == 0.0) return false;
    centre = {static_cast<float>(sum_x / weight), static_cast<float>(sum_y / weight),
              static_cast<float>(sum_z / weight)};
    return all_finite(centre.data(), 3);
}

// The radius-weighted second moments about the centre, not divided by the
// total weight; column-major 3 x 3, both triangles filled.
bool find_second_moments(const BeadModel& model, const std::array<float, 3>& centre,
                         std::array<float, 9>& moments) {
    double xx = 0.0, xy = 0.0, xz = 0.0, yy = 0.0, yz = 0.0, zz = 0.0;
    for (int i = 1; i <= model.bead_count; ++i) {
        const double dx = double(model.bead_x[i]) - centre[0];
        const double dy = double(model.bead_y[i]) - centre[1];
        const double dz = double(model.bead_z[i]) - centre[2];
        const double w = model.bead_radius[i];
        xx += dx * dx * w;
        xy += dx * dy * w;
        xz += dx * dz * w;
        yy += dy * dy * w;
        yz += dy * dz * w;
        zz += dz * dz * w;
    }
    const float m11 = static_cast<float>(xx), m12 = static_cast<float>(xy),
                m13 = static_cast<float>(xz), m22 = static_cast<float>(yy),
                m23 = static_cast<float>(yz), m33 = static_cast<float>(zz);
    moments = {m11, m12, m13, m12, m22, m23, m13, m23, m33};
    return all_finite(moments.data(), 9);
}

}  // namespace

bool find_principal_axes(const BeadModel& model, PrincipalAxes& frame) {
    assert(model.bead_count <= MAX_BEADS);
    std::array<float, 9> moments;
    if (!find_weighted_centre(model, frame.centre)) return false;
    if (!find_second_moments(model, frame.centre, moments)) return false;
    std::array<float, 3> spreads;
    EIGSYM(moments.data(), 3, 3, spreads.data(), frame.axes.data());
    return true;
}

std::array<float, 3> turned_centre(const PrincipalAxes& frame, const BeadModel& model, int bead) {
    const double dx = double(model.bead_x[bead]) - frame.centre[0];
    const double dy = double(model.bead_y[bead]) - frame.centre[1];
    const double dz = double(model.bead_z[bead]) - frame.centre[2];
    const auto& axes = frame.axes;
    std::array<float, 3> turned;
    for (int j = 0; j < 3; ++j)
        turned[j] = static_cast<float>(axes[j] * dx + axes[3 + j] * dy + axes[6 + j] * dz);
    return turned;
}

float enclosing_box_size(const PrincipalAxes& frame, const BeadModel& model) {
    assert(model.bead_count >= 1);
    std::array<float, 3> low = turned_centre(frame, model, 1);
    std::array<float, 3> high = low;
    for (int i = 1; i <= model.bead_count; ++i) {
        const std::array<float, 3> centre = turned_centre(frame, model, i);
        const double radius = model.bead_radius[i];
        for (int p = 0; p < 3; ++p) {
            if (centre[p] - radius < low[p]) low[p] = static_cast<float>(centre[p] - radius);
            if (centre[p] + radius > high[p]) high[p] = static_cast<float>(centre[p] + radius);
        }
    }
    float size = static_cast<float>(double(high[0]) - low[0]);
    for (int p = 1; p < 3; ++p)
        if (double(high[p]) - low[p] > size) size = static_cast<float>(double(high[p]) - low[p]);
    return size;
}

}  // namespace sferonda
