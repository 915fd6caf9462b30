#pragma once
// Whether a scene's text holds a value written as not a number or an
// infinity, in any spelling an F or E field can give: "NaN", " Infinity",
// " -Infinity" and the cut forms of narrow fields (" Inf", "-In", asterisks
// where even "NaN" does not fit).

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

namespace sferonda::fuzzing {

// The cut forms " I", "-I" and " In" end a narrow field: no letter follows them.
inline bool holds_cut_infinity(std::string_view lower) {
    for (std::string_view cut : {" i", "-i", " in"}) {
        for (std::size_t at = lower.find(cut); at != std::string_view::npos; at = lower.find(cut, at + 1)) {
            const std::size_t next = at + cut.size();
            if (next == lower.size() || !std::isalpha(static_cast<unsigned char>(lower[next]))) return true;
        }
    }
    return false;
}

// The fixed texts of the POV-Ray and VRML scenes hold none of these pieces.
inline bool holds_non_finite_spelling(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (std::string_view piece : {"nan", "inf", "-in", "*"}) {
        if (lower.find(piece) != std::string::npos) return true;
    }
    return holds_cut_infinity(lower);
}

}  // namespace sferonda::fuzzing
