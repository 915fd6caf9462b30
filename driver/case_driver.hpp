#pragma once

#include <optional>
#include <string_view>

namespace sferonda {

struct Run;

// The whole run: asks for the main input file, then reads and runs its
// cases until a negative display type. A main input file given on the
// command line (dropped on the program) is taken as the answer, whole, and
// its folder becomes the working folder, as if the run had been started there.
void run_cases(Run& run, std::optional<std::string_view> main_input_path = std::nullopt);

// The same as a whole process: every file closed at the end; returns the exit status.
int run_batch(Run& run, std::optional<std::string_view> main_input_path);

}  // namespace sferonda
