#pragma once
// The tables of the pseudo-PDB writer that one run keeps and reuses case
// after case, too large for the stack.

#include <array>
#include <cstdint>
#include <utility>

#include "driver/bead_model.hpp"
#include "records/value.hpp"

namespace sferonda {

constexpr int MAX_PDB_CONNECTORS = 5000;

// The most beads one CONECT record lists after its own bead number.
constexpr std::int32_t MAXCON = 40;

// Row j (from 1) holds the first bead number of connector j in column 0 and
// the second in column 1.
using PdbConnectorPairs = std::array<std::array<std::int32_t, 2>, MAX_PDB_CONNECTORS + 1>;

// Bonded beads of every bead, grouped by bead in the order the CONECT records
// list them: bead i owns entries first[i] .. first[i + 1] - 1. Each connector
// adds at most two entries, one per end.
struct BondTable {
    std::array<std::int32_t, MAX_BEADS + 3> first;
    std::array<std::int32_t, 2 * MAX_PDB_CONNECTORS> bonded;
};

// The values of one CONECT record, filled anew for each.
using ConectFields = std::array<Value, MAXCON + 1>;

template <std::size_t... Index>
ConectFields integer_values(std::index_sequence<Index...>) {
    return {((void)Index, Value(std::int32_t{0}))...};
}

struct PseudoPdbTables {
    PdbConnectorPairs connector_pairs{};
    BondTable bonds;
    ConectFields conect_fields = integer_values(std::make_index_sequence<MAXCON + 1>{});
};

}  // namespace sferonda
