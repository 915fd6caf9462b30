// The glTF scene of a bead model: the GLB container, the document's inner
// references, the placements worked by hand, and the two unit meshes as
// closed, outward-facing solids.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <tuple>

#include "tests/support/json_value.hpp"
#include "tests/support/writer_fixture.hpp"
#include "writers/gltf_placement.hpp"
#include "writers/gltf_writer.hpp"
#include "writers/unit_meshes.hpp"

namespace sferonda::testing {
namespace {

std::uint32_t u32_at(const std::string& bytes, std::size_t at) {
    return std::uint32_t(std::uint8_t(bytes[at])) | std::uint32_t(std::uint8_t(bytes[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(bytes[at + 2])) << 16 | std::uint32_t(std::uint8_t(bytes[at + 3])) << 24;
}

float float_at(const std::string& bytes, std::size_t at) {
    const std::uint32_t bits = u32_at(bytes, at);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

struct GlbParts {
    JsonValue json;
    std::string binary;
};

// Takes the container apart, checking every length and padding on the way.
GlbParts open_glb(const std::string& glb) {
    GlbParts parts;
    EXPECT_GE(glb.size(), 20u);
    if (glb.size() < 20) return parts;
    EXPECT_EQ(glb.substr(0, 4), "glTF");
    EXPECT_EQ(u32_at(glb, 4), 2u);
    EXPECT_EQ(u32_at(glb, 8), glb.size());
    const std::size_t json_length = u32_at(glb, 12);
    EXPECT_EQ(glb.substr(16, 4), "JSON");
    EXPECT_EQ(json_length % 4, 0u);
    EXPECT_LE(20 + json_length, glb.size());
    const std::string json = glb.substr(20, json_length);
    parts.json = parse_json(json);  // blanks padding the chunk are JSON blanks
    std::size_t end = 20 + json_length;
    if (end < glb.size()) {
        const std::size_t binary_length = u32_at(glb, end);
        EXPECT_EQ(glb.substr(end + 4, 4), std::string("BIN\0", 4));
        EXPECT_EQ(binary_length % 4, 0u);
        parts.binary = glb.substr(end + 8, binary_length);
        end += 8 + binary_length;
    }
    EXPECT_EQ(end, glb.size()) << "chunks must fill the file exactly";
    return parts;
}

std::size_t as_index(const JsonValue& value) { return static_cast<std::size_t>(value.number); }

// Every index in the document points at something that exists, each view
// lies inside the buffer on a 4-byte boundary, each accessor fills its view,
// and the POSITION bounds are exactly those of the data.
void expect_consistent(const GlbParts& glb) {
    const JsonValue& doc = glb.json;
    EXPECT_EQ(doc["asset"]["version"].text, "2.0");
    if (!doc.has("nodes")) return;
    const JsonValue& views = doc["bufferViews"];
    ASSERT_EQ(doc["buffers"].size(), 1u);
    const std::size_t buffer_length = as_index(doc["buffers"][0]["byteLength"]);
    EXPECT_LE(buffer_length, glb.binary.size());
    EXPECT_GT(buffer_length + 4, glb.binary.size());
    for (const JsonValue& view : views.items) {
        EXPECT_EQ(as_index(view["byteOffset"]) % 4, 0u);
        EXPECT_LE(as_index(view["byteOffset"]) + as_index(view["byteLength"]), buffer_length);
    }
    for (const JsonValue& accessor : doc["accessors"].items) {
        const JsonValue& view = views[as_index(accessor["bufferView"])];
        const bool floats = accessor["componentType"].number == 5126;
        const std::size_t element = floats ? 12 : 2;
        EXPECT_EQ(as_index(accessor["count"]) * element, as_index(view["byteLength"]));
        if (!accessor.has("min")) continue;
        const std::size_t offset = as_index(view["byteOffset"]);
        for (std::size_t axis = 0; axis < 3; ++axis) {
            float low = INFINITY, high = -INFINITY;
            for (std::size_t v = 0; v < as_index(accessor["count"]); ++v) {
                low = std::min(low, float_at(glb.binary, offset + 12 * v + 4 * axis));
                high = std::max(high, float_at(glb.binary, offset + 12 * v + 4 * axis));
            }
            EXPECT_EQ(accessor["min"][axis].number, double(low));
            EXPECT_EQ(accessor["max"][axis].number, double(high));
        }
    }
    for (const JsonValue& mesh : doc["meshes"].items) {
        const JsonValue& primitive = mesh["primitives"][0];
        EXPECT_LT(as_index(primitive["material"]), doc["materials"].size());
        for (const char* accessor : {"POSITION", "NORMAL"}) {
            EXPECT_LT(as_index(primitive["attributes"][accessor]), doc["accessors"].size());
        }
        EXPECT_LT(as_index(primitive["indices"]), doc["accessors"].size());
    }
    const JsonValue& listed = doc["scenes"][0]["nodes"];
    ASSERT_EQ(listed.size(), doc["nodes"].size());
    for (std::size_t n = 0; n < listed.size(); ++n) {
        EXPECT_EQ(as_index(listed[n]), n);
        EXPECT_LT(as_index(doc["nodes"][n]["mesh"]), doc["meshes"].size());
    }
}

std::vector<float> numbers_of(const JsonValue& array) {
    std::vector<float> values;
    for (const JsonValue& item : array.items) values.push_back(float(item.number));
    return values;
}

class GltfWriter : public WriterTest {
protected:
    GlbParts build(GltfSummary& summary) {
        GlbParts parts = open_glb(build_glb(*model_, summary));
        expect_consistent(parts);
        return parts;
    }
};

const float HALF_ROOT_2 = float(std::sqrt(0.5));

TEST_F(GltfWriter, TwoBeadsAndTheirConnectorAsWorkedByHand) {
    add_bead(0.0f, 0.0f, 0.0f, 1.0f, 2);
    add_bead(4.0f, 0.0f, 0.0f, 1.0f, 2);
    add_connector(1, 2, 0.5f, 2);
    GltfSummary summary;
    const GlbParts glb = build(summary);
    EXPECT_EQ(std::tie(summary.spheres, summary.cylinders, summary.omitted_beads, summary.omitted_connectors),
              std::make_tuple(2, 1, 0, 0));
    const JsonValue& nodes = glb.json["nodes"];
    ASSERT_EQ(nodes.size(), 3u);
    EXPECT_EQ(nodes[1]["name"].text, "bead 2");
    EXPECT_EQ(numbers_of(nodes[1]["translation"]), (std::vector<float>{4, 0, 0}));
    EXPECT_EQ(numbers_of(nodes[1]["scale"]), (std::vector<float>{1, 1, 1}));
    EXPECT_FALSE(nodes[1].has("rotation"));
    // +y turned a quarter about -z points along +x.
    EXPECT_EQ(nodes[2]["name"].text, "connector 1");
    EXPECT_EQ(numbers_of(nodes[2]["translation"]), (std::vector<float>{0, 0, 0}));
    EXPECT_EQ(numbers_of(nodes[2]["rotation"]), (std::vector<float>{0, 0, -HALF_ROOT_2, HALF_ROOT_2}));
    EXPECT_EQ(numbers_of(nodes[2]["scale"]), (std::vector<float>{0.5f, 4, 0.5f}));
    // One color: one material, a sphere mesh and a cylinder mesh.
    ASSERT_EQ(glb.json["materials"].size(), 1u);
    const JsonValue& red = glb.json["materials"][0];
    EXPECT_EQ(red["name"].text, "red");
    EXPECT_EQ(numbers_of(red["pbrMetallicRoughness"]["baseColorFactor"]), (std::vector<float>{1, 0, 0, 1}));
    EXPECT_EQ(red["pbrMetallicRoughness"]["metallicFactor"].number, 0.0);
    EXPECT_EQ(glb.json["meshes"].size(), 2u);
    EXPECT_EQ(glb.json["meshes"][as_index(nodes[0]["mesh"])]["name"].text, "sphere red");
    EXPECT_EQ(glb.json["meshes"][as_index(nodes[2]["mesh"])]["name"].text, "cylinder red");
}

TEST_F(GltfWriter, OnlyTheColorsAndShapesInUseAreDescribed) {
    add_bead(0.0f, 0.0f, 0.0f, 1.0f, 5);
    add_bead(0.0f, 3.0f, 0.0f, 1.0f, 2);
    add_bead(0.0f, 6.0f, 0.0f, 0.0f, 4);  // omitted: its blue is not needed
    add_connector(1, 2, 0.2f, 7);
    add_connector(2, 3, 0.2f, 3);
    add_connector(1, 1, 0.2f, 6);  // omitted: no length
    GltfSummary summary;
    const GlbParts glb = build(summary);
    EXPECT_EQ(std::tie(summary.spheres, summary.cylinders, summary.omitted_beads, summary.omitted_connectors),
              std::make_tuple(2, 2, 1, 1));
    std::vector<std::string> materials, meshes;
    for (const JsonValue& material : glb.json["materials"].items) materials.push_back(material["name"].text);
    for (const JsonValue& mesh : glb.json["meshes"].items) meshes.push_back(mesh["name"].text);
    EXPECT_EQ(materials, (std::vector<std::string>{"red", "yellow", "green", "cyan"}));
    EXPECT_EQ(meshes, (std::vector<std::string>{"sphere red", "sphere green", "cylinder yellow", "cylinder cyan"}));
    const JsonValue& cyan_mesh = glb.json["meshes"][as_index(glb.json["nodes"][2]["mesh"])];
    EXPECT_EQ(cyan_mesh["name"].text, "cylinder cyan");
    EXPECT_EQ(glb.json["materials"][as_index(cyan_mesh["primitives"][0]["material"])]["name"].text, "cyan");
}

TEST_F(GltfWriter, ModelWithoutConnectorsCarriesNoCylinder) {
    add_bead(1.0f, 2.0f, 3.0f, 2.0f, 1);
    GltfSummary summary;
    const GlbParts glb = build(summary);
    EXPECT_EQ(glb.json["meshes"].size(), 1u);
    EXPECT_EQ(glb.json["accessors"].size(), 3u);
    EXPECT_EQ(as_index(glb.json["accessors"][0]["count"]), unit_sphere().positions.size() / 3);
}

TEST_F(GltfWriter, EmptyModelIsASceneWithoutNodesOrBuffer) {
    add_bead(1.0f, 2.0f, 3.0f, -2.0f, 1);
    GltfSummary summary;
    const GlbParts glb = build(summary);
    EXPECT_EQ(summary.omitted_beads, 1);
    EXPECT_EQ(glb.json["scenes"][0].size(), 0u);
    for (const char* absent : {"nodes", "meshes", "materials", "accessors", "bufferViews", "buffers"}) {
        EXPECT_FALSE(glb.json.has(absent)) << absent;
    }
    EXPECT_EQ(glb.binary, "");
}

struct Turn {
    std::array<float, 3> to;
    std::array<float, 4> rotation;
    float length;
};

TEST_F(GltfWriter, ConnectorPlacementsWorkedByHand) {
    // From (1, 1, 1): the quaternion turning +y onto the direction, and the length.
    const Turn turns[] = {
        {{1, 3, 1}, {0, 0, 0, 1}, 2},                              // straight up: no turn
        {{1, -1, 1}, {1, 0, 0, 0}, 2},                             // straight down: half a turn about x
        {{1, 1, 4}, {HALF_ROOT_2, 0, 0, HALF_ROOT_2}, 3},          // +z: a quarter about x
        {{-2, 1, 1}, {0, 0, HALF_ROOT_2, HALF_ROOT_2}, 3},         // -x: a quarter about z
        {{4, 5, 1}, {0, 0, float(-0.6 / std::sqrt(3.6)), float(1.8 / std::sqrt(3.6))}, 5},  // (3, 4, 0)
    };
    for (const Turn& turn : turns) {
        clear_model();
        add_bead(1, 1, 1, 1, 1);
        add_bead(turn.to[0], turn.to[1], turn.to[2], 1, 1);
        add_connector(1, 2, 0.25f, 1);
        const auto placement = place_connector(*model_, 1);
        ASSERT_TRUE(placement);
        EXPECT_EQ(placement->translation, (std::array<float, 3>{1, 1, 1}));
        for (int q = 0; q < 4; ++q) EXPECT_FLOAT_EQ(placement->rotation[q], turn.rotation[q]) << q;
        EXPECT_EQ(placement->scale, (std::array<float, 3>{0.25f, turn.length, 0.25f}));
    }
}

// The quaternion (x, y, z, w) applied to +y.
std::array<double, 3> turned_y(const std::array<float, 4>& q) {
    const double x = q[0], y = q[1], z = q[2], w = q[3];
    return {2 * (x * y - w * z), 1 - 2 * (x * x + z * z), 2 * (y * z + w * x)};
}

TEST_F(GltfWriter, EveryConnectorPointsFromItsFirstBeadToItsSecond) {
    const std::array<float, 3> directions[] = {
        {0.3f, -0.4f, 1.2f}, {-5, -0.01f, 2}, {1e-6f, -1, 0}, {0, -1, 1e-7f}, {-1e-3f, -1, -1e-3f},
        {7, 7, 7},           {0, 1e-5f, 0},  {3e30f, 1, -2}, {-2, 3, -4},
    };
    for (const auto& d : directions) {
        clear_model();
        add_bead(10, 20, 30, 1, 1);
        add_bead(10 + d[0], 20 + d[1], 30 + d[2], 1, 1);
        add_connector(1, 2, 1, 1);
        const auto placement = place_connector(*model_, 1);
        ASSERT_TRUE(placement);
        const auto& q = placement->rotation;
        EXPECT_NEAR(std::sqrt(double(q[0]) * q[0] + double(q[1]) * q[1] + double(q[2]) * q[2] + double(q[3]) * q[3]),
                    1.0, 1e-6);
        // The bead centres as floats hold the direction the connector must take.
        const double dx = double(model_->bead_x[2]) - 10, dy = double(model_->bead_y[2]) - 20,
                     dz = double(model_->bead_z[2]) - 30;
        const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
        const auto axis = turned_y(q);
        EXPECT_NEAR(axis[0], dx / length, 1e-6);
        EXPECT_NEAR(axis[1], dy / length, 1e-6);
        EXPECT_NEAR(axis[2], dz / length, 1e-6);
        EXPECT_FLOAT_EQ(placement->scale[1], float(length));
    }
}

TEST_F(GltfWriter, BeadsWithoutSizeAndConnectorsWithoutLengthOrRadiusHaveNoPlace) {
    add_bead(1, 2, 3, 0.5f, 1);
    add_bead(1, 2, 3, 0.0f, 1);
    add_bead(1, 2, 3, -0.5f, 1);
    add_bead(1, 2, 3, NAN, 1);
    add_bead(NAN, 2, 3, 1, 1);
    add_connector(1, 2, 1, 1);  // ends on one centre
    add_connector(1, 5, 1, 1);  // a centre that is NaN never counts as coinciding
    add_connector(1, 1, 1, 1);
    add_connector(1, 5, 0, 1);
    const auto bead = place_bead(*model_, 1);
    ASSERT_TRUE(bead);
    EXPECT_EQ(bead->translation, (std::array<float, 3>{1, 2, 3}));
    EXPECT_EQ(bead->scale, (std::array<float, 3>{0.5f, 0.5f, 0.5f}));
    for (std::int32_t i : {2, 3, 4}) EXPECT_FALSE(place_bead(*model_, i)) << "bead " << i;
    for (std::int32_t k : {1, 3, 4}) EXPECT_FALSE(place_connector(*model_, k)) << "connector " << k;
    EXPECT_TRUE(place_bead(*model_, 5) && !is_finite(*place_bead(*model_, 5)));
    EXPECT_TRUE(place_connector(*model_, 2) && !is_finite(*place_connector(*model_, 2)));
}

// A closed surface: every edge, taken between vertex positions, is run once
// in each direction by the triangles on its two sides.
void expect_closed(const UnitMesh& mesh) {
    using Point = std::array<float, 3>;
    auto point = [&](std::uint16_t v) {
        return Point{mesh.positions[3 * v], mesh.positions[3 * v + 1], mesh.positions[3 * v + 2]};
    };
    std::map<std::pair<Point, Point>, int> edges;
    for (std::size_t t = 0; t < mesh.indices.size(); t += 3) {
        for (int e = 0; e < 3; ++e) {
            ++edges[{point(mesh.indices[t + e]), point(mesh.indices[t + (e + 1) % 3])}];
        }
    }
    for (const auto& [edge, count] : edges) {
        EXPECT_EQ(count, 1) << "an edge run twice the same way";
        EXPECT_EQ(edges.count({edge.second, edge.first}), 1u) << "an open edge";
    }
}

// The volume enclosed, by the divergence theorem: positive only when the
// triangles turn counter-clockwise seen from outside.
double signed_volume(const UnitMesh& mesh) {
    double volume = 0.0;
    for (std::size_t t = 0; t < mesh.indices.size(); t += 3) {
        const float* a = &mesh.positions[3 * mesh.indices[t]];
        const float* b = &mesh.positions[3 * mesh.indices[t + 1]];
        const float* c = &mesh.positions[3 * mesh.indices[t + 2]];
        volume += (double(a[0]) * (double(b[1]) * c[2] - double(b[2]) * c[1]) -
                   double(a[1]) * (double(b[0]) * c[2] - double(b[2]) * c[0]) +
                   double(a[2]) * (double(b[0]) * c[1] - double(b[1]) * c[0])) / 6.0;
    }
    return volume;
}

void expect_unit_normals(const UnitMesh& mesh) {
    ASSERT_EQ(mesh.normals.size(), mesh.positions.size());
    for (std::size_t v = 0; v < mesh.normals.size(); v += 3) {
        const double n = std::hypot(mesh.normals[v], mesh.normals[v + 1], mesh.normals[v + 2]);
        EXPECT_NEAR(n, 1.0, 1e-6);
    }
    for (std::uint16_t index : mesh.indices) EXPECT_LT(index, mesh.positions.size() / 3);
}

TEST(UnitMeshes, SphereIsClosedFacesOutwardAndHasItsOwnPositionsAsNormals) {
    const UnitMesh& sphere = unit_sphere();
    // Two poles and 23 rings of 48; a fan of 48 at each pole and 22 bands of 96.
    EXPECT_EQ(sphere.positions.size(), 3u * (2 + 23 * 48));
    EXPECT_EQ(sphere.indices.size(), 3u * (2 * 48 + 22 * 96));
    expect_closed(sphere);
    expect_unit_normals(sphere);
    for (std::size_t v = 0; v < sphere.positions.size(); ++v) EXPECT_EQ(sphere.positions[v], sphere.normals[v]);
    // An inscribed polyhedron of this many faces holds more than 99% of the ball.
    EXPECT_GT(signed_volume(sphere), 0.99 * 4.0 / 3.0 * std::numbers::pi);
    EXPECT_LT(signed_volume(sphere), 4.0 / 3.0 * std::numbers::pi);
}

TEST(UnitMeshes, CylinderIsClosedFacesOutwardAndStandsOnTheOrigin) {
    const UnitMesh& cylinder = unit_cylinder();
    // Side rings of 48 at both ends, and each cap its own centre and ring.
    EXPECT_EQ(cylinder.positions.size(), 3u * (4 * 48 + 2));
    EXPECT_EQ(cylinder.indices.size(), 3u * (2 * 48 + 2 * 48));
    expect_closed(cylinder);
    expect_unit_normals(cylinder);
    for (std::size_t v = 0; v < cylinder.positions.size(); v += 3) {
        EXPECT_TRUE(cylinder.positions[v + 1] == 0.0f || cylinder.positions[v + 1] == 1.0f);
        EXPECT_LE(std::hypot(cylinder.positions[v], cylinder.positions[v + 2]), 1.0 + 1e-6);
    }
    EXPECT_GT(signed_volume(cylinder), 0.99 * std::numbers::pi);
    EXPECT_LT(signed_volume(cylinder), std::numbers::pi);
}

}  // namespace
}  // namespace sferonda::testing
