// The extension module sferonda._sferonda, which the package sferonda
// (python/sferonda/) re-exports: the program's runs for Python.

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include "python/batch_files.hpp"
#include "python/console_program.hpp"

namespace py = pybind11;
using sferonda::python::BatchResult;

PYBIND11_MODULE(_sferonda, module) {
    module.doc() = "Bead models into scene files: the program's runs.";

    py::class_<BatchResult>(module, "Result", "What a run wrote and how it ended.")
        .def_readonly("console", &BatchResult::console)
        .def_readonly("ending", &BatchResult::ending)
        .def_readonly("status", &BatchResult::status)
        .def_readonly("fatal_line", &BatchResult::fatal_line)
        .def_readonly("files", &BatchResult::files)
        .def("__repr__", [](const BatchResult& result) {
            return py::str("<sferonda.Result ending={!r} status={} files={}>")
                .format(result.ending, result.status, py::len(result.files));
        });

    module.def("run_batch_files", &sferonda::python::run_batch_files, py::arg("files"), py::arg("main_input"),
               "Runs the batch whose main input file is `main_input`, among `files` (name -> bytes).");
    // The program reads its standard input and may pause: other threads go on meanwhile.
    module.def("run_console_program", &sferonda::python::run_console_program, py::arg("arguments"),
               py::call_guard<py::gil_scoped_release>(),
               "Runs the console program with these arguments; returns its exit status.");
}
