#include "writers/pov_full_colors.hpp"

#include <algorithm>
#include <cassert>

namespace sferonda {

namespace {

constexpr TextureText padded(std::string_view text) {
    TextureText padded_text{};
    std::fill(padded_text.begin(), padded_text.end(), ' ');
    std::copy(text.begin(), text.end(), padded_text.begin());
    return padded_text;
}

}  // namespace

const std::array<TextureText, POV_FULL_COLOR_COUNT + 1> pov_full_colors = {
    padded(""),
    padded("pigment { White } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }"),
    padded("pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }"),
    padded("pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }"),
    padded("pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }"),
    padded("pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }"),
};

std::string_view pov_full_color(std::int32_t color_index) {
    assert(color_index >= 1 && color_index <= POV_FULL_COLOR_COUNT);
    const TextureText& text = pov_full_colors[static_cast<std::size_t>(color_index)];
    return {text.data(), text.size()};
}

}  // namespace sferonda
