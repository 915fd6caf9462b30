#include "writers/gltf_writer.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <concepts>
#include <span>
#include <string_view>

#include "records/record_write.hpp"
#include "records/run_end.hpp"
#include "records/shortest_digits.hpp"
#include "records/units.hpp"
#include "writers/glb_container.hpp"
#include "writers/gltf_placement.hpp"
#include "writers/model_checks.hpp"
#include "writers/unit_meshes.hpp"
#include "writers/vrml_colors.hpp"

namespace sferonda {

namespace {

constexpr int FLOAT_COMPONENT = 5126;
constexpr int UNSIGNED_SHORT_COMPONENT = 5123;
constexpr int ARRAY_BUFFER = 34962;
constexpr int ELEMENT_ARRAY_BUFFER = 34963;
// Metal-free, half rough: the matte look of the VRML world's plain
// diffuse materials, with a soft highlight.
constexpr std::string_view MATERIAL_ROUGHNESS = "0.5";

constexpr int NO_INDEX = -1;
using PerColor = std::array<int, VRML_COLOR_COUNT + 1>;

// What tells the node of a bead from that of a connector.
struct NodeKind {
    std::string_view name_prefix;
    std::string_view refusal;  // the console message's start
    bool turned;               // whether the node carries a rotation
};
constexpr NodeKind BEAD_NODE{"bead ", "ERROR: Bead", false};
constexpr NodeKind CONNECTOR_NODE{"connector ", "ERROR: Connector", true};

// A JSON text built in one string: numbers go in shortest form, to_chars's
// text, so that each float reads back as itself.
class JsonText {
public:
    void append(std::string_view text) { text_.append(text); }
    void number(float value) {
        char digits[SHORTEST_BUFFER_SIZE];
        text_.append(digits, write_shortest(digits, value));
    }
    template <std::integral Integer>
    void number(Integer value) {
        char digits[32];
        text_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    }
    template <std::size_t N>
    void numbers(const std::array<float, N>& values) { numbers(std::span<const float>(values)); }
    void numbers(std::span<const float> values) {
        text_ += '[';
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (i > 0) text_ += ',';
            number(values[i]);
        }
        text_ += ']';
    }
    // Opens an array or object member after the first with a comma.
    void separate(bool first) {
        if (!first) text_ += ',';
    }
    void reserve(std::size_t size) { text_.reserve(size); }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// Which colors each shape is drawn in, and the index of each material and mesh.
struct SceneParts {
    PerColor material = filled(NO_INDEX);
    PerColor sphere_mesh = filled(NO_INDEX);
    PerColor cylinder_mesh = filled(NO_INDEX);
    int material_count = 0;
    int mesh_count = 0;

    static PerColor filled(int value) {
        PerColor table;
        table.fill(value);
        return table;
    }
};

// The node records and the tally of what was drawn and what omitted.
class NodeWriter {
public:
    NodeWriter(const BeadModel& model, JsonText& json, GltfSummary& summary)
        : model_(model), json_(json), summary_(summary) {}

    // Pass one: which colors each shape needs, and what is drawn and what
    // omitted. Pass two: the nodes themselves.
    void take_stock(SceneParts& parts) const {
        PerColor sphere_used{}, cylinder_used{};
        for (std::int32_t i = 1; i <= model_.bead_count; ++i) {
            if (!place_bead(model_, i)) {
                ++summary_.omitted_beads;
                continue;
            }
            sphere_used[model_.bead_color[i]] = 1;
            ++summary_.spheres;
        }
        for (std::int32_t k = 1; k <= model_.connector_count; ++k) {
            if (!place_connector(model_, k)) {
                ++summary_.omitted_connectors;
                continue;
            }
            cylinder_used[model_.connector_color[k]] = 1;
            ++summary_.cylinders;
        }
        for (int color = 1; color <= VRML_COLOR_COUNT; ++color) {
            if (sphere_used[color] || cylinder_used[color]) parts.material[color] = parts.material_count++;
        }
        for (int color = 1; color <= VRML_COLOR_COUNT; ++color) {
            if (sphere_used[color]) parts.sphere_mesh[color] = parts.mesh_count++;
        }
        for (int color = 1; color <= VRML_COLOR_COUNT; ++color) {
            if (cylinder_used[color]) parts.cylinder_mesh[color] = parts.mesh_count++;
        }
    }

    void write_nodes(const SceneParts& parts) {
        for (std::int32_t i = 1; i <= model_.bead_count; ++i) {
            if (const auto placement = place_bead(model_, i)) {
                write_node(BEAD_NODE, i, parts.sphere_mesh[model_.bead_color[i]], *placement);
            }
        }
        for (std::int32_t k = 1; k <= model_.connector_count; ++k) {
            if (const auto placement = place_connector(model_, k)) {
                write_node(CONNECTOR_NODE, k, parts.cylinder_mesh[model_.connector_color[k]], *placement);
            }
        }
    }

private:
    // {"name":"bead 1","mesh":0,"translation":[x,y,z],"scale":[r,r,r]}
    // {"name":"connector 1","mesh":7,"translation":[..],"rotation":[x,y,z,w],"scale":[r,length,r]}
    void write_node(const NodeKind& kind, std::int32_t number, int mesh, const NodePlacement& placement) {
        if (!is_finite(placement)) refuse_beyond_float_range(kind, number);
        json_.separate(node_count_++ == 0);
        json_.append("{\"name\":\"");
        json_.append(kind.name_prefix);
        json_.number(number);
        json_.append("\",\"mesh\":");
        json_.number(mesh);
        json_.append(",\"translation\":");
        json_.numbers(placement.translation);
        if (kind.turned) {
            json_.append(",\"rotation\":");
            json_.numbers(placement.rotation);
        }
        json_.append(",\"scale\":");
        json_.numbers(placement.scale);
        json_.append("}");
    }

    [[noreturn]] static void refuse_beyond_float_range(const NodeKind& kind, std::int32_t number) {
        write_list(CONSOLE_OUTPUT_UNIT, {kind.refusal, number, "lies beyond the float range; no glTF file"});
        stop_run();
    }

    const BeadModel& model_;
    JsonText& json_;
    GltfSummary& summary_;
    int node_count_ = 0;
};

void append_float(std::string& out, float value) { append_u32(out, std::bit_cast<std::uint32_t>(value)); }

void append_u16(std::string& out, std::uint16_t value) {
    out += char(value & 0xFF);
    out += char(value >> 8);
}

// The accessors and buffer views of one unit mesh: positions, normals and
// indices, each its own view, the views following one another in the buffer.
class MeshData {
public:
    MeshData(JsonText& accessors, JsonText& views, std::string& binary)
        : accessors_(accessors), views_(views), binary_(binary) {}

    // Returns the index of the mesh's first accessor (positions; normals and
    // indices follow).
    int add(const UnitMesh& mesh) {
        const int first = accessor_count_;
        add_vector_accessor(mesh.positions, true);
        add_vector_accessor(mesh.normals, false);
        add_index_accessor(mesh.indices);
        return first;
    }

private:
    void add_vector_accessor(const std::vector<float>& values, bool with_bounds) {
        const int view = add_view(values.size() * sizeof(float), ARRAY_BUFFER);
        for (float value : values) append_float(binary_, value);
        open_accessor(view, FLOAT_COMPONENT, values.size() / 3, "VEC3");
        // POSITION needs its exact bounds.
        if (with_bounds) {
            std::array<float, 3> low{values[0], values[1], values[2]}, high = low;
            for (std::size_t i = 0; i < values.size(); ++i) {
                low[i % 3] = std::min(low[i % 3], values[i]);
                high[i % 3] = std::max(high[i % 3], values[i]);
            }
            accessors_.append(",\"min\":");
            accessors_.numbers(low);
            accessors_.append(",\"max\":");
            accessors_.numbers(high);
        }
        accessors_.append("}");
    }

    void add_index_accessor(const std::vector<std::uint16_t>& indices) {
        const int view = add_view(indices.size() * sizeof(std::uint16_t), ELEMENT_ARRAY_BUFFER);
        for (std::uint16_t index : indices) append_u16(binary_, index);
        // The next view starts on a 4-byte boundary.
        binary_.append((4 - binary_.size() % 4) % 4, '\0');
        open_accessor(view, UNSIGNED_SHORT_COMPONENT, indices.size(), "SCALAR");
        accessors_.append("}");
    }

    int add_view(std::size_t length, int target) {
        views_.separate(view_count_ == 0);
        views_.append("{\"buffer\":0,\"byteOffset\":");
        views_.number(binary_.size());
        views_.append(",\"byteLength\":");
        views_.number(length);
        views_.append(",\"target\":");
        views_.number(target);
        views_.append("}");
        return view_count_++;
    }

    void open_accessor(int view, int component_type, std::size_t count, std::string_view type) {
        accessors_.separate(accessor_count_++ == 0);
        accessors_.append("{\"bufferView\":");
        accessors_.number(view);
        accessors_.append(",\"componentType\":");
        accessors_.number(component_type);
        accessors_.append(",\"count\":");
        accessors_.number(count);
        accessors_.append(",\"type\":\"");
        accessors_.append(type);
        accessors_.append("\"");
    }

    JsonText& accessors_;
    JsonText& views_;
    std::string& binary_;
    int accessor_count_ = 0;
    int view_count_ = 0;
};

void write_materials(JsonText& json, const SceneParts& parts) {
    bool first = true;
    for (int color = 1; color <= VRML_COLOR_COUNT; ++color) {
        if (parts.material[color] == NO_INDEX) continue;
        const RgbColor& rgb = VRML_RGB[color];
        json.separate(first);
        first = false;
        json.append("{\"name\":\"");
        json.append(rgb.name);
        json.append("\",\"pbrMetallicRoughness\":{\"baseColorFactor\":");
        json.numbers(std::array<float, 4>{rgb.red, rgb.green, rgb.blue, 1.0f});
        json.append(",\"metallicFactor\":0,\"roughnessFactor\":");
        json.append(MATERIAL_ROUGHNESS);
        json.append("}}");
    }
}

void write_meshes_of(JsonText& json, const SceneParts& parts, const PerColor& meshes, std::string_view shape,
                     int first_accessor, bool& first) {
    for (int color = 1; color <= VRML_COLOR_COUNT; ++color) {
        if (meshes[color] == NO_INDEX) continue;
        json.separate(first);
        first = false;
        json.append("{\"name\":\"");
        json.append(shape);
        json.append(" ");
        json.append(VRML_RGB[color].name);
        json.append("\",\"primitives\":[{\"attributes\":{\"POSITION\":");
        json.number(first_accessor);
        json.append(",\"NORMAL\":");
        json.number(first_accessor + 1);
        json.append("},\"indices\":");
        json.number(first_accessor + 2);
        json.append(",\"material\":");
        json.number(parts.material[color]);
        json.append("}]}");
    }
}

bool any_of(const PerColor& meshes) {
    return std::any_of(meshes.begin(), meshes.end(), [](int mesh) { return mesh != NO_INDEX; });
}

// Everything after the nodes: meshes, materials, accessors, views, buffer.
void write_shared_parts(JsonText& json, const SceneParts& parts, std::string& binary) {
    if (parts.mesh_count == 0) return;
    JsonText accessors, views;
    MeshData data(accessors, views, binary);
    const int sphere_accessor = any_of(parts.sphere_mesh) ? data.add(unit_sphere()) : NO_INDEX;
    const int cylinder_accessor = any_of(parts.cylinder_mesh) ? data.add(unit_cylinder()) : NO_INDEX;

    json.append(",\"meshes\":[");
    bool first = true;
    write_meshes_of(json, parts, parts.sphere_mesh, "sphere", sphere_accessor, first);
    write_meshes_of(json, parts, parts.cylinder_mesh, "cylinder", cylinder_accessor, first);
    json.append("],\"materials\":[");
    write_materials(json, parts);
    json.append("],\"accessors\":[");
    json.append(accessors.text());
    json.append("],\"bufferViews\":[");
    json.append(views.text());
    json.append("],\"buffers\":[{\"byteLength\":");
    json.number(binary.size());
    json.append("}]");
}

// Room for the nodes of a full-capacity model without growing the text.
constexpr std::size_t NODE_TEXT_ESTIMATE = 200;

}  // namespace

std::string build_glb(const BeadModel& model, GltfSummary& summary) {
    check_connector_beads(model);
    check_vrml_colors(model);
    summary = GltfSummary{};

    JsonText json;
    json.reserve(1024 + NODE_TEXT_ESTIMATE * std::size_t(std::max(0, model.bead_count) +
                                                        std::max(0, model.connector_count)));
    json.append("{\"asset\":{\"version\":\"2.0\",\"generator\":\"sferonda " SFERONDA_VERSION "\"},"
                "\"scene\":0,\"scenes\":[{");
    NodeWriter nodes(model, json, summary);
    SceneParts parts;
    nodes.take_stock(parts);
    const int node_count = summary.spheres + summary.cylinders;
    if (node_count > 0) {
        json.append("\"nodes\":[");
        for (int node = 0; node < node_count; ++node) {
            json.separate(node == 0);
            json.number(node);
        }
        json.append("]");
    }
    json.append("}]");
    if (node_count > 0) {
        json.append(",\"nodes\":[");
        nodes.write_nodes(parts);
        json.append("]");
    }
    std::string binary;
    write_shared_parts(json, parts, binary);
    json.append("}");
    return pack_glb(json.text(), binary);
}

}  // namespace sferonda
