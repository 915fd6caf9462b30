#include "writers/pseudo_pdb_writer.hpp"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>
#include <span>
#include <string>
#include <utility>

#include "driver/run.hpp"
#include "records/layout.hpp"
#include "records/record_write.hpp"
#include "records/units.hpp"
#include "records/value.hpp"

namespace sferonda {

namespace {

// The radius, in the file's length units, that every bead is scaled to:
// about an atom's, so that molecular viewers draw and bond the beads as
// atoms. The float nearest to 1.4.
constexpr float PDB_BEAD_RADIUS = 1.4f;

// "CONECT", then the bead's own number and the beads bonded to it, an I5
// field each, in one repeated group.
std::string conect_notation() { return "'CONECT'," + std::to_string(MAXCON + 1) + "(I5)"; }

bool is_bead(std::int32_t number, std::int32_t bead_count) { return number >= 1 && number <= bead_count; }

// Each connector lists its second bead under its first and its first under
// its second, the first end before the second, connectors in order. An end
// outside 1..bead_count owns no record, but the other end still lists it.
// One counting pass and one filling pass, so that 5000 connectors on 10000
// beads cost no more than reading them twice.
void collect_bonds(std::int32_t bead_count, std::int32_t connector_count, const PdbConnectorPairs& pairs,
                   BondTable& table) {
    auto& first = table.first;
    std::fill(first.begin(), first.begin() + std::max(bead_count, 0) + 3, 0);
    // Counted two places up: the running sum then leaves bead i's start in
    // first[i + 1], and the filling pass moves it on to bead i + 1's start.
    for (std::int32_t j = 1; j <= connector_count; ++j) {
        for (std::int32_t end : pairs[j]) {
            if (is_bead(end, bead_count)) ++first[end + 2];
        }
    }
    for (std::int32_t i = 3; i <= bead_count + 2; ++i) first[i] += first[i - 1];
    for (std::int32_t j = 1; j <= connector_count; ++j) {
        const auto [column_1, column_2] = pairs[j];
        if (is_bead(column_1, bead_count)) table.bonded[first[column_1 + 1]++] = column_2;
        if (is_bead(column_2, bead_count)) table.bonded[first[column_2 + 1]++] = column_1;
    }
}

void write_atoms(Run& run, int unit, std::int32_t bead_count, float pdb_scale, const BeadModel& model) {
    // 1-4 "ATOM"  5-11 I7 bead number  12-13 blanks  14 A1 "O"  15-30 blanks
    // 31-38 F8.3 scaled x  39-46 F8.3 scaled y  47-54 F8.3 scaled z
    static const Layout atom("'ATOM',I7,2X,A1,16X,3F8.3");
    for (std::int32_t i = 1; i <= bead_count; ++i) {
        const float x = pdb_scale * model.bead_x[i];
        const float y = pdb_scale * model.bead_y[i];
        const float z = pdb_scale * model.bead_z[i];
        write_formatted(run, unit, atom, {i, "O", x, y, z});
    }
}

void write_conect(Run& run, int unit, std::int32_t bead, std::span<const std::int32_t> bonded) {
    // 1-6 "CONECT"  7-11 I5 bead number  then I5 per bonded bead, as many as
    // there are (at most MAXCON + 1 = 41 fields, 211 columns), no trailing blanks
    static const Layout conect(conect_notation());
    ConectFields& fields = run.pseudo_pdb.conect_fields;
    fields[0] = Value(bead);
    for (std::size_t k = 0; k < bonded.size(); ++k) fields[k + 1] = Value(bonded[k]);
    write_formatted(run, unit, conect, std::span<const Value>(fields.data(), bonded.size() + 1));
}

// False at the first bead with more bonded beads than a record holds; the
// records of the beads before it are written.
bool write_conects(Run& run, int unit, std::int32_t bead_count, const BondTable& table) {
    for (std::int32_t i = 1; i <= bead_count; ++i) {
        const std::int32_t count = table.first[i + 1] - table.first[i];
        if (count > MAXCON) return false;
        if (count > 0) write_conect(run, unit, i, std::span(table.bonded).subspan(table.first[i], count));
    }
    return true;
}

}  // namespace

bool MODPB2(Run& run, std::int32_t bead_count, float first_radius, const BeadModel& model,
            std::int32_t connector_count, const PdbConnectorPairs& pdb_connector_pairs,
            const Name& output_file_name, int output_unit) {
    assert(bead_count <= MAX_BEADS && connector_count <= MAX_PDB_CONNECTORS);
    open_unknown(run, output_unit, trimmed(output_file_name));

    // A first radius of 0 gives an infinite scale; the fields then show
    // Infinity or NaN, as the file has no other way to tell.
    const float pdb_scale = PDB_BEAD_RADIUS / first_radius;
    write_atoms(run, output_unit, bead_count, pdb_scale, model);

    BondTable& table = run.pseudo_pdb.bonds;
    collect_bonds(bead_count, connector_count, pdb_connector_pairs, table);
    const bool complete = write_conects(run, output_unit, bead_count, table);
    if (!complete) {
        RefusalLines refusal(run);
        write_list(run, CONSOLE_OUTPUT_UNIT, {"Error in MODPB2: maxcon exceeded"});
    }
    close_unit(run, output_unit);
    return complete;
}

}  // namespace sferonda
