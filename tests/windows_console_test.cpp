// Windows only: the console window's text, UTF-8 written in pieces shown as
// UTF-16, and UTF-16 typed read in pieces as UTF-8, whatever the pieces cut.
#include "platform/windows_console.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sferonda {
namespace {

struct Written {
    const char* what;
    std::vector<std::string> pieces;
    std::vector<std::wstring> shown;  // after each piece
};

// U+00E8 is C3 A8, U+20AC is E2 82 AC, U+1D11E is F0 9D 84 9E (D834 DD1E in UTF-16).
const Written WRITTEN[] = {
    {"two-byte sequence split", {"mod\xC3", "\xA8le"}, {L"mod", L"\u00E8le"}},
    {"three bytes split after two", {"\xE2\x82", "\xAC"}, {L"", L"\u20AC"}},
    {"three bytes split after one", {"\xE2", "\x82\xAC"}, {L"", L"\u20AC"}},
    {"four bytes split after three", {"a\xF0\x9D\x84", "\x9E"}, {L"a", L"\xD834\xDD1E"}},
    {"four bytes one at a time", {"\xF0", "\x9D", "\x84", "\x9E"}, {L"", L"", L"", L"\xD834\xDD1E"}},
    {"whole sequences not held", {"\xC3\xA8", "\xF0\x9D\x84\x9E"}, {L"\u00E8", L"\xD834\xDD1E"}},
    {"a byte that begins nothing", {"\xFF"}, {L"\uFFFD"}},
    {"a continuation without its lead", {"\xA8"}, {L"\uFFFD"}},
    {"a lead cut off by another character", {"\xC3", "A"}, {L"", L"\uFFFD" L"A"}},
    {"a sequence cut off by the line end", {"x\xE2\x82\r\n"}, {L"x\uFFFD\r\n"}},
};

TEST(Utf8ToConsole, ShowsWholeCharactersWhereverThePiecesCut) {
    for (const Written& example : WRITTEN) {
        Utf8ToConsole console;
        for (std::size_t i = 0; i < example.pieces.size(); ++i) {
            EXPECT_EQ(console.convert(example.pieces[i]), example.shown[i]) << example.what << ", piece " << i;
        }
    }
}

struct Typed {
    const char* what;
    std::vector<std::wstring> pieces;
    std::vector<std::string> read;  // after each piece
};

const Typed TYPED[] = {
    {"letters of the console's code page and others", {L"entr\u00E9e \u20AC\r\n"}, {"entr\xC3\xA9" "e \xE2\x82\xAC\r\n"}},
    {"surrogate pair in one piece", {L"\xD834\xDD1E"}, {"\xF0\x9D\x84\x9E"}},
    {"surrogate pair split", {L"a\xD834", L"\xDD1E" L"b"}, {"a", "\xF0\x9D\x84\x9E" "b"}},
    {"first half alone", {L"\xD834", L"x"}, {"", "\xEF\xBF\xBD" "x"}},
    {"second half alone", {L"\xDD1E"}, {"\xEF\xBF\xBD"}},
};

TEST(ConsoleToUtf8, ReadsWholeCharactersWhereverThePiecesCut) {
    for (const Typed& example : TYPED) {
        ConsoleToUtf8 console;
        for (std::size_t i = 0; i < example.pieces.size(); ++i) {
            EXPECT_EQ(console.convert(example.pieces[i]), example.read[i]) << example.what << ", piece " << i;
        }
    }
}

}  // namespace
}  // namespace sferonda
