#include "tests/support/scratch.hpp"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/platform.hpp"

namespace sferonda::testing {

// A new folder of a name of its own (mkdtemp's work, which Windows lacks).
ScratchDirectory::ScratchDirectory() {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto candidate = std::filesystem::temp_directory_path() / ("sferonda-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate.string();
            return;
        }
    }
    throw std::runtime_error("no new scratch folder");
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

std::string console_lines_with_lf(const std::string& captured) {
    if (console_line_end() == LineEnd::Lf) return captured;
    std::string text;
    for (std::size_t at = 0; at < captured.size(); ++at) {
        if (captured[at] == '\r' && at + 1 < captured.size() && captured[at + 1] == '\n') continue;
        text += captured[at] == '\n' && (at == 0 || captured[at - 1] != '\r') ? "<LF without CR>\n" : captured.substr(at, 1);
    }
    return text;
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
