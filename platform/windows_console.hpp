#pragma once
// Windows only (platform/windows_console.cpp): text between the program's
// UTF-8 and the UTF-16 that a console window shows and reads, so that names
// are right whatever the console's code page.

#include <string>
#include <string_view>

namespace sferonda {

// Whole texts between UTF-8 and the UTF-16 of the system's calls.
std::wstring utf16_of(std::string_view text);
std::string utf8_of(std::wstring_view text);

// UTF-8 written in pieces, turned into UTF-16 for the console. A sequence
// whose last bytes are still to come is held back for the next piece; bytes
// that are no UTF-8 show as U+FFFD.
class Utf8ToConsole {
public:
    std::wstring convert(std::string_view bytes);

private:
    std::string held_;
};

// UTF-16 read from the console in pieces, turned into UTF-8. The first half
// of a surrogate pair at the end of a piece is held back for the next one; a
// half without its other half becomes U+FFFD.
class ConsoleToUtf8 {
public:
    std::string convert(std::wstring_view typed);

private:
    std::wstring held_;
};

}  // namespace sferonda
