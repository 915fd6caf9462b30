#pragma once
// How a unit ends its records: files with carriage return and line feed,
// the console with a line feed.

#include <string_view>

namespace sferonda {

enum class LineEnd { CrLf, Lf };

constexpr std::string_view line_end_text(LineEnd end) { return end == LineEnd::CrLf ? "\r\n" : "\n"; }

}  // namespace sferonda
