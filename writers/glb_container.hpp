#pragma once
// The binary glTF container: one file holding the JSON document and the
// binary buffer it describes.

#include <cstdint>
#include <string>
#include <string_view>

namespace sferonda {

constexpr std::uint32_t GLB_MAGIC = 0x46546C67;       // "glTF"
constexpr std::uint32_t GLB_JSON_CHUNK = 0x4E4F534A;  // "JSON"
constexpr std::uint32_t GLB_BIN_CHUNK = 0x004E4942;   // "BIN\0"

// Layout, all numbers 32-bit little-endian:
//   bytes 0-11   magic, version 2, length of the whole file
//   then         JSON chunk: length, type, the text padded with blanks to 4 bytes
//   then         BIN chunk (only when `binary` is not empty): length, type,
//                the bytes padded with zeros to 4 bytes
std::string pack_glb(std::string_view json, std::string_view binary);

// Appends `value` as four little-endian bytes.
void append_u32(std::string& out, std::uint32_t value);

}  // namespace sferonda
