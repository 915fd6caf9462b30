#include "writers/pov_full_writer.hpp"

#include "driver/run.hpp"
#include "geometry/pov_frame.hpp"
#include "records/layout.hpp"
#include "records/record_write.hpp"
#include "records/units.hpp"
#include "writers/centre_fields.hpp"
#include "writers/model_checks.hpp"
#include "writers/pov_full_colors.hpp"
#include "writers/pov_scene_blocks.hpp"

namespace sferonda {

namespace {

void write_sphere_block(Run& run, int unit, const BeadModel& model, const CentreFields& centres, std::int32_t i) {
    // line 1: "sphere {"
    // line 2: 1-3 "  <"  4-16 E13.5 x  17 ","  18-30 E13.5 y  31 ","  32-44 E13.5 z
    //         45-47 ">, "  48-60 E13.5 radius
    // line 3: 1-2 blanks  3-152 A150 texture  153-154 " }"
    // then two empty lines
    static const Layout sphere("'sphere {'/'  <',E13.5,',',E13.5,',',E13.5,'>, ',E13.5/'  ',A150,' }'//");
    write_formatted(run, unit, sphere,
                    {centres.x(i), centres.y(i), centres.z(i), model.bead_radius[i],
                     pov_full_color(model.bead_color[i])});
}

void write_cylinder_line(Run& run, int unit, const BeadModel& model, const PovFrame& frame, const CentreFields& centres,
                         std::int32_t j) {
    // 1-12 "cylinder { <"  13-25 E13.5 x  26 ","  27-39 E13.5 y  40 ","  41-53 E13.5 z of the
    // first bead  54-55 ">,"  56 "<"  57-97 the same for the second bead  98-99 ">,"
    // 100-112 E13.5 radius  113-262 A150 texture (no blank before it)  263-264 " }"
    static const Layout cylinder(
        "'cylinder { <',E13.5,',',E13.5,',',E13.5,'>,','<',E13.5,',',E13.5,',',E13.5,'>,',E13.5,A150,' }'");
    const std::int32_t a = model.connector_first[j];
    const std::int32_t b = model.connector_second[j];
    if (written_ends_coincide(frame.framed_x[a], frame.framed_y[a], frame.framed_z[a],
                              frame.framed_x[b], frame.framed_y[b], frame.framed_z[b])) {
        write_omitted_connector(run, unit, j);
        return;
    }
    write_formatted(run, unit, cylinder,
                    {centres.x(a), centres.y(a), centres.z(a), centres.x(b), centres.y(b), centres.z(b),
                     model.connector_radius[j],
                     pov_full_color(model.connector_color[j])});
}

}  // namespace

bool MODPOVFULL(Run& run, const BeadModel& model, int output_unit, const Name& output_file_name) {
    open_unknown(run, output_unit, trimmed(output_file_name));
    check_pov_colors(run, model);
    check_connector_beads(run, model);

    PovFrame frame;
    if (!POVFRAME(model, frame)) {
        refuse_unframeable_model(run, output_unit);
        return false;
    }

    write_pov_scene_blocks(run, output_unit, frame, CameraSide::PositiveZ);
    const CentreFields centres(model.bead_count, frame.framed_x, frame.framed_y, frame.framed_z);
    for (std::int32_t i = 1; i <= model.bead_count; ++i) write_sphere_block(run, output_unit, model, centres, i);
    for (std::int32_t j = 1; j <= model.connector_count; ++j) {
        write_cylinder_line(run, output_unit, model, frame, centres, j);
    }
    close_unit(run, output_unit);
    return true;
}

}  // namespace sferonda
