#include "records/run_end.hpp"

#include "platform/platform.hpp"
#include "records/units.hpp"

namespace sferonda {

void stop_run() { throw RunEnded{0, 0, {}, {}}; }

int finish_run(Units& units, RunEnded& ended) {
    if (ended.status == 0) {
        try {
            close_all_units(units);
        } catch (RunEnded& failed_write) {
            close_all_units_quietly(units);
            ended = std::move(failed_write);
            return fatal_exit_status(ended.status);
        }
    }
    close_all_units_quietly(units);
    return ended.status == 0 ? 0 : fatal_exit_status(ended.status);
}

RunOutcome ended_outcome(Units& units, RunEnded& ended) {
    const int status = finish_run(units, ended);
    return {status == 0 ? RunEnding::Stop : RunEnding::Fatal, status, std::move(ended.line), ended.status, ended.unit,
            std::move(ended.full_path)};
}

}  // namespace sferonda
