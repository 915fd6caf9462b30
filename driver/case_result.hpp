#pragma once
// What a run tells its host about each case besides the console's text:
// filled as the case driver, the dispatcher and the writers go.

#include <cstdint>
#include <string>

namespace sferonda {

struct Run;

struct CaseResult {
    std::int32_t display_type = 0;  // 0 for the glTF command
    std::string coordinates;        // the three names as the case gave them
    std::string colors;
    std::string output_name;
    std::string file_name;  // the output file's
    bool written = false;
    // The console's lines that refused the file, one line feed between two
    // lines; empty when written, or when a fatal error ended the run (its
    // ending tells why).
    std::string refusal;
    std::int32_t beads = 0;
    std::int32_t connectors = 0;
    std::int32_t omitted_beads = 0;  // from the drawing
    std::int32_t omitted_connectors = 0;
};

// The case under way: a new one when the run has none yet.
CaseResult& current_case(Run& run);

// While one lives, what the console shows is the current case's refusal,
// kept whether the scope ends, or a stop or a fatal error ends it.
class RefusalLines {
public:
    explicit RefusalLines(Run& run);
    ~RefusalLines();
    RefusalLines(const RefusalLines&) = delete;
    RefusalLines& operator=(const RefusalLines&) = delete;

private:
    Run& run_;
};

}  // namespace sferonda
