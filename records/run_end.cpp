#include "records/run_end.hpp"

#include "platform/platform.hpp"
#include "records/units.hpp"

namespace sferonda {

void stop_run() { throw RunEnded{0}; }

void abort_run(int status) { throw RunEnded{status}; }

int finish_run(const RunEnded& ended) {
    if (ended.status == 0) {
        try {
            close_all_units();
        } catch (const RunEnded& failed_write) {
            close_all_units_quietly();
            return fatal_exit_status(failed_write.status);
        }
    }
    close_all_units_quietly();
    return ended.status == 0 ? 0 : fatal_exit_status(ended.status);
}

}  // namespace sferonda
