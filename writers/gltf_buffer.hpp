#pragma once
// The binary buffer of a glTF scene with the buffer views and accessors that
// describe it: the unit meshes' vertices and triangles, and the per-instance
// values of instanced nodes.

#include <span>
#include <string>

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

    const JsonText& accessors() const { return accessors_; }
    const JsonText& views() const { return views_; }
    const std::string& binary() const { return binary_; }

private:
    void add_vector_accessor(std::span<const float> values, bool with_bounds);
    void add_index_accessor(std::span<const std::uint16_t> indices);
    int add_view(std::size_t length, int target);
    void open_accessor(int view, int component_type, std::size_t count, std::string_view type);

    JsonText accessors_;
    JsonText views_;
    std::string binary_;
    int accessor_count_ = 0;
    int view_count_ = 0;
};

}  // namespace sferonda
