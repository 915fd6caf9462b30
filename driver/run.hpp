#pragma once
// One run of the program: its units, its bead model and the writers'
// tables. Every routine of the driver and the writers is handed the run it
// works for, so that two runs may go side by side.

#include <vector>

#include "driver/bead_model.hpp"
#include "driver/case_result.hpp"
#include "records/units.hpp"
#include "writers/pseudo_pdb_tables.hpp"

namespace sferonda {

// Too large for a stack: made on the heap (std::make_unique<Run>()).
struct Run : Units {
    // The system's files from the working folder, or those of `files`.
    Run() = default;
    explicit Run(FileSystem& files) : Units(files) {}

    // Filled anew by every case; the entries beyond the case's counts keep
    // what an earlier case of the same run left in them.
    BeadModel model;
    PseudoPdbTables pseudo_pdb;
    std::vector<CaseResult> cases;
};

}  // namespace sferonda
