#include "writers/gltf_buffer.hpp"

#include <algorithm>
#include <array>

#include "platform/charconv.hpp"
#include "writers/glb_container.hpp"

namespace sferonda {

namespace {

constexpr int FLOAT_COMPONENT = 5126;
constexpr int UNSIGNED_SHORT_COMPONENT = 5123;
constexpr int ARRAY_BUFFER = 34962;
constexpr int ELEMENT_ARRAY_BUFFER = 34963;
constexpr int NO_TARGET = 0;
constexpr std::string_view VECTOR_TYPES[] = {"", "", "", "VEC3", "VEC4"};

void append_u16(std::string& out, std::uint16_t value) {
    out += char(value & 0xFF);
    out += char(value >> 8);
}

}  // namespace

int GltfBuffer::add_mesh(const UnitMesh& mesh) {
    const int first = accessor_count_;
    add_vector_accessor(mesh.positions, true);
    add_vector_accessor(mesh.normals, false);
    add_index_accessor(mesh.indices);
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

void GltfBuffer::add_index_accessor(std::span<const std::uint16_t> indices) {
    const int view = add_view(indices.size() * sizeof(std::uint16_t), ELEMENT_ARRAY_BUFFER);
    for (std::uint16_t index : indices) append_u16(binary_, index);
    // The next view starts on a 4-byte boundary.
    binary_.append((4 - binary_.size() % 4) % 4, '\0');
    open_accessor(view, UNSIGNED_SHORT_COMPONENT, indices.size(), "SCALAR");
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
