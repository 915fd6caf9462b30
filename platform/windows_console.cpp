// Windows: the console window and the command line in UTF-8. A console
// window takes and gives bytes in its own code page (437 in many places),
// which would mangle every name that is not ASCII; its UTF-16 calls do not
// depend on that code page.
#include "platform/windows_console.hpp"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include "platform/platform.hpp"

namespace sferonda {

namespace {

bool is_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// How many bytes the UTF-8 sequence that `lead` begins has; 0 for a byte
// that begins none.
std::size_t sequence_length(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// How many of `bytes` come before a sequence at their end whose last bytes
// are still to come: all of them when there is none. Such a sequence begins
// at most three bytes before the end.
std::size_t whole_sequences_length(std::string_view bytes) {
    std::size_t start = bytes.size();
    while (start > 0 && bytes.size() - start < 3 && is_continuation(bytes[start - 1])) --start;
    if (start == 0) return bytes.size();
    const std::size_t lead = start - 1;
    return sequence_length(bytes[lead]) > bytes.size() - lead ? lead : bytes.size();
}

bool is_high_surrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }


}  // namespace

std::wstring utf16_of(std::string_view text) {
    if (text.empty()) return {};
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring converted(std::size_t(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), converted.data(), length);
    return converted;
}

std::string utf8_of(std::wstring_view text) {
    if (text.empty()) return {};
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string converted(std::size_t(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), converted.data(), length, nullptr, nullptr);
    return converted;
}

std::wstring Utf8ToConsole::convert(std::string_view bytes) {
    held_.append(bytes);
    const std::size_t whole = whole_sequences_length(held_);
    std::wstring text = utf16_of(std::string_view(held_).substr(0, whole));
    held_.erase(0, whole);
    return text;
}

std::string ConsoleToUtf8::convert(std::wstring_view typed) {
    held_.append(typed);
    const std::size_t whole = held_.size() - (!held_.empty() && is_high_surrogate(held_.back()) ? 1 : 0);
    std::string text = utf8_of(std::wstring_view(held_).substr(0, whole));
    held_.erase(0, whole);
    return text;
}

namespace {

// Each standard descriptor that is a console window keeps what a write or a
// read left half done.
struct ConsoleStream {
    Utf8ToConsole shown;
    ConsoleToUtf8 typed;
    std::string ready;  // read and converted, not yet taken
};

ConsoleStream& standard_stream(int fd) {
    static ConsoleStream streams[3];
    return streams[fd];
}

// The console window that `fd` is, or none. Only the standard descriptors
// can be one: the files the program opens never are.
HANDLE console_of(int fd) {
    if (fd < 0 || fd > 2) return nullptr;
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !::GetConsoleMode(handle, &mode)) return nullptr;
    return handle;
}

// Older consoles refuse a single write of some tens of thousands of characters.
constexpr std::size_t CONSOLE_WRITE_LIMIT = 8192;

bool show(HANDLE console, std::wstring_view text) {
    while (!text.empty()) {
        std::size_t count = std::min(text.size(), CONSOLE_WRITE_LIMIT);
        if (count < text.size() && is_high_surrogate(text[count - 1])) --count;  // a pair stays in one write
        DWORD written = 0;
        if (!::WriteConsoleW(console, text.data(), DWORD(count), &written, nullptr) || written == 0) return false;
        text.remove_prefix(written);
    }
    return true;
}

enum class TypedRead { Text, End, Failure };

// A read that begins with Ctrl-Z is the end of the input, as the console's
// byte reads tell it.
TypedRead read_typed_text(HANDLE console, ConsoleStream& stream) {
    wchar_t typed[4096];
    DWORD count = 0;
    if (!::ReadConsoleW(console, typed, DWORD(std::size(typed)), &count, nullptr)) return TypedRead::Failure;
    if (count == 0 || typed[0] == L'\x1a') return TypedRead::End;
    stream.ready = stream.typed.convert(std::wstring_view(typed, count));
    return TypedRead::Text;
}

}  // namespace

std::ptrdiff_t write_console_or_file(int fd, std::string_view bytes) {
    const HANDLE console = console_of(fd);
    if (console == nullptr) return ::_write(fd, bytes.data(), unsigned(std::min<std::size_t>(bytes.size(), INT_MAX)));
    if (!show(console, standard_stream(fd).shown.convert(bytes))) {
        errno = EIO;
        return -1;
    }
    return std::ptrdiff_t(bytes.size());
}

std::ptrdiff_t read_console_or_file(int fd, char* buffer, std::size_t size) {
    const HANDLE console = console_of(fd);
    if (console == nullptr) return ::_read(fd, buffer, unsigned(std::min<std::size_t>(size, INT_MAX)));
    ConsoleStream& stream = standard_stream(fd);
    // Only the first half of a surrogate pair typed: read on for the second.
    while (stream.ready.empty()) {
        switch (read_typed_text(console, stream)) {
            case TypedRead::Text: break;
            case TypedRead::End: return 0;
            case TypedRead::Failure: errno = EIO; return -1;
        }
    }
    const std::size_t taken = stream.ready.copy(buffer, size);
    stream.ready.erase(0, taken);
    return std::ptrdiff_t(taken);
}

// From the system's UTF-16 command line: the C library's arguments are in
// the code page that the manifest sets only from Windows 10 1903 on.
std::vector<std::string> command_line_arguments(int argc, char** argv) {
    int count = 0;
    wchar_t** const wide_arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide_arguments == nullptr) return std::vector<std::string>(argv + 1, argv + argc);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(utf8_of(wide_arguments[i]));
    ::LocalFree(wide_arguments);
    return arguments;
}

}  // namespace sferonda
