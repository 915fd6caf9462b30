#pragma once
// The opening of both complete POV-Ray scenes: the colors.inc include, the
// camera aimed at the origin with +y as sky, and two gray lights.

#include "geometry/pov_frame.hpp"

namespace sferonda {

struct Run;

// The wormlike scene is seen from the other side of the model's principal
// plane: its camera and lights have their z negated.
enum class CameraSide { PositiveZ, NegativeZ };

// Writes the include block (3 lines), the camera block (7) and the two
// light blocks (6 each), placed as `frame` says.
void write_pov_scene_blocks(Run& run, int unit, const PovFrame& frame, CameraSide side);

}  // namespace sferonda
