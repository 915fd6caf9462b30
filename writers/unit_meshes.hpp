#pragma once
// The two shapes every glTF scene of a bead model is made of, built once:
// a unit sphere and a unit cylinder, as triangle lists with vertex normals.

#include <cstdint>
#include <vector>

namespace sferonda {

// Vertices as x, y, z triples; triangles counter-clockwise seen from outside.
struct UnitMesh {
    std::vector<float> positions;
    std::vector<float> normals;
    std::vector<std::uint16_t> indices;
};

// Fine enough that a sphere filling a screen of 1000 pixels strays less
// than a pixel from its true outline.
constexpr int MESH_SEGMENTS = 48;
constexpr int SPHERE_RINGS = 24;

// Radius 1 around the origin.
const UnitMesh& unit_sphere();

// Radius 1 around the y axis, from y = 0 to y = 1, closed by flat caps.
const UnitMesh& unit_cylinder();

}  // namespace sferonda
