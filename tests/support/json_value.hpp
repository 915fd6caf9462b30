#pragma once
// A small JSON reader for tests that look inside the glTF files: enough of
// the format for documents that the program writes, strict about syntax.

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace sferonda::testing {

struct JsonValue {
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0.0;
    std::string text;
    std::vector<JsonValue> items;
    std::map<std::string, JsonValue, std::less<>> members;

    bool has(std::string_view key) const { return members.find(key) != members.end(); }
    // Throw std::out_of_range for a missing member or item.
    const JsonValue& operator[](std::string_view key) const;
    const JsonValue& operator[](std::size_t index) const { return items.at(index); }
    std::size_t size() const { return kind == Kind::Object ? members.size() : items.size(); }
};

// The value of a whole document; std::runtime_error on any syntax error or
// on text after the value.
JsonValue parse_json(std::string_view text);

}  // namespace sferonda::testing
