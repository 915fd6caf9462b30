#include "writers/gltf_writer.hpp"

#include <algorithm>
#include <cassert>
#include <array>

#include "platform/platform.hpp"
#include "writers/glb_container.hpp"
#include "writers/gltf_buffer.hpp"
#include "writers/gltf_nodes.hpp"
#include "writers/json_text.hpp"
#include "writers/model_checks.hpp"
#include "writers/unit_meshes.hpp"
#include "writers/vrml_colors.hpp"

namespace sferonda {

namespace {

// Metal-free, half rough: the matte look of the VRML world's plain
// diffuse materials, with a soft highlight.
constexpr std::string_view MATERIAL_ROUGHNESS = "0.5";

// The file name without its folders and without its extension, if any.
std::string_view stem_of(std::string_view path) {
    path.remove_prefix(std::min(path.size(), path.find_last_of(path_separators()) + 1));
    const std::size_t dot = path.rfind('.');
    if (dot != std::string_view::npos && dot > 0) path.remove_suffix(path.size() - dot);
    return path;
}

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

// A merged mesh's vertices carry their bead's or connector's number as
// their feature id:
// ,"extensions":{"EXT_mesh_features":{"featureIds":[{"featureCount":3,"attribute":0,"label":"bead"}]}}
void write_features(JsonText& json, int copies, std::string_view label) {
    json.append(",\"extensions\":{\"EXT_mesh_features\":{\"featureIds\":[{\"featureCount\":");
    json.number(copies);
    json.append(",\"attribute\":0,\"label\":\"");
    json.append(label);
    json.append("\"}]}}");
}

void write_meshes_of(JsonText& json, const SceneParts& parts, const PerColor& meshes, const MeshSources& sources,
                     std::string_view shape, std::string_view label, bool& first) {
    for (int color = 1; color <= VRML_COLOR_COUNT; ++color) {
        if (meshes[color] == NO_INDEX) continue;
        const MeshSource& source = sources[color];
        json.separate(first);
        first = false;
        json.append("{\"name\":\"");
        json.append(shape);
        json.append(" ");
        json.append(VRML_RGB[color].name);
        json.append("\",\"primitives\":[{\"attributes\":{\"POSITION\":");
        json.number(source.accessor);
        // A merged mesh has feature ids where a unit mesh has normals.
        json.append(source.copies > 0 ? ",\"_FEATURE_ID_0\":" : ",\"NORMAL\":");
        json.number(source.accessor + 1);
        json.append("},\"indices\":");
        json.number(source.accessor + 2);
        json.append(",\"material\":");
        json.number(parts.material[color]);
        if (source.copies > 0) write_features(json, source.copies, label);
        json.append("}]}");
    }
}

bool any_of(const PerColor& meshes) {
    return std::any_of(meshes.begin(), meshes.end(), [](int mesh) { return mesh != NO_INDEX; });
}

// Everything after the nodes: meshes, materials, accessors, views, buffer.
void write_shared_parts(JsonText& json, const SceneParts& parts, const MeshSources& spheres,
                        const MeshSources& cylinders, const GltfBuffer& buffer) {
    if (parts.mesh_count == 0) return;
    json.append(",\"meshes\":[");
    bool first = true;
    write_meshes_of(json, parts, parts.sphere_mesh, spheres, "sphere", "bead", first);
    write_meshes_of(json, parts, parts.cylinder_mesh, cylinders, "cylinder", "connector", first);
    json.append("],\"materials\":[");
    write_materials(json, parts);
    json.append("],\"accessors\":[");
    json.append(buffer.accessors().text());
    json.append("],\"bufferViews\":[");
    json.append(buffer.views().text());
    json.append("],\"buffers\":[{\"byteLength\":");
    json.number(buffer.binary().size());
    json.append("}]");
}

// The asset, the extension an instanced scene needs or a merged one uses,
// and the scene: the root node alone, named after the file, which follows
// all others.
void write_head(JsonText& json, const GltfOptions& options, int root) {
    json.append("{\"asset\":{\"version\":\"2.0\",\"generator\":\"sferonda " SFERONDA_VERSION "\","
                "\"extras\":{\"lengths\":\"in the model's own units\"}},");
    if (options.instanced) {
        json.append("\"extensionsUsed\":[\"EXT_mesh_gpu_instancing\"],"
                    "\"extensionsRequired\":[\"EXT_mesh_gpu_instancing\"],");
    }
    // A viewer that does not know the feature ids still draws every shape.
    if (options.merged) json.append("\"extensionsUsed\":[\"EXT_mesh_features\"],");
    json.append("\"scene\":0,\"scenes\":[{\"name\":");
    json.string(options.scene_name);
    json.append(",\"nodes\":[");
    json.number(root);
    json.append("]}],\"nodes\":[");
}

// {"name":"stem","children":[0,...,root - 1]}
void write_root(JsonText& json, const GltfOptions& options, int root) {
    json.separate(root == 0);
    json.append("{\"name\":");
    json.string(options.scene_name);
    if (root > 0) {
        json.append(",\"children\":[");
        for (int node = 0; node < root; ++node) {
            json.separate(node == 0);
            json.number(node);
        }
        json.append("]");
    }
    json.append("}]");
}

// Room for the nodes of a full-capacity model without growing the text.
constexpr std::size_t NODE_TEXT_ESTIMATE = 260;

}  // namespace

DetailLevel choose_detail(std::int32_t spheres, std::int32_t cylinders) {
    for (DetailLevel level = MESH_DETAILS.size() - 1; level > 0; --level) {
        const MeshDetail& detail = MESH_DETAILS[level];
        if (spheres * sphere_triangles(detail) + cylinders * cylinder_triangles(detail) <= TRIANGLE_BUDGET) {
            return level;
        }
    }
    return 0;
}

std::string_view scene_name_for(std::string_view output_path, std::string_view coordinates_path) {
    for (const std::string_view stem : {stem_of(output_path), stem_of(coordinates_path)}) {
        if (!stem.empty() && stem != "-") return stem;
    }
    return "model";
}

std::string build_glb(Run& run, const BeadModel& model, GltfSummary& summary, const GltfOptions& options) {
    assert(!(options.instanced && options.merged));
    check_connector_beads(run, model);
    check_vrml_colors(run, model);
    summary = GltfSummary{};

    JsonText json;
    json.reserve(1024 + NODE_TEXT_ESTIMATE * std::size_t(std::max(0, model.bead_count) +
                                                        std::max(0, model.connector_count)));
    NodeWriter nodes(run, model, json, summary);
    SceneParts parts;
    nodes.take_stock(parts);
    summary.detail = options.detail.value_or(choose_detail(summary.spheres, summary.cylinders));

    const bool grouped = options.instanced || options.merged;
    const int root = grouped ? parts.mesh_count : summary.spheres + summary.cylinders;

    GltfBuffer buffer;
    MeshSources spheres, cylinders;
    if (!options.merged) {
        // Every color draws the one unit sphere and the one unit cylinder.
        const int sphere = any_of(parts.sphere_mesh) ? buffer.add_mesh(unit_sphere(summary.detail)) : NO_INDEX;
        const int cylinder = any_of(parts.cylinder_mesh) ? buffer.add_mesh(unit_cylinder(summary.detail)) : NO_INDEX;
        spheres.fill(MeshSource{sphere, 0});
        cylinders.fill(MeshSource{cylinder, 0});
    }
    write_head(json, options, root);
    int written = 0;
    if (options.merged) {
        written = nodes.write_merged(parts, buffer, MergedMeshes{summary.detail, spheres, cylinders});
    } else {
        written = options.instanced ? nodes.write_instanced(parts, buffer) : nodes.write_plain(parts);
    }
    assert(written == root);
    write_root(json, options, root);
    write_shared_parts(json, parts, spheres, cylinders, buffer);
    json.append("}");
    return pack_glb(json.text(), buffer.binary());
}

}  // namespace sferonda
