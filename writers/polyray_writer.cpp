#include "writers/polyray_writer.hpp"

#include <cstdint>

#include "driver/run.hpp"
#include "records/layout.hpp"
#include "records/record_write.hpp"
#include "records/units.hpp"

namespace sferonda {

namespace {

void write_spheres(Run& run, int unit, const BeadModel& model) {
    // 1-24 "        object {sphere <" (the first) or "       +object {sphere <" (the rest)
    // 25-33 F9.3 x  34 ","  35-43 F9.3 y  44 ","  45-53 F9.3 z  54-55 ">,"
    // 56-64 F9.3 radius  65-76 "shiny_white}"
    static const Layout first_sphere("'        object {sphere <',F9.3,',',F9.3,',',F9.3,'>,',F9.3,'shiny_white}'");
    static const Layout next_sphere("'       +object {sphere <',F9.3,',',F9.3,',',F9.3,'>,',F9.3,'shiny_white}'");
    for (std::int32_t i = 1; i <= model.bead_count; ++i) {
        write_formatted(run, unit, i == 1 ? first_sphere : next_sphere,
                        {model.bead_x[i], model.bead_y[i], model.bead_z[i], model.bead_radius[i]});
    }
}

}  // namespace

bool MODPOLYRAY(Run& run, const BeadModel& model, int output_unit, const Name& output_file_name) {
    open_unknown(run, output_unit, trimmed(output_file_name));
    write_text_record(run, output_unit, "include \"header.inc\"");
    write_text_record(run, output_unit, "object{");
    write_spheres(run, output_unit, model);
    write_text_record(run, output_unit, "       rotate<0,0,0>");
    write_text_record(run, output_unit, "       translate<0,0,0>");
    write_text_record(run, output_unit, "}");
    close_unit(run, output_unit);
    return true;
}

}  // namespace sferonda
