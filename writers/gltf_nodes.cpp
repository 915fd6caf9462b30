#include "writers/gltf_nodes.hpp"

#include <charconv>
#include <vector>

#include "driver/run.hpp"
#include "records/record_write.hpp"
#include "records/run_end.hpp"
#include "records/shortest_digits.hpp"
#include "records/units.hpp"
#include "writers/gltf_placement.hpp"

namespace sferonda {

// The values that an instanced node gathers from its beads or connectors,
// kept from node to node so that their room is taken once a scene.
struct InstanceValues {
    std::vector<float> translations, rotations, scales;
    std::vector<float> features;  // the numbers again, as a merged mesh's vertices carry them
    JsonText numbers, beads, radii, colors;

    void clear() {
        features.clear();
        translations.clear();
        rotations.clear();
        scales.clear();
        numbers.clear();
        beads.clear();
        radii.clear();
        colors.clear();
    }
    void add(const NodePlacement& placement, std::int32_t number, float radius, std::int32_t color) {
        translations.insert(translations.end(), placement.translation.begin(), placement.translation.end());
        rotations.insert(rotations.end(), placement.rotation.begin(), placement.rotation.end());
        scales.insert(scales.end(), placement.scale.begin(), placement.scale.end());
        features.push_back(float(number));
        const bool first = numbers.text().empty();
        numbers.separate(first);
        numbers.number(number);
        radii.separate(first);
        radii.number(radius);
        colors.separate(first);
        colors.number(color);
    }
};

namespace {

[[noreturn]] void refuse_beyond_float_range(Run& run, std::string_view refusal, std::int32_t number) {
    RefusalLines refusal_lines(run);
    write_list(run, CONSOLE_OUTPUT_UNIT, {refusal, number, "lies beyond the float range; no glTF file"});
    stop_run();
}

// A float's shortest text, made once for the several places it goes: a
// node's radius is in its scale twice or three times and in its extras.
class FloatText {
public:
    explicit FloatText(float value) : end_(write_shortest(digits_, value)) {}
    std::string_view text() const { return {digits_, static_cast<std::size_t>(end_ - digits_)}; }

private:
    char digits_[SHORTEST_BUFFER_SIZE];
    const char* end_;
};

// {"bead":3,"radius":1.5,"color":2}: what the bead was in the model.
void write_bead_extras(JsonText& json, const BeadModel& model, std::int32_t i, const FloatText& radius) {
    json.append(",\"extras\":{\"bead\":");
    json.number(i);
    json.append(",\"radius\":");
    json.append(radius.text());
    json.append(",\"color\":");
    json.number(model.bead_color[i]);
    json.append("}");
}

// {"connector":4,"beads":[1,2],"radius":0.5,"color":2}
void write_connector_extras(JsonText& json, const BeadModel& model, std::int32_t k, const FloatText& radius) {
    json.append(",\"extras\":{\"connector\":");
    json.number(k);
    json.append(",\"beads\":[");
    json.number(model.connector_first[k]);
    json.append(",");
    json.number(model.connector_second[k]);
    json.append("],\"radius\":");
    json.append(radius.text());
    json.append(",\"color\":");
    json.number(model.connector_color[k]);
    json.append("}");
}

void open_node(JsonText& json, bool first, std::string_view name_prefix, std::string_view name, int mesh) {
    json.separate(first);
    json.append("{\"name\":\"");
    json.append(name_prefix);
    json.append(name);
    json.append("\",\"mesh\":");
    json.number(mesh);
}

// The scale is the radius across and, for a connector, its length along.
void write_transform(JsonText& json, const NodePlacement& placement, bool turned, const FloatText& radius) {
    json.append(",\"translation\":");
    json.numbers(placement.translation);
    if (turned) {
        json.append(",\"rotation\":");
        json.numbers(placement.rotation);
    }
    json.append(",\"scale\":[");
    json.append(radius.text());
    json.append(",");
    if (turned) {
        json.number(placement.scale[1]);
    } else {
        json.append(radius.text());
    }
    json.append(",");
    json.append(radius.text());
    json.append("]");
}

std::string_view decimal(std::int32_t number, char (&digits)[16]) {
    const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    return {digits, static_cast<std::size_t>(end - digits)};
}

// ,"extensions":{"EXT_mesh_gpu_instancing":{"attributes":{"TRANSLATION":6,"ROTATION":7,"SCALE":8}}}
void write_instancing(JsonText& json, const InstanceValues& gathered, bool turned, GltfBuffer& buffer) {
    json.append(",\"extensions\":{\"EXT_mesh_gpu_instancing\":{\"attributes\":{\"TRANSLATION\":");
    json.number(buffer.add_instance_values(gathered.translations, 3));
    if (turned) {
        json.append(",\"ROTATION\":");
        json.number(buffer.add_instance_values(gathered.rotations, 4));
    }
    json.append(",\"SCALE\":");
    json.number(buffer.add_instance_values(gathered.scales, 3));
    json.append("}}}");
}

void write_instance_extras(JsonText& json, std::string_view number_key, const InstanceValues& gathered, bool joined) {
    json.append(",\"extras\":{\"");
    json.append(number_key);
    json.append("\":[");
    json.append(gathered.numbers.text());
    if (joined) {
        json.append("],\"beads\":[");
        json.append(gathered.beads.text());
    }
    json.append("],\"radius\":[");
    json.append(gathered.radii.text());
    json.append("],\"color\":[");
    json.append(gathered.colors.text());
    json.append("]}}");
}

}  // namespace

void NodeWriter::take_stock(SceneParts& parts) const {
    PerColor sphere_used{}, cylinder_used{};
    for (std::int32_t i = 1; i <= model_.bead_count; ++i) {
        const auto placement = place_bead(model_, i);
        if (!placement) {
            ++summary_.omitted_beads;
            continue;
        }
        if (!is_finite(*placement)) refuse_beyond_float_range(run_, "ERROR: Bead", i);
        sphere_used[model_.bead_color[i]] = 1;
        ++summary_.spheres;
    }
    for (std::int32_t k = 1; k <= model_.connector_count; ++k) {
        const auto placement = place_connector(model_, k);
        if (!placement) {
            ++summary_.omitted_connectors;
            continue;
        }
        if (!is_finite(*placement)) refuse_beyond_float_range(run_, "ERROR: Connector", k);
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

// {"name":"bead 1","mesh":0,"translation":[x,y,z],"scale":[r,r,r],"extras":{..}}
// {"name":"connector 1","mesh":7,"translation":[..],"rotation":[x,y,z,w],"scale":[r,length,r],"extras":{..}}
int NodeWriter::write_plain(const SceneParts& parts) {
    char digits[16];
    for (std::int32_t i = 1; i <= model_.bead_count; ++i) {
        if (const auto placement = place_bead(model_, i)) {
            open_node(json_, node_count_++ == 0, "bead ", decimal(i, digits), parts.sphere_mesh[model_.bead_color[i]]);
            const FloatText radius(model_.bead_radius[i]);
            write_transform(json_, *placement, false, radius);
            write_bead_extras(json_, model_, i, radius);
            json_.append("}");
        }
    }
    for (std::int32_t k = 1; k <= model_.connector_count; ++k) {
        if (const auto placement = place_connector(model_, k)) {
            const int mesh = parts.cylinder_mesh[model_.connector_color[k]];
            open_node(json_, node_count_++ == 0, "connector ", decimal(k, digits), mesh);
            const FloatText radius(model_.connector_radius[k]);
            write_transform(json_, *placement, true, radius);
            write_connector_extras(json_, model_, k, radius);
            json_.append("}");
        }
    }
    return node_count_;
}

int NodeWriter::write_instanced(const SceneParts& parts, GltfBuffer& buffer) {
    return write_grouped(parts, buffer, nullptr);
}

int NodeWriter::write_merged(const SceneParts& parts, GltfBuffer& buffer, const MergedMeshes& merged) {
    return write_grouped(parts, buffer, &merged);
}

// One node per mesh, in the meshes' order.
int NodeWriter::write_grouped(const SceneParts& parts, GltfBuffer& buffer, const MergedMeshes* merged) {
    InstanceValues gathered;
    for (int color = 1; color <= VRML_COLOR_COUNT; ++color) {
        if (parts.sphere_mesh[color] == NO_INDEX) continue;
        gathered.clear();
        gather_beads(color, gathered);
        write_group(true, color, parts.sphere_mesh[color], gathered, buffer, merged);
    }
    for (int color = 1; color <= VRML_COLOR_COUNT; ++color) {
        if (parts.cylinder_mesh[color] == NO_INDEX) continue;
        gathered.clear();
        gather_connectors(color, gathered);
        write_group(false, color, parts.cylinder_mesh[color], gathered, buffer, merged);
    }
    return node_count_;
}

void NodeWriter::gather_beads(int color, InstanceValues& gathered) const {
    for (std::int32_t i = 1; i <= model_.bead_count; ++i) {
        if (model_.bead_color[i] != color) continue;
        if (const auto placement = place_bead(model_, i)) gathered.add(*placement, i, model_.bead_radius[i], color);
    }
}

void NodeWriter::gather_connectors(int color, InstanceValues& gathered) const {
    for (std::int32_t k = 1; k <= model_.connector_count; ++k) {
        if (model_.connector_color[k] != color) continue;
        const auto placement = place_connector(model_, k);
        if (!placement) continue;
        gathered.beads.separate(gathered.numbers.text().empty());
        gathered.beads.append("[");
        gathered.beads.number(model_.connector_first[k]);
        gathered.beads.append(",");
        gathered.beads.number(model_.connector_second[k]);
        gathered.beads.append("]");
        gathered.add(*placement, k, model_.connector_radius[k], color);
    }
}

// {"name":"beads red","mesh":0,"extensions":{..},"extras":{..}}, instanced,
// or {"name":"beads red","mesh":0,"extras":{..}} drawing its merged mesh.
void NodeWriter::write_group(bool beads, int color, int mesh, const InstanceValues& gathered, GltfBuffer& buffer,
                             const MergedMeshes* merged) {
    open_node(json_, node_count_++ == 0, beads ? "beads " : "connectors ", VRML_RGB[color].name, mesh);
    if (merged) {
        const UnitMesh& unit = beads ? unit_sphere(merged->detail) : unit_cylinder(merged->detail);
        MeshSource& source = (beads ? merged->spheres : merged->cylinders)[color];
        source.accessor = buffer.add_merged_mesh(unit, gathered.translations, gathered.rotations, gathered.scales,
                                                 gathered.features);
        source.copies = int(gathered.features.size());
    } else {
        write_instancing(json_, gathered, !beads, buffer);
    }
    write_instance_extras(json_, beads ? "bead" : "connector", gathered, !beads);
}

}  // namespace sferonda
