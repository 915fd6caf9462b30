#pragma once
// Fixed-length, blank-padded texts: every name the program reads or builds.

#include <algorithm>
#include <array>
#include <string_view>

namespace sferonda {

constexpr int NAME_LENGTH = 30;

// A name field of 30 characters padded with blanks on the right.
using Name = std::array<char, NAME_LENGTH>;

inline std::string_view as_view(const Name& name) {
    return {name.data(), name.size()};
}

// The name without its trailing blanks, as it is used to open a file.
inline std::string_view trimmed(const Name& name) {
    std::size_t length = name.size();
    while (length > 0 && name[length - 1] == ' ') --length;
    return {name.data(), length};
}

// `text` cut or blank-padded to the 30 characters of a name.
inline Name make_name(std::string_view text) {
    Name name;
    name.fill(' ');
    std::copy_n(text.begin(), std::min(text.size(), name.size()), name.begin());
    return name;
}

}  // namespace sferonda
