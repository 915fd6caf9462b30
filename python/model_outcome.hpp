#pragma once
// How a model-level call ended, for the package's Python side to turn into
// a value or an exception (sferonda/__init__.py, docs/python.md).

#include <pybind11/pybind11.h>

#include "driver/in_memory_run.hpp"

namespace sferonda::python {

namespace py = pybind11;

struct ModelOutcome {
    py::str ending;  // "normal", "stop" or "fatal"
    int status = 0;
    py::str console;
    bool done = false;  // the model accepted, or its file written whole
    py::str refusal;    // the console's lines that refused it, when not done
    py::str warnings;   // the console's warning lines of a file written all the same
    py::str fatal_line;
    int error_number = 0;
    int unit = 0;
    py::str file;
    py::str name;  // the file's name as the program would give it
    py::bytes data;
};

// The run's ending and the last case's result: done only when the run went
// through and the case was accepted or written.
ModelOutcome outcome_of(const MemoryRunResult& run);

}  // namespace sferonda::python
