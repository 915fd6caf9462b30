#include "writers/pov_worm_writer.hpp"

#include "driver/run.hpp"
#include "geometry/pov_frame.hpp"
#include "records/layout.hpp"
#include "records/record_write.hpp"
#include "records/units.hpp"
#include "writers/model_checks.hpp"
#include "writers/pov_full_colors.hpp"
#include "writers/pov_scene_blocks.hpp"

namespace sferonda {

namespace {

// POV-Ray refuses a cubic spline of fewer than four points, so a single
// bead is written four times rather than three.
constexpr std::int32_t MIN_SPLINE_POINTS = 4;

void write_point(Run& run, int unit, const BeadModel& model, const PovFrame& frame, std::int32_t i) {
    // 1-3 "  <"  4-16 E13.5 x  17 ","  18-30 E13.5 y  31 ","  32-44 E13.5 z
    // 45-47 ">, "  48-60 E13.5 radius; then an empty line
    static const Layout point("'  <',E13.5,',',E13.5,',',E13.5,'>, ',E13.5/");
    write_formatted(run, unit, point, {frame.framed_x[i], frame.framed_y[i], frame.framed_z[i], model.bead_radius[i]});
}

// The spline's first and last points only shape the curve, so the end beads
// are written twice and the tube runs from bead 1 to bead n.
void write_sphere_sweep(Run& run, int unit, const BeadModel& model, const PovFrame& frame, std::int32_t sweep_color) {
    // head: "sphere_sweep {"; then 1-14 "  cubic_spline"  15-20 I6 point count  21 ","
    // and an empty line
    // tail: "  tolerance 1.0"; then 1-2 blanks  3-152 A150 texture; then "}"
    static const Layout head("'sphere_sweep {'/'  cubic_spline',I6,','/");
    static const Layout tail("'  tolerance 1.0'/'  ',A150/'}'");
    const std::int32_t n = model.bead_count;
    if (n == 1) {
        write_formatted(run, unit, head, {MIN_SPLINE_POINTS});
        for (std::int32_t copy = 1; copy <= MIN_SPLINE_POINTS; ++copy) write_point(run, unit, model, frame, 1);
    } else {
        write_formatted(run, unit, head, {n + 2});
        write_point(run, unit, model, frame, 1);
        for (std::int32_t i = 1; i <= n; ++i) write_point(run, unit, model, frame, i);
        write_point(run, unit, model, frame, n);
    }
    write_formatted(run, unit, tail, {pov_full_color(sweep_color)});
}

}  // namespace

bool MODPOVWORM(Run& run, const BeadModel& model, std::int32_t sweep_color, int output_unit,
                const Name& output_file_name) {
    open_unknown(run, output_unit, trimmed(output_file_name));
    // Without beads there is no bead 1, so its color is not looked at.
    if (model.bead_count <= 0) {
        refuse_unframeable_model(run, output_unit);
        return false;
    }
    check_sweep_color(run, sweep_color);

    PovFrame frame;
    if (!POVFRAME(model, frame)) {
        refuse_unframeable_model(run, output_unit);
        return false;
    }
    write_pov_scene_blocks(run, output_unit, frame, CameraSide::NegativeZ);
    write_sphere_sweep(run, output_unit, model, frame, sweep_color);
    close_unit(run, output_unit);
    return true;
}

}  // namespace sferonda
