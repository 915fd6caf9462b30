#include "writers/pov_pre_writer.hpp"

#include <array>
#include <cstdint>
#include <string_view>

#include "driver/run.hpp"
#include "records/layout.hpp"
#include "records/record_write.hpp"
#include "records/units.hpp"
#include "writers/centre_fields.hpp"
#include "writers/color_table.hpp"
#include "writers/model_checks.hpp"

namespace sferonda {

namespace {

// Indexed by color index 1..5.
constexpr std::array<ColorText, POV_COLOR_COUNT + 1> pov_pre_colors = {
    padded_color_text(""),
    padded_color_text("pigment { White } finish { phong 0.7 phong_size 50 ambient .25 diffuse .75 }"),
    padded_color_text("pigment { Red } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }"),
    padded_color_text("pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }"),
    padded_color_text("pigment { Blue } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }"),
    padded_color_text("pigment { Green } finish { phong 0.7 phong_size 50 ambient .25 diffuse .75 }"),
};

std::string_view texture_of(std::int32_t color) { return color_text(pov_pre_colors, color); }

void write_spheres(Run& run, int unit, const BeadModel& model, const CentreFields& centres) {
    // 1-10 "sphere { <"  11-23 E13.5 x  24 ","  25-37 E13.5 y  38 ","  39-51 E13.5 z
    // 52-53 ">,"  54-66 E13.5 radius  67 blank  68-217 A150 texture  218-219 " }"
    static const Layout sphere("'sphere { <',E13.5,',',E13.5,',',E13.5,'>,',E13.5,' ',A150,' }'");
    for (std::int32_t i = 1; i <= model.bead_count; ++i) {
        write_formatted(run, unit, sphere, {centres.x(i), centres.y(i), centres.z(i), model.bead_radius[i],
                                       texture_of(model.bead_color[i])});
    }
}

void write_cylinders(Run& run, int unit, const BeadModel& model, const CentreFields& centres) {
    // 1-12 "cylinder { <"  13-53 E13.5 x "," E13.5 y "," E13.5 z of the first bead
    // 54-55 ">,"  56 "<"  57-97 the same for the second bead  98-99 ">,"
    // 100-112 E13.5 radius  113 blank  114-263 A150 texture  264-265 " }"
    static const Layout cylinder(
        "'cylinder { <',E13.5,',',E13.5,',',E13.5,'>,','<',E13.5,',',E13.5,',',E13.5,'>,',E13.5,' ',A150,' }'");
    for (std::int32_t j = 1; j <= model.connector_count; ++j) {
        const std::int32_t a = model.connector_first[j];
        const std::int32_t b = model.connector_second[j];
        const float ax = model.bead_x[a], ay = model.bead_y[a], az = model.bead_z[a];
        const float bx = model.bead_x[b], by = model.bead_y[b], bz = model.bead_z[b];
        // POV-Ray refuses the whole scene for one cylinder without length.
        if (written_ends_coincide(ax, ay, az, bx, by, bz)) {
            write_omitted_connector(run, unit, j);
            continue;
        }
        write_formatted(run, unit, cylinder, {centres.x(a), centres.y(a), centres.z(a), centres.x(b), centres.y(b),
                                         centres.z(b), model.connector_radius[j],
                                         texture_of(model.connector_color[j])});
    }
}

}  // namespace

bool MODPOVPRE(Run& run, const BeadModel& model, int output_unit, const Name& output_file_name) {
    open_unknown(run, output_unit, trimmed(output_file_name));
    // Everything is checked before the first record, so a refused model leaves the file empty.
    check_pov_colors(run, model);
    check_connector_beads(run, model);

    write_text_record(run, output_unit, "#include \"colors.inc\"");
    write_text_record(run, output_unit, "#include \"header.inc\"");
    const CentreFields centres(model.bead_count, model.bead_x, model.bead_y, model.bead_z);
    write_spheres(run, output_unit, model, centres);
    write_cylinders(run, output_unit, model, centres);
    close_unit(run, output_unit);
    return true;
}

}  // namespace sferonda
