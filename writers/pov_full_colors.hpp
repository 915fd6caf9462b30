#pragma once
// The textures of the complete POV-Ray scenes, one per color index.

#include <array>
#include <cstdint>
#include <string_view>

namespace sferonda {

constexpr int POV_FULL_COLOR_COUNT = 5;
constexpr int TEXTURE_TEXT_LENGTH = 150;

using TextureText = std::array<char, TEXTURE_TEXT_LENGTH>;

// Entries 1 (White), 2 (Red), 3 (Yellow), 4 (Blue), 5 (Green), each padded
// with blanks to its full length; entry 0 is never used.
extern const std::array<TextureText, POV_FULL_COLOR_COUNT + 1> pov_full_colors;

// The whole 150-character text of a color index in 1..5.
std::string_view pov_full_color(std::int32_t color_index);

}  // namespace sferonda
