#include "writers/gltf_buffer.hpp"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>

#include "platform/charconv.hpp"
#include "writers/glb_container.hpp"

namespace sferonda {

namespace {

constexpr int FLOAT_COMPONENT = 5126;
constexpr int UNSIGNED_SHORT_COMPONENT = 5123;
constexpr int UNSIGNED_INT_COMPONENT = 5125;
constexpr int ARRAY_BUFFER = 34962;
constexpr int ELEMENT_ARRAY_BUFFER = 34963;
constexpr int NO_TARGET = 0;
constexpr std::string_view VECTOR_TYPES[] = {"", "", "", "VEC3", "VEC4"};

void append_u16(std::string& out, std::uint16_t value) {
    out += char(value & 0xFF);
    out += char(value >> 8);
}

void append_index(std::string& out, std::uint16_t value) { append_u16(out, value); }
void append_index(std::string& out, std::uint32_t value) { append_u32(out, value); }
int index_component(std::uint16_t) { return UNSIGNED_SHORT_COMPONENT; }
int index_component(std::uint32_t) { return UNSIGNED_INT_COMPONENT; }

// What a viewer does to a node's unit mesh: scale, then turn, then move.
// Worked in double from the node's float values and rounded once, so that
// a merged vertex is the nearest float to where the node would put it.
class CopyPlacement {
public:
    CopyPlacement(const float* translation, const float* rotation, const float* scale) {
        const double x = rotation[0], y = rotation[1], z = rotation[2], w = rotation[3];
        // The rotation of q / |q|: written with 2 / |q|^2 it needs no square root.
        const double s = 2.0 / (x * x + y * y + z * z + w * w);
        turn_ = {{{1 - s * (y * y + z * z), s * (x * y - z * w), s * (x * z + y * w)},
                  {s * (x * y + z * w), 1 - s * (x * x + z * z), s * (y * z - x * w)},
                  {s * (x * z - y * w), s * (y * z + x * w), 1 - s * (x * x + y * y)}}};
        for (int k = 0; k < 3; ++k) {
            move_[k] = translation[k];
            scale_[k] = scale[k];
        }
    }

    void place(const float* unit, std::vector<float>& out) const {
        const double scaled[3] = {scale_[0] * unit[0], scale_[1] * unit[1], scale_[2] * unit[2]};
        for (int row = 0; row < 3; ++row) {
            out.push_back(float(move_[row] + turn_[row][0] * scaled[0] + turn_[row][1] * scaled[1] +
                                turn_[row][2] * scaled[2]));
        }
    }

private:
    std::array<std::array<double, 3>, 3> turn_;
    double move_[3], scale_[3];
};

}  // namespace

int GltfBuffer::add_mesh(const UnitMesh& mesh) {
    const int first = accessor_count_;
    add_vector_accessor(mesh.positions, true);
    add_vector_accessor(mesh.normals, false);
    add_index_accessor(std::span<const std::uint16_t>(mesh.indices));
    return first;
}

int GltfBuffer::add_instance_values(std::span<const float> values, int width) {
    const int accessor = accessor_count_;
    // Instance values are no vertex data: their view has no target.
    const int view = add_view(values.size() * sizeof(float), NO_TARGET);
    for (float value : values) append_u32(binary_, platform::bit_cast<std::uint32_t>(value));
    open_accessor(view, FLOAT_COMPONENT, values.size() / std::size_t(width), VECTOR_TYPES[width]);
    accessors_.append("}");
    return accessor;
}

int GltfBuffer::add_merged_mesh(const UnitMesh& unit, std::span<const float> translations,
                                std::span<const float> rotations, std::span<const float> scales,
                                std::span<const float> features) {
    const std::size_t copies = features.size();
    const std::size_t unit_vertices = unit.positions.size() / 3;
    // A mesh is made only for a shape and color that something is drawn in.
    assert(copies > 0);
    assert(translations.size() == 3 * copies && rotations.size() == 4 * copies && scales.size() == 3 * copies);
    assert(copies * unit_vertices <= UINT32_MAX);
    positions_.clear();
    features_.clear();
    indices_.clear();
    positions_.reserve(copies * unit.positions.size());
    features_.reserve(copies * unit_vertices);
    indices_.reserve(copies * unit.indices.size());
    for (std::size_t copy = 0; copy < copies; ++copy) {
        const CopyPlacement placement(&translations[3 * copy], &rotations[4 * copy], &scales[3 * copy]);
        for (std::size_t v = 0; v < unit_vertices; ++v) placement.place(&unit.positions[3 * v], positions_);
        features_.insert(features_.end(), unit_vertices, features[copy]);
        const auto first_vertex = static_cast<std::uint32_t>(copy * unit_vertices);
        for (const std::uint16_t index : unit.indices) indices_.push_back(first_vertex + index);
    }
    const int first = accessor_count_;
    binary_.reserve(binary_.size() + 4 * (positions_.size() + features_.size() + indices_.size()));
    add_vector_accessor(positions_, true);
    add_scalar_accessor(features_);
    add_index_accessor(std::span<const std::uint32_t>(indices_));
    return first;
}

void GltfBuffer::add_vector_accessor(std::span<const float> values, bool with_bounds) {
    const int view = add_view(values.size() * sizeof(float), ARRAY_BUFFER);
    for (float value : values) append_u32(binary_, platform::bit_cast<std::uint32_t>(value));
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

// Feature ids are whole numbers as floats: exact up to 2^24, far beyond
// the model's capacities, and each a 4-byte element as vertex data must be.
void GltfBuffer::add_scalar_accessor(std::span<const float> values) {
    const int view = add_view(values.size() * sizeof(float), ARRAY_BUFFER);
    for (float value : values) append_u32(binary_, platform::bit_cast<std::uint32_t>(value));
    open_accessor(view, FLOAT_COMPONENT, values.size(), "SCALAR");
    accessors_.append("}");
}

template <typename Index>
void GltfBuffer::add_index_accessor(std::span<const Index> indices) {
    const int view = add_view(indices.size() * sizeof(Index), ELEMENT_ARRAY_BUFFER);
    for (const Index index : indices) append_index(binary_, index);
    // The next view starts on a 4-byte boundary.
    binary_.append((4 - binary_.size() % 4) % 4, '\0');
    open_accessor(view, index_component(Index{}), indices.size(), "SCALAR");
    accessors_.append("}");
}

int GltfBuffer::add_view(std::size_t length, int target) {
    views_.separate(view_count_ == 0);
    views_.append("{\"buffer\":0,\"byteOffset\":");
    views_.number(binary_.size());
    views_.append(",\"byteLength\":");
    views_.number(length);
    if (target != NO_TARGET) {
        views_.append(",\"target\":");
        views_.number(target);
    }
    views_.append("}");
    return view_count_++;
}

void GltfBuffer::open_accessor(int view, int component_type, std::size_t count, std::string_view type) {
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

}  // namespace sferonda
