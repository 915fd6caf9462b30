#include "driver/dispatcher.hpp"

#include <algorithm>

#include "driver/display_types.hpp"
#include "driver/run.hpp"
#include "records/layout.hpp"
#include "records/record_write.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"

namespace sferonda {

namespace {

constexpr int CONSOLE = CONSOLE_OUTPUT_UNIT;

}  // namespace

Name build_output_file_name(const Name& output_name, std::string_view extension) {
    std::string_view whole = as_view(output_name);
    std::string_view stem = whole.substr(0, std::min(whole.find(' '), whole.size()));
    Name file_name = make_name(stem);
    std::size_t room = file_name.size() - stem.size();
    std::copy_n(extension.begin(), std::min(room, extension.size()), file_name.begin() + stem.size());
    return file_name;
}

void BUILDSFERONDA(Run& run, std::int32_t display_type, const BeadModel& model, int log_unit, int output_unit,
                   const Name& output_name) {
    static const Layout invalid_type("'*** ERROR Display type ',I1,' not valid in this version','of Sferonda'");
    static const Layout file_will_be("'   * Output file will be :',A30");
    static const Layout by_unit("'     by Fortran unit :',I2");
    static const Layout generated("' Visualization file has been generated:',A30");

    CaseResult& result = current_case(run);
    result.beads = model.bead_count;
    result.connectors = model.connector_count;
    if (!is_valid_display_type(display_type)) {
        RefusalLines refusal(run);
        write_formatted(run, CONSOLE, invalid_type, {display_type});
        stop_run();
    }
    const DisplayType& type = DISPLAY_TYPES[display_type];
    write_text_record(run, log_unit, type.log_label);

    PreparedCase prepared;
    type.prepare(run, model, prepared);
    prepared.output_file_name = build_output_file_name(output_name, type.extension);
    current_case(run).file_name = trimmed(prepared.output_file_name);

    write_formatted(run, CONSOLE, file_will_be, {prepared.output_file_name});
    write_formatted(run, log_unit, file_will_be, {prepared.output_file_name});
    write_formatted(run, log_unit, by_unit, {output_unit});
    if (type.write(run, model, prepared, output_unit)) {
        current_case(run).written = true;
        write_formatted(run, log_unit, generated, {prepared.output_file_name});
    }
}

}  // namespace sferonda
