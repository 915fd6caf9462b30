#include "writers/vrml_colors.hpp"

#include "records/layout.hpp"
#include "records/record_write.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"

namespace sferonda {

void check_vrml_colors(const BeadModel& model) {
    static const Layout bad_bead("'ERROR: Bead #',I4,' invalid index color:',I2");
    static const Layout bad_connector("'ERROR: Connector #',I4,' invalid index color:',I2");
    for (std::int32_t i = 1; i <= model.bead_count; ++i) {
        if (!is_vrml_color(model.bead_color[i])) {
            write_formatted(CONSOLE_OUTPUT_UNIT, bad_bead, {i, model.bead_color[i]});
            stop_run();
        }
    }
    for (std::int32_t k = 1; k <= model.connector_count; ++k) {
        if (!is_vrml_color(model.connector_color[k])) {
            write_formatted(CONSOLE_OUTPUT_UNIT, bad_connector, {k, model.connector_color[k]});
            stop_run();
        }
    }
}

}  // namespace sferonda
