#pragma once
// The nodes of a glTF scene: one per bead and connector, or, instanced or
// merged, one per shape and color; each carries the model's numbers in its
// extras.

#include <array>

#include "driver/bead_model.hpp"
#include "writers/gltf_buffer.hpp"
#include "writers/gltf_writer.hpp"
#include "writers/json_text.hpp"
#include "writers/vrml_colors.hpp"

namespace sferonda {

struct Run;

constexpr int NO_INDEX = -1;
using PerColor = std::array<int, VRML_COLOR_COUNT + 1>;

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

// Where a mesh's vertices are: its first accessor and, when it is merged
// from copies of a unit mesh, how many (else 0: the unit mesh itself).
struct MeshSource {
    int accessor = NO_INDEX;
    int copies = 0;
};
using MeshSources = std::array<MeshSource, VRML_COLOR_COUNT + 1>;

// The merged meshes of a scene, filled in as their nodes are written.
struct MergedMeshes {
    DetailLevel detail;
    MeshSources& spheres;
    MeshSources& cylinders;
};

struct InstanceValues;

class NodeWriter {
public:
    NodeWriter(Run& run, const BeadModel& model, JsonText& json, GltfSummary& summary)
        : run_(run), model_(model), json_(json), summary_(summary) {}

    // Which colors each shape needs, and what is drawn and what omitted;
    // stops the run at the first bead, then connector, beyond the float range.
    void take_stock(SceneParts& parts) const;

    // The nodes, separated by commas; returns their count.
    int write_plain(const SceneParts& parts);
    int write_instanced(const SceneParts& parts, GltfBuffer& buffer);
    // Adds each node's merged mesh to the buffer as it goes.
    int write_merged(const SceneParts& parts, GltfBuffer& buffer, const MergedMeshes& merged);

private:
    int write_grouped(const SceneParts& parts, GltfBuffer& buffer, const MergedMeshes* merged);
    void gather_beads(int color, InstanceValues& gathered) const;
    void gather_connectors(int color, InstanceValues& gathered) const;
    void write_group(bool beads, int color, int mesh, const InstanceValues& gathered, GltfBuffer& buffer,
                     const MergedMeshes* merged);

    Run& run_;
    const BeadModel& model_;
    JsonText& json_;
    GltfSummary& summary_;
    int node_count_ = 0;
};

}  // namespace sferonda
