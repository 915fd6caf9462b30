#include "driver/dispatcher.hpp"

#include <algorithm>
#include <cmath>

#include "driver/display_types.hpp"
#include "records/layout.hpp"
#include "records/record_write.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"
#include "writers/polyray_writer.hpp"
#include "writers/pov_full_writer.hpp"
#include "writers/pov_pre_writer.hpp"
#include "writers/pov_worm_writer.hpp"
#include "writers/pseudo_pdb_writer.hpp"
#include "writers/vrml_writer.hpp"

namespace sferonda {

namespace {

constexpr int CONSOLE = CONSOLE_OUTPUT_UNIT;

// What the dispatcher prepares for the writers of one case.
struct CaseOutput {
    Name output_file_name;
    float first_radius = 0.0f;
    std::int32_t first_bead_color = 0;
};

PdbConnectorPairs& pdb_connector_pairs() {
    static PdbConnectorPairs pairs{};
    return pairs;
}

// Every bead is compared with the first one only, in double precision:
// with a first radius of 0 the quotient is infinite or not a number, and
// only an infinite one counts as unequal.
bool has_unequal_beads(const BeadModel& model, float first_radius) {
    const double limit = 0.1f;
    for (std::int32_t i = 2; i <= model.bead_count; ++i) {
        double relative = (double(model.bead_radius[i]) - double(first_radius)) / double(first_radius);
        if (std::fabs(relative) > limit) return true;
    }
    return false;
}

void apply_pseudo_pdb_limits(const BeadModel& model, CaseOutput& prepared) {
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

bool run_writer(std::int32_t display_type, const BeadModel& model, const CaseOutput& prepared,
                int output_unit) {
    const Name& name = prepared.output_file_name;
    switch (display_type) {
        case 1:
            return MODPB2(model.bead_count, prepared.first_radius, model, model.connector_count,
                          pdb_connector_pairs(), name, output_unit);
        case 2: return MODPOVPRE(model, output_unit, name);
        case 3: return MODPOVFULL(model, output_unit, name);
        case 4: return MODPOVWORM(model, prepared.first_bead_color, output_unit, name);
        case 5: return MODPOLYRAY(model, output_unit, name);
        default: return MODVRML(model, output_unit, name);
    }
}

}  // namespace

Name build_output_file_name(const Name& output_name, std::string_view extension) {
    std::string_view whole = as_view(output_name);
    std::string_view stem = whole.substr(0, std::min(whole.find(' '), whole.size()));
    Name file_name = make_name(stem);
    std::size_t room = file_name.size() - stem.size();
    std::copy_n(extension.begin(), std::min(room, extension.size()), file_name.begin() + stem.size());
    return file_name;
}

void BUILDSFERONDA(std::int32_t display_type, const BeadModel& model, int log_unit, int output_unit,
                   const Name& output_name) {
    static const Layout invalid_type("'*** ERROR Display type ',I1,' not valid in this version','of Sferonda'");
    static const Layout file_will_be("'   * Output file will be :',A30");
    static const Layout by_unit("'     by Fortran unit :',I2");
    static const Layout generated("' Visualization file has been generated:',A30");

    if (!is_valid_display_type(display_type)) {
        write_formatted(CONSOLE, invalid_type, {display_type});
        stop_run();
    }
    const DisplayType& type = DISPLAY_TYPES[display_type];
    write_text_record(log_unit, type.log_label);

    CaseOutput prepared;
    if (display_type == 1) apply_pseudo_pdb_limits(model, prepared);
    // A model without beads has no bead 1 whose color could be read.
    if (display_type == 4 && model.bead_count >= 1) prepared.first_bead_color = model.bead_color[1];
    prepared.output_file_name = build_output_file_name(output_name, type.extension);

    write_formatted(CONSOLE, file_will_be, {prepared.output_file_name});
    write_formatted(log_unit, file_will_be, {prepared.output_file_name});
    write_formatted(log_unit, by_unit, {output_unit});
    if (run_writer(display_type, model, prepared, output_unit)) {
        write_formatted(log_unit, generated, {prepared.output_file_name});
    }
}

}  // namespace sferonda
