#include "writers/model_checks.hpp"

#include <charconv>
#include <cmath>

#include "driver/run.hpp"
#include "platform/charconv.hpp"
#include "records/layout.hpp"
#include "records/record_write.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"

namespace sferonda {

namespace {

// The value an E13.5 field shows: five significant digits, rounded once.
double written_value(float value) {
    char digits[32];
    auto written = platform::to_chars(digits, digits + sizeof digits, value, std::chars_format::scientific, 4);
    double shown = 0.0;
    platform::from_chars(digits, written.ptr, shown);
    return shown;
}

enum class ShowColor { No, Yes };

// Stops the run at the first of colors 1..count that `known` refuses, with
// `message` of its number, and of the color itself where the message shows it.
template <std::size_t Capacity>
void check_colors(Run& run, const std::array<std::int32_t, Capacity>& colors, std::int32_t count,
                  bool (*known)(std::int32_t), const Layout& message, ShowColor show) {
    for (std::int32_t n = 1; n <= count; ++n) {
        if (known(colors[n])) continue;
        RefusalLines refusal(run);
        if (show == ShowColor::Yes) {
            write_formatted(run, CONSOLE_OUTPUT_UNIT, message, {n, colors[n]});
        } else {
            write_formatted(run, CONSOLE_OUTPUT_UNIT, message, {n});
        }
        stop_run();
    }
}

}  // namespace

// Every bead is compared with the first one only, in double precision:
// with a first radius of 0 the quotient is infinite or not a number, and
// only an infinite one counts as unequal.
bool has_unequal_beads(const BeadModel& model, float first_radius) {
    const double limit = UNEQUAL_BEADS_LIMIT;
    for (std::int32_t i = 2; i <= model.bead_count; ++i) {
        double relative = (double(model.bead_radius[i]) - double(first_radius)) / double(first_radius);
        if (std::fabs(relative) > limit) return true;
    }
    return false;
}

void check_connector_beads(Run& run, const BeadModel& model) {
    static const Layout first_bead("'ERROR: Invalid number of first bead:',I4,' for connector #',I4");
    static const Layout second_bead("'ERROR: Invalid number of second bead:',I4,' for connector #',I4");
    for (std::int32_t k = 1; k <= model.connector_count; ++k) {
        std::int32_t first = model.connector_first[k];
        if (first < 1 || first > model.bead_count) {
            RefusalLines refusal(run);
            write_formatted(run, CONSOLE_OUTPUT_UNIT, first_bead, {first, k});
            stop_run();
        }
        std::int32_t second = model.connector_second[k];
        if (second < 1 || second > model.bead_count) {
            RefusalLines refusal(run);
            write_formatted(run, CONSOLE_OUTPUT_UNIT, second_bead, {second, k});
            stop_run();
        }
    }
}

void check_pov_colors(Run& run, const BeadModel& model) {
    static const Layout bad_ball("'ERROR: Invalid ball #',I5.5,' index color.'");
    // "conector" is the message's historical spelling, which users' scripts match: keep it.
    static const Layout bad_connector("'ERROR: Invalid conector #',I5.5,' index color.'");
    check_colors(run, model.bead_color, model.bead_count, is_pov_color, bad_ball, ShowColor::No);
    check_colors(run, model.connector_color, model.connector_count, is_pov_color, bad_connector, ShowColor::No);
}

void check_sweep_color(Run& run, std::int32_t sweep_color) {
    if (!is_pov_color(sweep_color)) {
        RefusalLines refusal(run);
        write_text_record(run, CONSOLE_OUTPUT_UNIT, "ERROR: Invalid index color.");
        stop_run();
    }
}

void check_vrml_colors(Run& run, const BeadModel& model) {
    static const Layout bad_bead("'ERROR: Bead #',I4,' invalid index color:',I2");
    static const Layout bad_connector("'ERROR: Connector #',I4,' invalid index color:',I2");
    check_colors(run, model.bead_color, model.bead_count, is_vrml_color, bad_bead, ShowColor::Yes);
    check_colors(run, model.connector_color, model.connector_count, is_vrml_color, bad_connector, ShowColor::Yes);
}

void refuse_unframeable_model(Run& run, int output_unit) {
    RefusalLines refusal(run);
    write_list(run, CONSOLE_OUTPUT_UNIT, {"ERROR: Model cannot be framed; graphics file left empty"});
    close_unit(run, output_unit);
}

bool written_ends_coincide(float first_x, float first_y, float first_z,
                           float second_x, float second_y, float second_z) {
    // Rounding to five digits moves a value by less than 1e-4 of itself, so
    // ends that differ by more than that in any coordinate stay apart as
    // written; only close ends need the written values.
    auto clearly_apart = [](float a, float b) {
        return std::fabs(double(a) - double(b)) > 1e-4 * (std::fabs(double(a)) + std::fabs(double(b))) + 1e-10;
    };
    if (clearly_apart(first_x, second_x) || clearly_apart(first_y, second_y) ||
        clearly_apart(first_z, second_z)) {
        return false;
    }
    double dx = written_value(second_x) - written_value(first_x);
    double dy = written_value(second_y) - written_value(first_y);
    double dz = written_value(second_z) - written_value(first_z);
    return std::sqrt(dx * dx + dy * dy + dz * dz) < 1.0e-10;
}

void write_omitted_connector(Run& run, int unit, std::int32_t connector) {
    static const Layout omitted("'// connector #',I5.5,' omitted: its two ends coincide'");
    ++current_case(run).omitted_connectors;
    write_formatted(run, unit, omitted, {connector});
}

}  // namespace sferonda
