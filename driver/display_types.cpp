#include "driver/display_types.hpp"

#include "driver/run.hpp"
#include "records/record_write.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"
#include "writers/model_checks.hpp"
#include "writers/polyray_writer.hpp"
#include "writers/pov_full_writer.hpp"
#include "writers/pov_pre_writer.hpp"
#include "writers/pov_worm_writer.hpp"
#include "writers/pseudo_pdb_writer.hpp"
#include "writers/vrml_writer.hpp"

namespace sferonda {

namespace {

constexpr int CONSOLE = CONSOLE_OUTPUT_UNIT;

// The pseudo-PDB limits: one size for every bead, and at most
// MAX_PDB_CONNECTORS connectors, copied as pairs of bead numbers.
void prepare_pseudo_pdb(Run& run, const BeadModel& model, PreparedCase& prepared) {
    prepared.first_radius = model.bead_count >= 1 ? model.bead_radius[1] : 0.0f;
    if (has_unequal_beads(model, prepared.first_radius)) {
        WarningLines warning(run);
        write_list(run, CONSOLE, {"* ---- WARNING: Unequal beads; all taken as bead 1"});
    }
    if (model.connector_count > MAX_PDB_CONNECTORS) {
        RefusalLines refusal(run);
        write_list(run, CONSOLE, {"* ****ERROR SUBROUTINE BUILDSFERONDA"});
        write_list(run, CONSOLE, {"      Number of connectors", model.connector_count, " greater than dimension",
                             MAX_PDB_CONNECTORS});
        stop_run();
    }
    PdbConnectorPairs& pairs = run.pseudo_pdb.connector_pairs;
    for (std::int32_t j = 1; j <= model.connector_count; ++j) {
        pairs[j] = {model.connector_first[j], model.connector_second[j]};
    }
}

// A model without beads has no bead 1 whose color could be read.
void prepare_sweep_color(Run&, const BeadModel& model, PreparedCase& prepared) {
    if (model.bead_count >= 1) prepared.first_bead_color = model.bead_color[1];
}

void prepare_nothing(Run&, const BeadModel&, PreparedCase&) {}

bool write_pseudo_pdb(Run& run, const BeadModel& model, const PreparedCase& prepared, int output_unit) {
    return MODPB2(run, model.bead_count, prepared.first_radius, model, model.connector_count,
                  run.pseudo_pdb.connector_pairs, prepared.output_file_name, output_unit);
}

bool write_pov_pre(Run& run, const BeadModel& model, const PreparedCase& prepared, int output_unit) {
    return MODPOVPRE(run, model, output_unit, prepared.output_file_name);
}

bool write_pov_full(Run& run, const BeadModel& model, const PreparedCase& prepared, int output_unit) {
    return MODPOVFULL(run, model, output_unit, prepared.output_file_name);
}

bool write_pov_worm(Run& run, const BeadModel& model, const PreparedCase& prepared, int output_unit) {
    return MODPOVWORM(run, model, prepared.first_bead_color, output_unit, prepared.output_file_name);
}

bool write_polyray(Run& run, const BeadModel& model, const PreparedCase& prepared, int output_unit) {
    return MODPOLYRAY(run, model, output_unit, prepared.output_file_name);
}

bool write_vrml(Run& run, const BeadModel& model, const PreparedCase& prepared, int output_unit) {
    return MODVRML(run, model, output_unit, prepared.output_file_name);
}

}  // namespace

const DisplayType DISPLAY_TYPES[DISPLAY_TYPE_COUNT + 1] = {
    {"", "", nullptr, nullptr},
    {".bea", "  * Type of graphics file: Pseudo-PDB", prepare_pseudo_pdb, write_pseudo_pdb},
    {".ppv", "  * Type of graphics file: Pre - POV", prepare_nothing, write_pov_pre},
    {".pov", "  * Type of graphics file: Full POV", prepare_nothing, write_pov_full},
    {"-worm.pov", "  * Type of graphics file: Wormlike full POV", prepare_sweep_color, write_pov_worm},
    {".pi", "  * Type of graphics file: Pre - POLYRAY", prepare_nothing, write_polyray},
    {".vrml", "  * Type of graphics file: VRML 2.0", prepare_nothing, write_vrml},
};

}  // namespace sferonda
