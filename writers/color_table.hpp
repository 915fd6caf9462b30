#pragma once
// The scene writers' color tables: one text per color index, blank-padded to
// the 150 columns of its A150 field, since the blanks are written too.

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace sferonda {

constexpr std::size_t COLOR_TEXT_LENGTH = 150;
using ColorText = std::array<char, COLOR_TEXT_LENGTH>;

// `text` blank-padded to 150 columns; a longer text does not compile.
consteval ColorText padded_color_text(std::string_view text) {
    if (text.size() > COLOR_TEXT_LENGTH) throw "color text longer than its field";
    ColorText padded{};
    for (std::size_t k = 0; k < COLOR_TEXT_LENGTH; ++k) padded[k] = k < text.size() ? text[k] : ' ';
    return padded;
}

// The whole text of `color_index` in a table indexed from 1 (entry 0 is never
// used); the writers check every index before they look one up.
template <std::size_t Size>
std::string_view color_text(const std::array<ColorText, Size>& table, std::int32_t color_index) {
    assert(color_index >= 1 && static_cast<std::size_t>(color_index) < Size);
    const ColorText& text = table[static_cast<std::size_t>(color_index)];
    return {text.data(), text.size()};
}

}  // namespace sferonda
