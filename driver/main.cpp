// Sferonda: turns bead models into scene files, case after case, as a main
// input file lists them.

#include <csignal>

#include "driver/case_driver.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"

int main() {
    // A closed console then shows up as a failed write, reported like any other.
    std::signal(SIGPIPE, SIG_IGN);
    try {
        sferonda::run_cases();
        sferonda::close_all_units();
    } catch (const sferonda::RunEnded& ended) {
        return sferonda::finish_run(ended);
    }
    return 0;
}
