#include "writers/glb_container.hpp"

#include <cassert>
#include <limits>

namespace sferonda {

namespace {

constexpr std::size_t HEADER_SIZE = 12;
constexpr std::size_t CHUNK_HEADER_SIZE = 8;

std::size_t padded_to_4(std::size_t size) { return (size + 3) / 4 * 4; }

void append_chunk(std::string& out, std::uint32_t type, std::string_view content, char padding) {
    const std::size_t padded = padded_to_4(content.size());
    append_u32(out, static_cast<std::uint32_t>(padded));
    append_u32(out, type);
    out.append(content);
    out.append(padded - content.size(), padding);
}

}  // namespace

void append_u32(std::string& out, std::uint32_t value) {
    const char bytes[4] = {char(value & 0xFF), char((value >> 8) & 0xFF), char((value >> 16) & 0xFF),
                           char((value >> 24) & 0xFF)};
    out.append(bytes, 4);
}

std::string pack_glb(std::string_view json, std::string_view binary) {
    std::size_t total = HEADER_SIZE + CHUNK_HEADER_SIZE + padded_to_4(json.size());
    if (!binary.empty()) total += CHUNK_HEADER_SIZE + padded_to_4(binary.size());
    // A full-capacity model needs a few megabytes: far from the format's 4 GiB.
    assert(total <= std::numeric_limits<std::uint32_t>::max());

    std::string glb;
    glb.reserve(total);
    append_u32(glb, GLB_MAGIC);
    append_u32(glb, 2);
    append_u32(glb, static_cast<std::uint32_t>(total));
    append_chunk(glb, GLB_JSON_CHUNK, json, ' ');
    if (!binary.empty()) append_chunk(glb, GLB_BIN_CHUNK, binary, '\0');
    return glb;
}

}  // namespace sferonda
