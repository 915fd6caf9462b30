#pragma once
// The display types: for each, its file-name extension and its log label.

#include <cstdint>
#include <string_view>

namespace sferonda {

struct DisplayType {
    std::string_view extension;
    std::string_view log_label;
};

constexpr int DISPLAY_TYPE_COUNT = 6;

// Indexed by display type 1..6; entry 0 is not a display type.
constexpr DisplayType DISPLAY_TYPES[DISPLAY_TYPE_COUNT + 1] = {
    {"", ""},
    {".bea", "  * Type of graphics file: Pseudo-PDB"},
    {".ppv", "  * Type of graphics file: Pre - POV"},
    {".pov", "  * Type of graphics file: Full POV"},
    {"-worm.pov", "  * Type of graphics file: Wormlike full POV"},
    {".pi", "  * Type of graphics file: Pre - POLYRAY"},
    {".vrml", "  * Type of graphics file: VRML 2.0"},
};

inline bool is_valid_display_type(std::int32_t display_type) {
    return display_type >= 1 && display_type <= DISPLAY_TYPE_COUNT;
}

}  // namespace sferonda
