#pragma once
// `python3 -m sferonda`: the console program itself, run in the
// interpreter's process on its standard input, output and error.

#include <string>
#include <vector>

namespace sferonda::python {

// Runs the program as its main() does with these arguments (the program's
// name left out) and returns its exit status. The interpreter's own
// allocation failure handling stays in place.
int run_console_program(const std::vector<std::string>& arguments);

}  // namespace sferonda::python
