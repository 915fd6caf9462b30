#include "driver/pause.hpp"

#include <string>

#include "driver/run.hpp"
#include "records/record_write.hpp"
#include "records/units.hpp"

namespace sferonda {

namespace {

bool is_empty_answer(std::string_view line) {
    return line.empty() || line.front() == '\r';
}

void run_command(Run& run, std::string_view line) {
    if (line.back() == '\r') line.remove_suffix(1);
    run.file_system().run_command(std::string(line));
}

}  // namespace

void PAUSE(Run& run) {
    for (;;) {
        write_text_record(run, CONSOLE_OUTPUT_UNIT, "Fortran Pause - Enter command<CR> or <CR> to continue.");
        // The user may stop the program here: what was written must be on disk.
        flush_output_units(run);
        std::string_view answer;
        if (!input_unit(run, CONSOLE_INPUT_UNIT).next_line(answer)) return;
        if (is_empty_answer(answer)) return;
        run_command(run, answer);
    }
}

}  // namespace sferonda
