#pragma once
// A JSON text built in one string: numbers go in shortest form, to_chars's
// text, so that each float reads back as itself.

#include <array>
#include <charconv>
#include <concepts>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>

#include "records/shortest_digits.hpp"

namespace sferonda {

// The length of the well-formed UTF-8 sequence that `text` starts with, or 0.
inline std::size_t utf8_sequence_length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong form
        if (lead == 0xED) high = 0x9F;  // no surrogate
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    }
    return length;
}

class JsonText {
public:
    void append(std::string_view text) { text_.append(text); }
    void number(float value) {
        char digits[SHORTEST_BUFFER_SIZE];
        text_.append(digits, write_shortest(digits, value));
    }
    template <std::integral Integer>
    void number(Integer value) {
        char digits[32];
        text_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    }
    template <std::size_t N>
    void numbers(const std::array<float, N>& values) { numbers(std::span<const float>(values)); }
    void numbers(std::span<const float> values) {
        text_ += '[';
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (i > 0) text_ += ',';
            number(values[i]);
        }
        text_ += ']';
    }
    // A quoted string of any bytes: a name taken from a file name may hold
    // quotes, control characters or bytes that are not UTF-8, which JSON
    // cannot carry as they are; those become U+FFFD.
    void string(std::string_view text) {
        text_ += '"';
        while (!text.empty()) {
            const unsigned char c = static_cast<unsigned char>(text[0]);
            const std::size_t length = utf8_sequence_length(text);
            if (c == '"' || c == '\\') {
                text_ += '\\';
                text_ += char(c);
            } else if (c < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", c);
                text_ += escape;
            } else if (length == 0) {
                text_ += "\\ufffd";
            } else {
                text_.append(text.substr(0, length));
            }
            text.remove_prefix(length == 0 ? 1 : length);
        }
        text_ += '"';
    }
    // Opens an array or object member after the first with a comma.
    void separate(bool first) {
        if (!first) text_ += ',';
    }
    void reserve(std::size_t size) { text_.reserve(size); }
    void clear() { text_.clear(); }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

}  // namespace sferonda
