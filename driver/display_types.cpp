#include "driver/display_types.hpp"

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

PdbConnectorPairs& pdb_connector_pairs() {
    static PdbConnectorPairs pairs{};
    return pairs;
}

// The pseudo-PDB limits: one size for every bead, and at most
// MAX_PDB_CONNECTORS connectors, copied as pairs of bead numbers.
void prepare_pseudo_pdb(const BeadModel& model, PreparedCase& prepared) {
    prepared.first_radius = model.bead_count >= 1 ? model.bead_radius[1] : 0.0f;
    if (has_unequal_beads(model, prepared.first_radius)) {
        write_list(CONSOLE, {"* ---- WARNING: Unequal beads; all taken as bead 1"});
    }
    if (model.connector_count > MAX_PDB_CONNECTORS) {
        write_list(CONSOLE, {"* ****ERROR SUBROUTINE BUILDSFERONDA"});
        write_list(CONSOLE, {"      Number of connectors", model.connector_count, " greater than dimension",
                             MAX_PDB_CONNECTORS});
        stop_run();
    }
    PdbConnectorPairs& pairs = pdb_connector_pairs();
    for (std::int32_t j = 1; j <= model.connector_count; ++j) {
        pairs[j] = {model.connector_first[j], model.connector_second[j]};
    }
}

// A model without beads has no bead 1 whose color could be read.
void prepare_sweep_color(const BeadModel& model, PreparedCase& prepared) {
    if (model.bead_count >= 1) prepared.first_bead_color = model.bead_color[1];
}

void prepare_nothing(const BeadModel&, PreparedCase&) {}

bool write_pseudo_pdb(const BeadModel& model, const PreparedCase& prepared, int output_unit) {
    return MODPB2(model.bead_count, prepared.first_radius, model, model.connector_count, pdb_connector_pairs(),
                  prepared.output_file_name, output_unit);
}

bool write_pov_pre(const BeadModel& model, const PreparedCase& prepared, int output_unit) {
    return MODPOVPRE(model, output_unit, prepared.output_file_name);
}

bool write_pov_full(const BeadModel& model, const PreparedCase& prepared, int output_unit) {
    return MODPOVFULL(model, output_unit, prepared.output_file_name);
}

bool write_pov_worm(const BeadModel& model, const PreparedCase& prepared, int output_unit) {
    return MODPOVWORM(model, prepared.first_bead_color, output_unit, prepared.output_file_name);
}

bool write_polyray(const BeadModel& model, const PreparedCase& prepared, int output_unit) {
    return MODPOLYRAY(model, output_unit, prepared.output_file_name);
}

bool write_vrml(const BeadModel& model, const PreparedCase& prepared, int output_unit) {
    return MODVRML(model, output_unit, prepared.output_file_name);
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
