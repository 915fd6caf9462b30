#include "driver/console_window.hpp"

#include <string_view>

#include "driver/run.hpp"
#include "platform/platform.hpp"
#include "records/record_write.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"

namespace sferonda {

void keep_own_window_until_enter(Run& run) {
    if (!owns_console_window()) return;
    // The run has ended and its status is set: a console that fails now has
    // nothing more to lose.
    try {
        write_list(run, CONSOLE_OUTPUT_UNIT, {"Press Enter to close"});
        std::string_view answer;
        input_unit(run, CONSOLE_INPUT_UNIT).next_line(answer);
    } catch (const RunEnded&) {
    }
}

}  // namespace sferonda
