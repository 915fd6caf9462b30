#pragma once
// What the first bytes of an input say about its text: Notepad and
// PowerShell open UTF-8 with a byte order mark, and may save UTF-16, whose
// every other byte is a NUL to a reader of single bytes.

#include <cstddef>
#include <string_view>

namespace sferonda {

class Units;

enum class TextStart {
    Undecided,  // the bytes so far begin a mark: more are needed to tell
    Plain,
    Utf8Mark,   // EF BB BF, read as nothing
    Utf16,      // FF FE or FE FF
};

inline constexpr std::string_view UTF8_MARK = "\xEF\xBB\xBF";

// `start`: the first bytes of the input, `whole` when no more follow.
constexpr TextStart text_start(std::string_view start, bool whole) {
    for (const std::string_view mark : {UTF8_MARK, std::string_view("\xFF\xFE"), std::string_view("\xFE\xFF")}) {
        if (start.starts_with(mark)) return mark == UTF8_MARK ? TextStart::Utf8Mark : TextStart::Utf16;
        if (!whole && mark.starts_with(start)) return TextStart::Undecided;
    }
    return TextStart::Plain;
}

// The console record that says the input on `unit` is UTF-16 and how to
// save it as UTF-8, then the conversion error that its first value would be.
[[noreturn]] void refuse_utf16_text(Units& units, int unit);

}  // namespace sferonda
