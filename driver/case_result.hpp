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
    // The console's warning lines of a file written all the same, one line
    // feed between two lines.
    std::string warnings;
    std::int32_t beads = 0;
    std::int32_t connectors = 0;
    std::int32_t omitted_beads = 0;  // from the drawing
    std::int32_t omitted_connectors = 0;
};

// The case under way: a new one when the run has none yet.
CaseResult& current_case(Run& run);

// While one lives, what the console shows is kept in a text of the current
// case, whether the scope ends, or a stop or a fatal error ends it.
class CaseLines {
public:
    CaseLines(Run& run, std::string CaseResult::*kept);
    ~CaseLines();
    CaseLines(const CaseLines&) = delete;
    CaseLines& operator=(const CaseLines&) = delete;

private:
    Run& run_;
    std::string CaseResult::*kept_;
};

// The lines that refuse the current case's file.
class RefusalLines : public CaseLines {
public:
    explicit RefusalLines(Run& run) : CaseLines(run, &CaseResult::refusal) {}
};

// The lines that warn of something in a file written all the same.
class WarningLines : public CaseLines {
public:
    explicit WarningLines(Run& run) : CaseLines(run, &CaseResult::warnings) {}
};

}  // namespace sferonda
