#pragma once
// The seven colors of the VRML world, shared by every writer that draws
// with them, and the check that a model uses no other.

#include <array>
#include <cstdint>
#include <string_view>

#include "driver/bead_model.hpp"

namespace sferonda {

constexpr int VRML_COLOR_COUNT = 7;

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

inline bool is_vrml_color(std::int32_t color) { return color >= 1 && color <= VRML_COLOR_COUNT; }

// Stops the run at the first bead, then the first connector, whose color
// index lies outside the seven colors.
void check_vrml_colors(const BeadModel& model);

}  // namespace sferonda
