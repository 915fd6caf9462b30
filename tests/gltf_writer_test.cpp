// The glTF scene of a bead model: the GLB container, the document's inner
// references and its root, the placements worked by hand, the model's
// numbers in the nodes' extras, plain, instanced and merged, the unit meshes
// of every level as closed, outward-facing solids, and the level chosen for a
// model.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <tuple>

#include "tests/support/json_value.hpp"
#include "tests/support/writer_fixture.hpp"
#include "writers/gltf_placement.hpp"
#include "writers/gltf_writer.hpp"
#include "writers/json_text.hpp"
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
    if (!doc.has("buffers")) return;
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
        const std::map<std::string, std::size_t> components{{"VEC3", 3}, {"VEC4", 4}, {"SCALAR", 1}};
        const std::map<double, std::size_t> component_sizes{{5126, 4}, {5125, 4}, {5123, 2}};
        const std::size_t element =
            components.at(accessor["type"].text) * component_sizes.at(accessor["componentType"].number);
        EXPECT_EQ(as_index(accessor["count"]) * element, as_index(view["byteLength"]));
        if (!accessor.has("min")) continue;
        const std::size_t offset = as_index(view["byteOffset"]);
        for (std::size_t axis = 0; axis < 3; ++axis) {
            float low = INFINITY, high = -INFINITY;
            for (std::size_t v = 0; v < as_index(accessor["count"]); ++v) {
                low = std::min(low, float_at(glb.binary, offset + 12 * v + 4 * axis));
                high = std::max(high, float_at(glb.binary, offset + 12 * v + 4 * axis));
            }
            EXPECT_EQ(float(accessor["min"][axis].number), low);
            EXPECT_EQ(float(accessor["max"][axis].number), high);
        }
    }
    for (const JsonValue& mesh : doc["meshes"].items) {
        const JsonValue& primitive = mesh["primitives"][0];
        EXPECT_LT(as_index(primitive["material"]), doc["materials"].size());
        for (const auto& [name, accessor] : primitive["attributes"].members) {
            EXPECT_LT(as_index(accessor), doc["accessors"].size()) << name;
        }
        EXPECT_LT(as_index(primitive["indices"]), doc["accessors"].size());
    }
}

// The scene holds the root alone, the last node, which bears the scene's
// name and holds every other node, each of them drawing a mesh.
void expect_one_root(const JsonValue& doc, std::string_view name) {
    const JsonValue& nodes = doc["nodes"];
    ASSERT_EQ(doc["scenes"][0]["nodes"].size(), 1u);
    const std::size_t root = as_index(doc["scenes"][0]["nodes"][0]);
    ASSERT_EQ(root + 1, nodes.size());
    EXPECT_EQ(doc["scenes"][0]["name"].text, name);
    EXPECT_EQ(nodes[root]["name"].text, name);
    EXPECT_FALSE(nodes[root].has("mesh"));
    const std::size_t children = nodes[root].has("children") ? nodes[root]["children"].size() : 0;
    ASSERT_EQ(children, root);
    for (std::size_t n = 0; n < root; ++n) {
        EXPECT_EQ(as_index(nodes[root]["children"][n]), n);
        EXPECT_LT(as_index(nodes[n]["mesh"]), doc["meshes"].size());
    }
}

std::vector<float> numbers_of(const JsonValue& array) {
    std::vector<float> values;
    for (const JsonValue& item : array.items) values.push_back(float(item.number));
    return values;
}

GltfOptions options(std::string_view scene_name, bool instanced = false, bool merged = false) {
    GltfOptions options;
    options.scene_name = scene_name;
    options.instanced = instanced;
    options.merged = merged;
    return options;
}

class GltfWriter : public WriterTest {
protected:
    GlbParts build(GltfSummary& summary, const GltfOptions& options = {}) {
        GlbParts parts = open_glb(build_glb(*run_, *model_, summary, options));
        expect_consistent(parts);
        expect_one_root(parts.json, options.scene_name);
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
    ASSERT_EQ(nodes.size(), 4u);
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
    EXPECT_EQ(as_index(glb.json["accessors"][0]["count"]), unit_sphere(summary.detail).positions.size() / 3);
}

TEST_F(GltfWriter, EmptyModelIsASceneOfItsRootWithoutBuffer) {
    add_bead(1.0f, 2.0f, 3.0f, -2.0f, 1);
    GltfSummary summary;
    const GlbParts glb = build(summary, options("empty"));
    EXPECT_EQ(summary.omitted_beads, 1);
    EXPECT_EQ(glb.json["nodes"].size(), 1u);
    for (const char* absent : {"meshes", "materials", "accessors", "bufferViews", "buffers"}) {
        EXPECT_FALSE(glb.json.has(absent)) << absent;
    }
    EXPECT_EQ(glb.binary, "");
}

// The floats of one accessor, in order.
std::vector<float> accessor_floats(const GlbParts& glb, std::size_t accessor) {
    const JsonValue& view = glb.json["bufferViews"][as_index(glb.json["accessors"][accessor]["bufferView"])];
    std::vector<float> values;
    for (std::size_t at = 0; at < as_index(view["byteLength"]); at += 4) {
        values.push_back(float_at(glb.binary, as_index(view["byteOffset"]) + at));
    }
    return values;
}

class GltfExtras : public GltfWriter {
protected:
    // Bead 2 and connector 2 are left out; connector 4 stays though bead 2
    // goes. No number equals its node's place, and colors differ.
    void SetUp() override {
        GltfWriter::SetUp();
        add_bead(0, 0, 0, 1.5f, 3);
        add_bead(4, 0, 0, 0, 2);
        add_bead(0, 4, 0, 0.75f, 3);
        add_bead(0, 0, 4, 2, 6);
        add_connector(1, 3, 0.25f, 7);
        add_connector(3, 3, 0.25f, 7);
        add_connector(4, 1, 0.5f, 7);
        add_connector(2, 4, 0.3f, 1);
    }
    // What a node's extras say of bead or connector `number`, checked against the model.
    void expect_from_model(bool bead, std::int32_t number, const JsonValue& beads, double radius, double color) {
        if (bead) {
            EXPECT_EQ(float(radius), model_->bead_radius[number]) << "bead " << number;
            EXPECT_EQ(color, model_->bead_color[number]) << "bead " << number;
            return;
        }
        EXPECT_EQ(numbers_of(beads), (std::vector<float>{float(model_->connector_first[number]),
                                                          float(model_->connector_second[number])}));
        EXPECT_EQ(float(radius), model_->connector_radius[number]) << "connector " << number;
        EXPECT_EQ(color, model_->connector_color[number]) << "connector " << number;
    }
};

const std::vector<std::string> DRAWN = {"bead 1", "bead 3", "bead 4", "connector 1", "connector 3", "connector 4"};

TEST_F(GltfExtras, EachNodeNamesItsBeadOrConnectorWithItsRadiusAndColor) {
    GltfSummary summary;
    const GlbParts glb = build(summary, options("numbered"));
    EXPECT_TRUE(glb.json["asset"].has("extras"));
    EXPECT_FALSE(glb.json.has("extensionsRequired"));
    std::vector<std::string> found;
    const JsonValue& nodes = glb.json["nodes"];
    for (std::size_t n = 0; n + 1 < nodes.size(); ++n) {
        const JsonValue& extras = nodes[n]["extras"];
        const bool bead = extras.has("bead");
        const auto number = std::int32_t(extras[bead ? "bead" : "connector"].number);
        found.push_back((bead ? "bead " : "connector ") + std::to_string(number));
        EXPECT_EQ(nodes[n]["name"].text, found.back());
        expect_from_model(bead, number, bead ? extras : extras["beads"], extras["radius"].number,
                          extras["color"].number);
    }
    EXPECT_EQ(found, DRAWN);
}

// Each instance stands where the plain node of its bead or connector stands.
TEST_F(GltfExtras, InstancedNodesHoldTheSameValuesInInstanceOrder) {
    GltfSummary summary;
    const GlbParts plain = build(summary);
    std::map<std::string, const JsonValue*> plain_nodes;
    for (const JsonValue& node : plain.json["nodes"].items) plain_nodes[node["name"].text] = &node;
    const GlbParts glb = build(summary, options("model", true));
    for (const char* list : {"extensionsUsed", "extensionsRequired"}) {
        ASSERT_EQ(glb.json[list].size(), 1u);
        EXPECT_EQ(glb.json[list][0].text, "EXT_mesh_gpu_instancing");
    }
    std::vector<std::string> found;
    const JsonValue& nodes = glb.json["nodes"];
    for (std::size_t n = 0; n + 1 < nodes.size(); ++n) {
        const JsonValue& extras = nodes[n]["extras"];
        const JsonValue& attributes = nodes[n]["extensions"]["EXT_mesh_gpu_instancing"]["attributes"];
        const bool bead = extras.has("bead");
        const JsonValue& numbers = extras[bead ? "bead" : "connector"];
        const auto translations = accessor_floats(glb, as_index(attributes["TRANSLATION"]));
        const auto scales = accessor_floats(glb, as_index(attributes["SCALE"]));
        const auto rotations = bead ? std::vector<float>{} : accessor_floats(glb, as_index(attributes["ROTATION"]));
        ASSERT_EQ(translations.size(), 3 * numbers.size());
        for (std::size_t j = 0; j < numbers.size(); ++j) {
            const auto number = std::int32_t(numbers[j].number);
            found.push_back((bead ? "bead " : "connector ") + std::to_string(number));
            expect_from_model(bead, number, bead ? extras : extras["beads"][j], extras["radius"][j].number,
                              extras["color"][j].number);
            EXPECT_EQ(extras["color"][j].number, extras["color"][0].number) << "one color a node";
            const JsonValue& alone = *plain_nodes.at(found.back());
            const auto part = [&](const std::vector<float>& values, std::size_t width) {
                return std::vector<float>(values.begin() + long(width * j), values.begin() + long(width * (j + 1)));
            };
            EXPECT_EQ(numbers_of(alone["translation"]), part(translations, 3));
            EXPECT_EQ(numbers_of(alone["scale"]), part(scales, 3));
            if (!bead) {
                EXPECT_EQ(numbers_of(alone["rotation"]), part(rotations, 4));
            }
        }
    }
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, DRAWN);
}

std::uint32_t index_at(const GlbParts& glb, std::size_t accessor, std::size_t i) {
    const JsonValue& view = glb.json["bufferViews"][as_index(glb.json["accessors"][accessor]["bufferView"])];
    return u32_at(glb.binary, as_index(view["byteOffset"]) + 4 * i);
}

// The unit mesh's vertex v scaled, turned (v + 2w (u x v) + 2 u x (u x v))
// and moved as the plain node says.
std::array<double, 3> placed_by(const JsonValue& node, const UnitMesh& unit, std::size_t v) {
    const auto t = numbers_of(node["translation"]), s = numbers_of(node["scale"]);
    const auto q = node.has("rotation") ? numbers_of(node["rotation"]) : std::vector<float>{0, 0, 0, 1};
    const double p[3] = {s[0] * double(unit.positions[3 * v]), s[1] * double(unit.positions[3 * v + 1]),
                         s[2] * double(unit.positions[3 * v + 2])};
    const double c[3] = {q[1] * p[2] - q[2] * p[1], q[2] * p[0] - q[0] * p[2], q[0] * p[1] - q[1] * p[0]};
    const double cc[3] = {q[1] * c[2] - q[2] * c[1], q[2] * c[0] - q[0] * c[2], q[0] * c[1] - q[1] * c[0]};
    std::array<double, 3> world;
    for (int k = 0; k < 3; ++k) world[k] = t[k] + p[k] + 2 * q[3] * c[k] + 2 * cc[k];
    return world;
}

// Each mesh holds, copy after copy in the order of its node's extras, the
// unit mesh where the plain node of that bead or connector puts it, every
// vertex carrying its number, every triangle within one copy, in its color.
TEST_F(GltfExtras, MergedMeshesHoldEachShapeWhereItsPlainNodeStands) {
    GltfSummary summary;
    const GlbParts plain = build(summary);
    std::map<std::string, const JsonValue*> plain_nodes;
    for (const JsonValue& node : plain.json["nodes"].items) plain_nodes[node["name"].text] = &node;
    const GlbParts glb = build(summary, options("model", false, true));
    ASSERT_EQ(glb.json["extensionsUsed"].size(), 1u);
    EXPECT_EQ(glb.json["extensionsUsed"][0].text, "EXT_mesh_features");
    EXPECT_FALSE(glb.json.has("extensionsRequired"));
    const auto material_of = [](const GlbParts& file, const JsonValue& node) {
        const JsonValue& mesh = file.json["meshes"][as_index(node["mesh"])];
        return file.json["materials"][as_index(mesh["primitives"][0]["material"])]["name"].text;
    };
    std::vector<std::string> found;
    const JsonValue& nodes = glb.json["nodes"];
    for (std::size_t n = 0; n + 1 < nodes.size(); ++n) {
        const JsonValue& extras = nodes[n]["extras"];
        const bool bead = extras.has("bead");
        const JsonValue& numbers = extras[bead ? "bead" : "connector"];
        const JsonValue& primitive = glb.json["meshes"][as_index(nodes[n]["mesh"])]["primitives"][0];
        const JsonValue& features = primitive["extensions"]["EXT_mesh_features"]["featureIds"];
        ASSERT_EQ(features.size(), 1u);
        EXPECT_EQ(features[0]["attribute"].number, 0);
        EXPECT_EQ(features[0]["label"].text, bead ? "bead" : "connector");
        EXPECT_EQ(features[0]["featureCount"].number, double(numbers.size()));
        EXPECT_FALSE(primitive["attributes"].has("NORMAL"));
        const UnitMesh& unit = bead ? unit_sphere(summary.detail) : unit_cylinder(summary.detail);
        const std::size_t per_copy = unit.positions.size() / 3;
        const auto positions = accessor_floats(glb, as_index(primitive["attributes"]["POSITION"]));
        const auto ids = accessor_floats(glb, as_index(primitive["attributes"]["_FEATURE_ID_0"]));
        const std::size_t indices = as_index(primitive["indices"]);
        ASSERT_EQ(ids.size(), per_copy * numbers.size());
        ASSERT_EQ(as_index(glb.json["accessors"][indices]["count"]), unit.indices.size() * numbers.size());
        for (std::size_t i = 0; i < unit.indices.size() * numbers.size(); ++i) {
            const std::size_t copy = i / unit.indices.size();
            EXPECT_EQ(index_at(glb, indices, i), copy * per_copy + unit.indices[i % unit.indices.size()]) << i;
        }
        for (std::size_t j = 0; j < numbers.size(); ++j) {
            const auto number = std::int32_t(numbers[j].number);
            found.push_back((bead ? "bead " : "connector ") + std::to_string(number));
            expect_from_model(bead, number, bead ? extras : extras["beads"][j], extras["radius"][j].number,
                              extras["color"][j].number);
            const JsonValue& alone = *plain_nodes.at(found.back());
            EXPECT_EQ(material_of(glb, nodes[n]), material_of(plain, alone)) << found.back();
            for (std::size_t v = 0; v < per_copy; ++v) {
                const std::size_t vertex = j * per_copy + v;
                EXPECT_EQ(ids[vertex], float(number)) << found.back();
                const auto expected = placed_by(alone, unit, v);
                for (int k = 0; k < 3; ++k) {
                    EXPECT_NEAR(positions[3 * vertex + k], expected[k], 1e-6 * (1 + std::abs(expected[k])))
                        << found.back() << ", vertex " << v;
                }
            }
        }
    }
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, DRAWN);
}

TEST(GltfSceneName, IsTheOutputsStemOrTheCoordinatesForStandardOutput) {
    const std::array<std::string_view, 3> names[] = {
        {"scenes/helix.glb", "a.dat", "helix"}, {"helix", "a.dat", "helix"},
        {"dir.d/two.dots.glb", "a.dat", "two.dots"}, {".hidden", "a.dat", ".hidden"},
        {"/dev/stdout", "a.dat", "stdout"}, {"-", "models/chain.dat", "chain"}, {"-", "-", "model"},
        {"sub\\out.glb", "a.dat", "sub\\out"},  // \ is an ordinary character on POSIX
    };
    for (const auto& [output, coordinates, name] : names) {
        EXPECT_EQ(scene_name_for(output, coordinates), name) << output;
    }
}

// Quotes and control characters escaped, valid UTF-8 kept, every other byte U+FFFD.
TEST(GltfSceneName, GoesIntoJsonAsAValidString) {
    const std::array<std::string_view, 2> texts[] = {
        {"plain", R"("plain")"},          {"a\"b\\c", R"("a\"b\\c")"},  {"tab\t", R"("tab\u0009")"},
        {"\xc3\xa9t\xc3\xa9", "\"\xc3\xa9t\xc3\xa9\""}, {"\xff", R"("\ufffd")"}, {"\xc3", R"("\ufffd")"},
        {"\xed\xa0\x80", R"("\ufffd\ufffd\ufffd")"}, {"\xf0\x9f\x99\x82", "\"\xf0\x9f\x99\x82\""},
    };
    for (const auto& [text, quoted] : texts) {
        JsonText json;
        json.string(text);
        EXPECT_EQ(json.text(), quoted);
    }
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

struct LevelShapes {
    std::string_view name;
    std::size_t sphere_triangles, cylinder_triangles;
    double sphere_share, cylinder_share;  // of the true volume, at least
};

// Spheres of s segments and r rings: a fan of s at each pole and r - 2 bands
// of 2s; cylinders of n sides: 2n on the side and n in each cap. The shares:
// a polygon of n sides holds n sin(2 pi / n) / (2 pi) of its circle.
const LevelShapes LEVEL_SHAPES[] = {
    {"low", 2 * 12 + 4 * 24, 4 * 8, 0.80, 0.90},
    {"medium", 2 * 24 + 10 * 48, 4 * 24, 0.97, 0.988},
    {"high", 2 * 48 + 22 * 96, 4 * 48, 0.99, 0.997},
};

TEST(UnitMeshes, EveryLevelHasItsTrianglesAndClosedOutwardFacingShapes) {
    ASSERT_EQ(std::size(LEVEL_SHAPES), MESH_DETAILS.size());
    for (DetailLevel level = 0; level < MESH_DETAILS.size(); ++level) {
        const LevelShapes& expected = LEVEL_SHAPES[level];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(MESH_DETAILS[level].name, expected.name);
        const UnitMesh& sphere = unit_sphere(level);
        EXPECT_EQ(sphere.indices.size(), 3 * expected.sphere_triangles);
        EXPECT_EQ(sphere_triangles(MESH_DETAILS[level]), long(expected.sphere_triangles));
        expect_closed(sphere);
        expect_unit_normals(sphere);
        for (std::size_t v = 0; v < sphere.positions.size(); ++v) EXPECT_EQ(sphere.positions[v], sphere.normals[v]);
        EXPECT_GT(signed_volume(sphere), expected.sphere_share * 4.0 / 3.0 * std::numbers::pi);
        EXPECT_LT(signed_volume(sphere), 4.0 / 3.0 * std::numbers::pi);

        const UnitMesh& cylinder = unit_cylinder(level);
        EXPECT_EQ(cylinder.indices.size(), 3 * expected.cylinder_triangles);
        EXPECT_EQ(cylinder_triangles(MESH_DETAILS[level]), long(expected.cylinder_triangles));
        expect_closed(cylinder);
        expect_unit_normals(cylinder);
        for (std::size_t v = 0; v < cylinder.positions.size(); v += 3) {
            EXPECT_TRUE(cylinder.positions[v + 1] == 0.0f || cylinder.positions[v + 1] == 1.0f);
            EXPECT_LE(std::hypot(cylinder.positions[v], cylinder.positions[v + 2]), 1.0 + 1e-6);
        }
        EXPECT_GT(signed_volume(cylinder), expected.cylinder_share * std::numbers::pi);
        EXPECT_LT(signed_volume(cylinder), std::numbers::pi);
    }
}

// The finest level whose triangles stay within 2000000: high, 2208 a sphere
// and 192 a cylinder; medium, 528 and 96; low, 120 and 32.
TEST(GltfDetail, TheFinestLevelWithinTheBudgetOrTheCoarsest) {
    struct Choice {
        std::int32_t spheres, cylinders;
        std::string_view level;
    };
    const Choice choices[] = {
        {0, 0, "high"},        {905, 0, "high"},          {906, 0, "medium"},   {0, 10416, "high"},
        {0, 10417, "medium"},  {3787, 0, "medium"},       {3788, 0, "low"},     {1000, 15000, "medium"},
        {10000, 25000, "low"},  // a model of full capacity: 2000000 exactly
        {10000, 25001, "low"},  // beyond: the coarsest still
    };
    for (const Choice& choice : choices) {
        EXPECT_EQ(MESH_DETAILS[choose_detail(choice.spheres, choice.cylinders)].name, choice.level)
            << choice.spheres << " spheres, " << choice.cylinders << " cylinders";
    }
}

}  // namespace
}  // namespace sferonda::testing
