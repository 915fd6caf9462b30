#include "writers/pov_full_colors.hpp"

#include "writers/color_table.hpp"
#include "writers/model_checks.hpp"

namespace sferonda {

namespace {

constexpr std::array<ColorText, POV_COLOR_COUNT + 1> pov_full_colors = {
    padded_color_text(""),
    padded_color_text("pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }"),
    padded_color_text("pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }"),
    padded_color_text("pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }"),
    padded_color_text("pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }"),
    padded_color_text("pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }"),
};

}  // namespace

std::string_view pov_full_color(std::int32_t color_index) { return color_text(pov_full_colors, color_index); }

}  // namespace sferonda
