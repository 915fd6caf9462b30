#pragma once
// A bead model for a host that keeps it between runs (the Python module):
// read from its two files with the program's reader, or handed over whole,
// its counts then checked as the reader checks its files'.

#include <memory>
#include <string_view>

#include "driver/bead_model.hpp"
#include "driver/in_memory_run.hpp"
#include "driver/model_reader.hpp"
#include "records/file_system.hpp"

namespace sferonda {

struct ModelReading {
    // The console shows what the reader said; the case's refusal, when the
    // reader refused the model, says why; a missing or unreadable file ends
    // the run with its fatal error.
    MemoryRunResult run;
    std::unique_ptr<BeadModel> model;  // when accepted, else null
};

// Reads the files named `coordinates` and `colors` of `files` as a case of
// the batch reads them, except that a problem goes on without a pause.
ModelReading read_model_files(FileSystem& files, std::string_view coordinates, std::string_view colors);

// A model of `counts` for the host to fill, its entries zero, once the
// counts pass the reader's refusals (accept_model_counts): a run that ends
// normally, its case written when they pass; made within the run, so that
// memory that cannot be had is its error 41.
MemoryRunResult make_model_of_counts(const ModelCounts& counts, std::shared_ptr<BeadModel>& model);

}  // namespace sferonda
