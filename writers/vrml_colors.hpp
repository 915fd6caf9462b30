#pragma once
// The seven colors of the VRML world, shared by every writer that draws
// with them; model_checks.hpp counts them and checks a model against them.

#include <array>
#include <string_view>

#include "writers/model_checks.hpp"

namespace sferonda {

struct RgbColor {
    std::string_view name;
    float red, green, blue;
};

// Entries 1 (white) to 7 (cyan); entry 0 is never used.
inline constexpr std::array<RgbColor, VRML_COLOR_COUNT + 1> VRML_RGB = {{
    {"", 0.0f, 0.0f, 0.0f},
    {"white", 1.0f, 1.0f, 1.0f},
    {"red", 1.0f, 0.0f, 0.0f},
    {"yellow", 1.0f, 1.0f, 0.0f},
    {"blue", 0.0f, 0.0f, 1.0f},
    {"green", 0.0f, 1.0f, 0.0f},
    {"magenta", 1.0f, 0.0f, 1.0f},
    {"cyan", 0.0f, 1.0f, 1.0f},
}};

}  // namespace sferonda
