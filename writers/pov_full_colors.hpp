#pragma once
// The textures of the complete POV-Ray scenes, one per color index.

#include <cstdint>
#include <string_view>

namespace sferonda {

// The whole 150-character texture of a color index in 1..5: 1 White, 2 Red,
// 3 Yellow, 4 Blue, 5 Green.
std::string_view pov_full_color(std::int32_t color_index);

}  // namespace sferonda
