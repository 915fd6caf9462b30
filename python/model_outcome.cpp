#include "python/model_outcome.hpp"

#include "python/batch_files.hpp"
#include "python/text_bytes.hpp"

namespace sferonda::python {

ModelOutcome outcome_of(const MemoryRunResult& run) {
    ModelOutcome outcome;
    outcome.ending = ending_name(run.ending);
    outcome.status = run.status;
    outcome.console = decoded(run.console);
    outcome.fatal_line = decoded(run.fatal_line);
    outcome.error_number = run.error_number;
    outcome.unit = run.fatal_unit;
    outcome.file = decoded(run.fatal_file);
    if (!run.cases.empty()) {
        const CaseResult& last = run.cases.back();
        outcome.done = last.written && run.ending == RunEnding::Normal;
        outcome.refusal = decoded(last.refusal);
        outcome.warnings = decoded(last.warnings);
        outcome.name = decoded(last.file_name);
    }
    if (!run.files.empty()) outcome.data = py::bytes(run.files.front().bytes);
    return outcome;
}

}  // namespace sferonda::python
