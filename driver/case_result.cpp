#include "driver/case_result.hpp"

#include <new>

#include "driver/run.hpp"
#include "records/units.hpp"

namespace sferonda {

CaseResult& current_case(Run& run) {
    if (run.cases.empty()) run.cases.emplace_back();
    return run.cases.back();
}

CaseLines::CaseLines(Run& run, std::string CaseResult::*kept) : run_(run), kept_(kept) {
    output_unit(run, CONSOLE_OUTPUT_UNIT).start_copy();
}

namespace {

// The console's line ends, whatever the system's, become single line feeds.
std::string as_lines(const std::string& console) {
    std::string lines;
    for (std::size_t k = 0; k < console.size(); ++k) {
        if (console[k] == '\r' && k + 1 < console.size() && console[k + 1] == '\n') continue;
        lines += console[k];
    }
    if (!lines.empty() && lines.back() == '\n') lines.pop_back();
    return lines;
}

}  // namespace

CaseLines::~CaseLines() {
    std::string copy = output_unit(run_, CONSOLE_OUTPUT_UNIT).take_copy();
    // A run out of memory keeps its ending; the lines are the less.
    try {
        std::string& kept = current_case(run_).*kept_;
        if (!kept.empty()) kept += '\n';
        kept += as_lines(copy);
    } catch (const std::bad_alloc&) {
    }
}

}  // namespace sferonda
