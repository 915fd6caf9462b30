#pragma once
// The binary buffer of a glTF scene with the buffer views and accessors that
// describe it: the unit meshes' vertices and triangles, the per-instance
// values of instanced nodes, and the meshes merged from copies of a unit mesh.

#include <span>
#include <string>
#include <vector>

#include "writers/json_text.hpp"
#include "writers/unit_meshes.hpp"

namespace sferonda {

class GltfBuffer {
public:
    // Returns the index of the mesh's first accessor (positions; normals and
    // indices follow).
    int add_mesh(const UnitMesh& mesh);

    // Vectors of `width` floats one after another, one per instance; returns
    // the accessor's index.
    int add_instance_values(std::span<const float> values, int width);

    // Copies of `unit`, one per feature id, each scaled, turned and moved as
    // its 3 scale, 4 rotation (unit quaternion x, y, z, w) and 3 translation
    // values say, in one mesh whose every vertex carries its copy's feature
    // id, and without normals; returns the index of its first accessor
    // (positions; feature ids and indices follow).
    int add_merged_mesh(const UnitMesh& unit, std::span<const float> translations, std::span<const float> rotations,
                        std::span<const float> scales, std::span<const float> features);

    const JsonText& accessors() const { return accessors_; }
    const JsonText& views() const { return views_; }
    const std::string& binary() const { return binary_; }

private:
    void add_vector_accessor(std::span<const float> values, bool with_bounds);
    template <typename Index>
    void add_index_accessor(std::span<const Index> indices);
    void add_scalar_accessor(std::span<const float> values);
    int add_view(std::size_t length, int target);
    void open_accessor(int view, int component_type, std::size_t count, std::string_view type);

    JsonText accessors_;
    JsonText views_;
    std::string binary_;
    std::vector<float> positions_, features_;  // of a merged mesh, their room kept for the next
    std::vector<std::uint32_t> indices_;
    int accessor_count_ = 0;
    int view_count_ = 0;
};

}  // namespace sferonda
