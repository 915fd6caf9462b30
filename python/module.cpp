// The extension module sferonda._sferonda, on which the package sferonda
// (python/sferonda/) builds its interface: the program's runs for Python.

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include "python/batch_files.hpp"
#include "python/console_program.hpp"
#include "python/model.hpp"
#include "python/model_arrays.hpp"

namespace py = pybind11;
using sferonda::python::BatchResult;
using sferonda::python::Model;
using sferonda::python::ModelOutcome;

namespace {

void bind_batch_result(py::module_& module) {
    py::class_<BatchResult>(module, "Result", "What a batch wrote and how it ended.")
        .def_readonly("console", &BatchResult::console, "What the console showed.")
        .def_readonly("ending", &BatchResult::ending, "\"normal\", \"stop\" or \"fatal\".")
        .def_readonly("status", &BatchResult::status, "The console program's exit status.")
        .def_readonly("fatal_line", &BatchResult::fatal_line, "forrtl: severe (N): ...; empty unless fatal.")
        .def_readonly("error_number", &BatchResult::error_number, "The fatal error's number; 0 unless fatal.")
        .def_readonly("unit", &BatchResult::fatal_unit, "The fatal error's unit.")
        .def_readonly("file", &BatchResult::fatal_file, "The fatal error's file, as its line names it.")
        .def_readonly("files", &BatchResult::files, "Every file the run wrote: name -> bytes.")
        .def("__repr__", [](const BatchResult& result) {
            return py::str("<sferonda.Result ending={!r} status={} files={}>")
                .format(result.ending, result.status, py::len(result.files));
        });
}

void bind_model(py::module_& module) {
    py::class_<ModelOutcome>(module, "Outcome", "How a model-level call ended (sferonda turns it into a value).")
        .def_readonly("ending", &ModelOutcome::ending)
        .def_readonly("status", &ModelOutcome::status)
        .def_readonly("console", &ModelOutcome::console)
        .def_readonly("done", &ModelOutcome::done)
        .def_readonly("refusal", &ModelOutcome::refusal)
        .def_readonly("warnings", &ModelOutcome::warnings)
        .def_readonly("fatal_line", &ModelOutcome::fatal_line)
        .def_readonly("error_number", &ModelOutcome::error_number)
        .def_readonly("unit", &ModelOutcome::unit)
        .def_readonly("file", &ModelOutcome::file)
        .def_readonly("name", &ModelOutcome::name)
        .def_readonly("data", &ModelOutcome::data);
    py::class_<Model>(module, "CoreModel", "A bead model as the program holds it; never changed.")
        .def_property_readonly("bead_count", &Model::bead_count)
        .def_property_readonly("connector_count", &Model::connector_count)
        .def("write_display_type", &Model::write_display_type, py::arg("display_type"), py::arg("name"),
             "The file of that display type named from `name`, as the batch writes it.")
        .def("write_gltf", &Model::write_gltf, py::arg("name"), py::arg("detail"), py::arg("instanced"),
             "The binary glTF file named from `name`, as `sferonda gltf` writes it.");
    module.def("read_model_paths", &sferonda::python::read_model_paths, py::arg("coordinates"), py::arg("colors"),
               "The model of the two files named, from the working folder: (outcome, model or None).");
    module.def("read_model_bytes", &sferonda::python::read_model_bytes, py::arg("coordinates"), py::arg("colors"),
               "The model of the two files' bytes: (outcome, model or None).");
    module.def("model_from_arrays", &sferonda::python::model_from_arrays, py::arg("centres"), py::arg("radii"),
               py::arg("bead_colors"), py::arg("connectors"), py::arg("connector_radii"),
               py::arg("connector_colors"), "The model of these arrays: (outcome, model or None).");
}

}  // namespace

PYBIND11_MODULE(_sferonda, module) {
    module.doc() = "Bead models into scene files: the program's runs (the package sferonda is its interface).";
    bind_batch_result(module);
    bind_model(module);
    module.def("run_batch_files", &sferonda::python::run_batch_files, py::arg("files"), py::arg("main_input"),
               "Runs the batch whose main input file is `main_input`, among `files` (name -> bytes).");
    module.def("run_batch_in_folder", &sferonda::python::run_batch_in_folder, py::arg("main_input"),
               py::arg("folder"), "Runs the batch whose main input file is `main_input`, in `folder`.");
    // The program reads its standard input and may pause: other threads go on meanwhile.
    module.def("run_console_program", &sferonda::python::run_console_program, py::arg("arguments"),
               py::call_guard<py::gil_scoped_release>(),
               "Runs the console program with these arguments; returns its exit status.");
}
