#pragma once
// The bead model shared by the reader, the dispatcher and the writers,
// with the fixed capacities and the unit numbers of every file.

#include <array>
#include <cstdint>

namespace sferonda {

constexpr int MAX_BEADS = 10000;
constexpr int MAX_CONNECTORS = 25000;

constexpr int MAIN_INPUT_UNIT = 1;
constexpr int LOG_UNIT = 2;
constexpr int COLORS_UNIT = 3;
constexpr int COORDINATES_UNIT = 4;
constexpr int OUTPUT_UNIT = 14;

// Arrays are indexed from 1, as the input files number beads and connectors;
// entry 0 is never used. Only entries 1..bead_count and 1..connector_count
// belong to the current case: the rest keeps whatever an earlier case left.
struct BeadModel {
    std::int32_t bead_count = 0;
    std::array<float, MAX_BEADS + 1> bead_x{};
    std::array<float, MAX_BEADS + 1> bead_y{};
    std::array<float, MAX_BEADS + 1> bead_z{};
    std::array<float, MAX_BEADS + 1> bead_radius{};
    std::array<std::int32_t, MAX_BEADS + 1> bead_color{};

    std::int32_t connector_count = 0;
    std::array<std::int32_t, MAX_CONNECTORS + 1> connector_first{};
    std::array<std::int32_t, MAX_CONNECTORS + 1> connector_second{};
    std::array<float, MAX_CONNECTORS + 1> connector_radius{};
    std::array<std::int32_t, MAX_CONNECTORS + 1> connector_color{};
};

}  // namespace sferonda
