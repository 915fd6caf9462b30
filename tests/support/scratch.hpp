#pragma once
// A scratch folder per test, and whole-file reads, for tests that look at
// what the program wrote.

#include <initializer_list>
#include <string>
#include <string_view>

namespace sferonda::testing {

class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::string& path() const { return path_; }
    std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }
    void write(std::string_view name, std::string_view content) const;
    std::string read(std::string_view name) const;
    bool exists(std::string_view name) const;

private:
    std::string path_;
};

std::string read_whole_file(const std::string& path);

// `text` with every "{dir}" replaced by `folder`: expected lines that name a
// scratch folder's files.
std::string with_folder(std::string text, const std::string& folder);

// What the console wrote, captured in memory, with its lines ended by LF as
// the tests expect them: on a system whose console ends them with CR LF,
// every line feed must follow a CR, which is dropped (a bare one shows as
// "<LF without CR>").
std::string console_lines_with_lf(const std::string& captured);

// Lines of LF-separated text joined with CR LF, as every file line ends.
std::string crlf_lines(std::initializer_list<std::string_view> lines);

}  // namespace sferonda::testing
