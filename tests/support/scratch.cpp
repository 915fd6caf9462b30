#include "tests/support/scratch.hpp"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace sferonda::testing {

ScratchDirectory::ScratchDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "sferonda-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void ScratchDirectory::write(std::string_view name, std::string_view content) const {
    std::ofstream out(file(name), std::ios::binary);
    out << content;
}

std::string ScratchDirectory::read(std::string_view name) const { return read_whole_file(file(name)); }

bool ScratchDirectory::exists(std::string_view name) const { return std::filesystem::exists(file(name)); }

std::string read_whole_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string crlf_lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string with_folder(std::string text, const std::string& folder) {
    const std::string placeholder = "{dir}";
    for (std::size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at)) {
        text.replace(at, placeholder.size(), folder);
        at += folder.size();
    }
    return text;
}

}  // namespace sferonda::testing
