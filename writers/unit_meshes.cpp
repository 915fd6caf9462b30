#include "writers/unit_meshes.hpp"

#include <array>
#include <cassert>
#include <cmath>
#include <utility>

#include "writers/mesh_angles.hpp"

namespace sferonda {

namespace {

// Every angle of a mesh is a fraction of a turn that the table of
// mesh_angles.cpp holds: the segments and sides of a turn, and twice the
// rings of the half turn from pole to pole.
constexpr bool angles_in_table() {
    for (const MeshDetail& detail : MESH_DETAILS) {
        if (!has_turn_division(detail.sphere_segments) || !has_turn_division(detail.cylinder_sides) ||
            !has_turn_division(2 * detail.sphere_rings)) {
            return false;
        }
    }
    return true;
}
static_assert(angles_in_table(), "a level of detail cuts at angles that mesh_angles.cpp does not hold");

class MeshBuilder {
public:
    explicit MeshBuilder(int segments) : segments_(segments) {}

    std::uint16_t add_vertex(double x, double y, double z, double normal_x, double normal_y, double normal_z) {
        const auto index = static_cast<std::uint16_t>(mesh_.positions.size() / 3);
        mesh_.positions.insert(mesh_.positions.end(), {float(x), float(y), float(z)});
        mesh_.normals.insert(mesh_.normals.end(), {float(normal_x), float(normal_y), float(normal_z)});
        return index;
    }

    // A ring of `segments` vertices around the y axis at height y; the
    // angle grows from +x towards +z, which seen from outside runs leftwards.
    std::uint16_t add_ring(double radius, double y, bool radial_normals, double normal_y) {
        const std::uint16_t first = next_index();
        for (int segment = 0; segment < segments_; ++segment) {
            const SineCosine angle = turn_fraction(segment, segments_);
            const double c = angle.cosine;
            const double s = angle.sine;
            const double along = radial_normals ? std::sqrt(1.0 - normal_y * normal_y) : 0.0;
            add_vertex(radius * c, y, radius * s, along * c, normal_y, along * s);
        }
        return first;
    }

    void add_triangle(int a, int b, int c) {
        mesh_.indices.insert(mesh_.indices.end(),
                             {std::uint16_t(a), std::uint16_t(b), std::uint16_t(c)});
    }

    // The band between two rings, the upper one first.
    void add_band(int upper, int lower) {
        for (int segment = 0; segment < segments_; ++segment) {
            const int next = (segment + 1) % segments_;
            add_triangle(upper + segment, upper + next, lower + segment);
            add_triangle(upper + next, lower + next, lower + segment);
        }
    }

    // A fan from a pole or cap centre above its ring, or below it.
    void add_fan(int centre, int ring, bool centre_above) {
        for (int segment = 0; segment < segments_; ++segment) {
            const int next = (segment + 1) % segments_;
            if (centre_above) {
                add_triangle(centre, ring + next, ring + segment);
            } else {
                add_triangle(ring + segment, ring + next, centre);
            }
        }
    }

    std::uint16_t next_index() const { return static_cast<std::uint16_t>(mesh_.positions.size() / 3); }
    UnitMesh take() { return std::move(mesh_); }

private:
    int segments_;
    UnitMesh mesh_;
};

UnitMesh build_sphere(const MeshDetail& detail) {
    MeshBuilder builder(detail.sphere_segments);
    // One vertex at each pole: rings of coincident vertices there would make
    // triangles of no area.
    const int north = builder.add_vertex(0.0, 1.0, 0.0, 0.0, 1.0, 0.0);
    int upper = north;
    for (int ring = 1; ring < detail.sphere_rings; ++ring) {
        // The polar angle pi * ring / rings, the same double as 2 pi * ring / (2 rings).
        const SineCosine polar = turn_fraction(ring, 2 * detail.sphere_rings);
        const int lower = builder.add_ring(polar.sine, polar.cosine, true, polar.cosine);
        if (ring == 1) {
            builder.add_fan(north, lower, true);
        } else {
            builder.add_band(upper, lower);
        }
        upper = lower;
    }
    const int south = builder.add_vertex(0.0, -1.0, 0.0, 0.0, -1.0, 0.0);
    builder.add_fan(south, upper, false);
    return builder.take();
}

UnitMesh build_cylinder(const MeshDetail& detail) {
    MeshBuilder builder(detail.cylinder_sides);
    // The caps' vertices are separate from the side's: a cap is flat, so its
    // normals point along the axis, the side's straight out.
    const int side_top = builder.add_ring(1.0, 1.0, true, 0.0);
    const int side_bottom = builder.add_ring(1.0, 0.0, true, 0.0);
    builder.add_band(side_top, side_bottom);
    const int top_centre = builder.add_vertex(0.0, 1.0, 0.0, 0.0, 1.0, 0.0);
    builder.add_fan(top_centre, builder.add_ring(1.0, 1.0, false, 1.0), true);
    const int bottom_centre = builder.add_vertex(0.0, 0.0, 0.0, 0.0, -1.0, 0.0);
    builder.add_fan(bottom_centre, builder.add_ring(1.0, 0.0, false, -1.0), false);
    return builder.take();
}

// Each shape of each level built on first use and kept, constant from
// then on: the language builds a function's static once, whatever runs ask.
template <UnitMesh (*build)(const MeshDetail&), std::size_t level>
const UnitMesh& built_at() {
    static const UnitMesh mesh = build(MESH_DETAILS[level]);
    return mesh;
}

template <UnitMesh (*build)(const MeshDetail&), std::size_t... level>
constexpr std::array<const UnitMesh& (*)(), sizeof...(level)> levels(std::index_sequence<level...>) {
    return {built_at<build, level>...};
}

template <UnitMesh (*build)(const MeshDetail&)>
const UnitMesh& built(DetailLevel level) {
    constexpr auto by_level = levels<build>(std::make_index_sequence<MESH_DETAILS.size()>{});
    assert(level < MESH_DETAILS.size());
    return by_level[level]();
}

}  // namespace

const UnitMesh& unit_sphere(DetailLevel level) { return built<build_sphere>(level); }

const UnitMesh& unit_cylinder(DetailLevel level) { return built<build_cylinder>(level); }

}  // namespace sferonda
