#pragma once
// The program's few command-line arguments. Without any, the program is the
// batch of cases, and so it is with one naming its main input file; other
// arguments run one of the commands below instead.

#include <span>
#include <string_view>

namespace sferonda {

struct Run;

// The text that --help prints, and that any arguments not understood print
// on standard error.
extern const std::string_view USAGE_TEXT;

// Runs the command (or the batch of the main input file) that `arguments`
// (the program's name left out, at least one argument) ask for and returns
// the exit status: 0 done, 1 a problem with the model, 2 arguments not
// understood, a fatal error's number.
int run_command_line(Run& run, std::span<const std::string_view> arguments);

}  // namespace sferonda
