#pragma once
// The batch for Python: on files handed over as bytes (run_batch_files) or
// in a folder (run_batch), its result as Python objects.

#include <pybind11/pybind11.h>

#include "records/run_end.hpp"

namespace sferonda::python {

namespace py = pybind11;

// Text the program wrote (the console, the fatal line) and file names are
// bytes; they come to Python as str decoded from UTF-8 with
// "surrogateescape", so that any byte survives the way back
// (text.encode("utf-8", "surrogateescape")).
struct BatchResult {
    py::str console;
    py::str ending;  // "normal", "stop" or "fatal"
    int status = 0;  // the exit status the console program would have had
    py::str fatal_line;
    int error_number = 0;  // of a fatal ending, with its unit and file
    int fatal_unit = 0;
    py::str fatal_file;
    py::dict files;  // every file the run wrote: name -> bytes
};

// `files` maps each input's name to its bytes; `main_input` names the main
// input file, the answer to the prompt. A fatal run returns its result.
BatchResult run_batch_files(const py::dict& files, const py::handle& main_input);

// The batch on the files of `folder`, the process's working folder left as it is.
BatchResult run_batch_in_folder(const py::handle& main_input, const py::handle& folder);

// "normal", "stop" or "fatal".
const char* ending_name(RunEnding ending);

}  // namespace sferonda::python
