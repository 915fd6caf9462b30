#include "python/console_program.hpp"

#include <memory>
#include <optional>
#include <string_view>

#include "driver/case_driver.hpp"
#include "driver/command_line.hpp"
#include "driver/console_window.hpp"
#include "driver/run.hpp"
#include "platform/platform.hpp"

namespace sferonda::python {

int run_console_program(const std::vector<std::string>& arguments) {
    prepare_process();
    const auto run = std::make_unique<Run>();
    int status = 0;
    if (arguments.empty()) {
        status = run_batch(*run, std::nullopt);
    } else {
        const std::vector<std::string_view> given(arguments.begin(), arguments.end());
        status = run_command_line(*run, given);
    }
    keep_own_window_until_enter(*run);
    return status;
}

}  // namespace sferonda::python
