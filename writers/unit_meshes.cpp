#include "writers/unit_meshes.hpp"

#include <cmath>
#include <numbers>

namespace sferonda {

namespace {

double segment_angle(int segment) { return 2.0 * std::numbers::pi * segment / MESH_SEGMENTS; }

class MeshBuilder {
public:
    std::uint16_t add_vertex(double x, double y, double z, double normal_x, double normal_y, double normal_z) {
        const auto index = static_cast<std::uint16_t>(mesh_.positions.size() / 3);
        mesh_.positions.insert(mesh_.positions.end(), {float(x), float(y), float(z)});
        mesh_.normals.insert(mesh_.normals.end(), {float(normal_x), float(normal_y), float(normal_z)});
        return index;
    }

    // A ring of MESH_SEGMENTS vertices around the y axis at height y; the
    // angle grows from +x towards +z, which seen from outside runs leftwards.
    std::uint16_t add_ring(double radius, double y, bool radial_normals, double normal_y) {
        const std::uint16_t first = next_index();
        for (int segment = 0; segment < MESH_SEGMENTS; ++segment) {
            const double c = std::cos(segment_angle(segment));
            const double s = std::sin(segment_angle(segment));
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
        for (int segment = 0; segment < MESH_SEGMENTS; ++segment) {
            const int next = (segment + 1) % MESH_SEGMENTS;
            add_triangle(upper + segment, upper + next, lower + segment);
            add_triangle(upper + next, lower + next, lower + segment);
        }
    }

    // A fan from a pole or cap centre above its ring, or below it.
    void add_fan(int centre, int ring, bool centre_above) {
        for (int segment = 0; segment < MESH_SEGMENTS; ++segment) {
            const int next = (segment + 1) % MESH_SEGMENTS;
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
    UnitMesh mesh_;
};

UnitMesh build_sphere() {
    MeshBuilder builder;
    // One vertex at each pole: rings of coincident vertices there would make
    // triangles of no area.
    const int north = builder.add_vertex(0.0, 1.0, 0.0, 0.0, 1.0, 0.0);
    int upper = north;
    for (int ring = 1; ring < SPHERE_RINGS; ++ring) {
        const double polar = std::numbers::pi * ring / SPHERE_RINGS;
        const int lower = builder.add_ring(std::sin(polar), std::cos(polar), true, std::cos(polar));
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

UnitMesh build_cylinder() {
    MeshBuilder builder;
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

}  // namespace

const UnitMesh& unit_sphere() {
    static const UnitMesh sphere = build_sphere();
    return sphere;
}

const UnitMesh& unit_cylinder() {
    static const UnitMesh cylinder = build_cylinder();
    return cylinder;
}

}  // namespace sferonda
