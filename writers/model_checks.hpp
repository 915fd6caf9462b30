#pragma once
// The checks of a model that the dispatcher and the writers make before
// they write, with the color counts that they check against, and the
// notices that several writers share. Each writer keeps its own color table.

#include <cstdint>

#include "driver/bead_model.hpp"

namespace sferonda {

struct Run;

constexpr int POV_COLOR_COUNT = 5;
constexpr int VRML_COLOR_COUNT = 7;

// The color indices that the POV-Ray scenes know: 1 White to 5 Green.
inline bool is_pov_color(std::int32_t color) { return color >= 1 && color <= POV_COLOR_COUNT; }

// The color indices of the VRML world: 1 white to 7 cyan.
inline bool is_vrml_color(std::int32_t color) { return color >= 1 && color <= VRML_COLOR_COUNT; }

// How far, relative to the first bead's radius, another bead's may stray
// before the pseudo-PDB file, which has one size for all, warns; compared
// as the single-precision value.
constexpr float UNEQUAL_BEADS_LIMIT = 0.1f;

// Whether some bead's radius differs from `first_radius` by more than
// UNEQUAL_BEADS_LIMIT of it.
bool has_unequal_beads(const BeadModel& model, float first_radius);

// Stops the run at the first connector, in connector order, whose first or
// second bead number lies outside 1..bead_count.
void check_connector_beads(Run& run, const BeadModel& model);

// Stops the run at the first bead, then the first connector, whose color
// index lies outside the five POV-Ray colors.
void check_pov_colors(Run& run, const BeadModel& model);

// Stops the run when the wormlike scene's one color is not a POV-Ray color.
void check_sweep_color(Run& run, std::int32_t sweep_color);

// Stops the run at the first bead, then the first connector, whose color
// index lies outside the seven VRML colors.
void check_vrml_colors(Run& run, const BeadModel& model);

// For a model that has no centre or size to frame it by: the console
// notice, and the graphics file closed empty.
void refuse_unframeable_model(Run& run, int output_unit);

// Whether the two ends of a cylinder, as its six E13.5 fields write them,
// lie less than 1.0E-10 apart. POV-Ray rejects a whole scene for one such
// cylinder, so the writers put a comment line in its place.
bool written_ends_coincide(float first_x, float first_y, float first_z,
                           float second_x, float second_y, float second_z);
void write_omitted_connector(Run& run, int unit, std::int32_t connector);

}  // namespace sferonda
