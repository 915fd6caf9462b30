#pragma once
// The two shapes every glTF scene of a bead model is made of, built once per
// level of detail: a unit sphere and a unit cylinder, as triangle lists with
// vertex normals.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace sferonda {

// Vertices as x, y, z triples; triangles counter-clockwise seen from outside.
struct UnitMesh {
    std::vector<float> positions;
    std::vector<float> normals;
    std::vector<std::uint16_t> indices;
};

// How finely the shapes are cut: the sphere into segments around its axis
// and rings from pole to pole, the cylinder into sides.
struct MeshDetail {
    std::string_view name;
    int sphere_segments;
    int sphere_rings;
    int cylinder_sides;
};

// Coarsest first. High strays less than a pixel from the true outline of a
// sphere filling a screen of 1000 pixels; low is what lets a model of full
// capacity (10000 beads, 25000 connectors) stay within the triangle budget.
inline constexpr std::array<MeshDetail, 3> MESH_DETAILS{{
    {"low", 12, 6, 8},
    {"medium", 24, 12, 24},
    {"high", 48, 24, 48},
}};

inline constexpr std::array<std::string_view, MESH_DETAILS.size()> MESH_DETAIL_NAMES = [] {
    std::array<std::string_view, MESH_DETAILS.size()> names{};
    for (std::size_t level = 0; level < names.size(); ++level) names[level] = MESH_DETAILS[level].name;
    return names;
}();

// A fan of triangles at each pole and a band of two per segment between rings.
constexpr long sphere_triangles(const MeshDetail& detail) {
    return 2L * detail.sphere_segments * (detail.sphere_rings - 1);
}

// Two per side, and a fan for each cap.
constexpr long cylinder_triangles(const MeshDetail& detail) { return 4L * detail.cylinder_sides; }

// An index into MESH_DETAILS.
using DetailLevel = std::size_t;

// Radius 1 around the origin.
const UnitMesh& unit_sphere(DetailLevel level);

// Radius 1 around the y axis, from y = 0 to y = 1, closed by flat caps.
const UnitMesh& unit_cylinder(DetailLevel level);

}  // namespace sferonda
