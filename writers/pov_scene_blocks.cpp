#include "writers/pov_scene_blocks.hpp"

#include "driver/run.hpp"
#include "records/layout.hpp"
#include "records/record_write.hpp"

namespace sferonda {

namespace {

void write_light_block(Run& run, int unit, const std::array<float, 3>& location, float z_value) {
    // "light_source {"
    // 1-3 "  <"  4-16 E13.5 x  17-18 ", "  19-31 E13.5 y  32-33 ", "  34-46 E13.5 z  47 ">"
    // "  color Gray50"; "}"; then two empty lines
    static const Layout light(
        "'light_source {'/'  <',E13.5,', ',E13.5,', ',E13.5,'>'/'  color Gray50'/'}'//");
    write_formatted(run, unit, light, {location[0], location[1], z_value});
}

}  // namespace

void write_pov_scene_blocks(Run& run, int unit, const PovFrame& frame, CameraSide side) {
    // "#include "colors.inc"", then two empty lines
    static const Layout include("'#include \"colors.inc\"'//");
    // "camera {"
    // 1-12 "  location <"  13-25 E13.5 x  26-27 ", "  28-40 E13.5 y  41-42 ", "  43-55 E13.5 z  56 ">"
    // "  look_at <0, 0, 0>"; "  sky <0, 1, 0>"; "}"; then two empty lines
    static const Layout camera(
        "'camera {'/'  location <',E13.5,', ',E13.5,', ',E13.5,'>'/"
        "'  look_at <0, 0, 0>'/'  sky <0, 1, 0>'/'}'//");
    auto z_of = [side](const std::array<float, 3>& location) {
        return side == CameraSide::NegativeZ ? -location[2] : location[2];
    };

    write_formatted(run, unit, include);
    write_formatted(run, unit, camera,
                    {frame.camera_location[0], frame.camera_location[1], z_of(frame.camera_location)});
    write_light_block(run, unit, frame.light_1_location, z_of(frame.light_1_location));
    write_light_block(run, unit, frame.light_2_location, z_of(frame.light_2_location));
}

}  // namespace sferonda
