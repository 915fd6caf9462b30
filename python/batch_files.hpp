#pragma once
// sferonda.run_batch_files: a batch run on files handed over as bytes, its
// result as Python objects.

#include <pybind11/pybind11.h>

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
    py::dict files;  // every file the run wrote: name -> bytes
};

// `files` maps each input's name to its bytes; `main_input` names the main
// input file, the answer to the prompt. A fatal run returns its result.
BatchResult run_batch_files(const py::dict& files, const py::handle& main_input);

}  // namespace sferonda::python
