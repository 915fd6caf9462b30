#pragma once
// The scratch folder of a fuzz harness: one per process, with a path short
// enough that a file in it still fits in a 30-character output name.

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace sferonda::fuzzing {

class HarnessScratch {
public:
    // In memory when the machine offers it: every input writes files.
    HarnessScratch() {
        for (const char* pattern : {"/dev/shm/sfzXXXXXX", "/tmp/sfzXXXXXX"}) {
            std::string path = pattern;
            if (::mkdtemp(path.data()) == nullptr) continue;
            path_ = path;
            return;
        }
        throw std::runtime_error("mkdtemp failed");
    }
    ~HarnessScratch() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    HarnessScratch(const HarnessScratch&) = delete;
    HarnessScratch& operator=(const HarnessScratch&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Removed when the process ends normally.
inline const HarnessScratch& harness_scratch() {
    static const HarnessScratch scratch;
    return scratch;
}

}  // namespace sferonda::fuzzing
