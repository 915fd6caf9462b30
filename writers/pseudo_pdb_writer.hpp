#pragma once

#include <cstdint>

#include "driver/bead_model.hpp"
#include "records/text.hpp"
#include "writers/pseudo_pdb_tables.hpp"

namespace sferonda {

struct Run;

// Writes the pseudo-PDB file: one ATOM record per bead, scaled so that
// `first_radius` becomes 1.4, and one CONECT record per bonded bead. Only the
// bead centres of `model` are read. Returns false when a bead has more
// bonded beads than a CONECT record holds (the file then stops short).
bool MODPB2(Run& run, std::int32_t bead_count, float first_radius, const BeadModel& model,
            std::int32_t connector_count, const PdbConnectorPairs& pdb_connector_pairs,
            const Name& output_file_name, int output_unit);

}  // namespace sferonda
