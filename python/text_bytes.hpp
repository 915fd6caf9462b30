#pragma once
// The program's text and names are bytes; Python's are str. They cross as
// UTF-8 with "surrogateescape", so that any byte survives the way back.

#include <pybind11/pybind11.h>

#include <string>

namespace sferonda::python {

namespace py = pybind11;

// A name given as str (encoded back as the file system's names are) or bytes.
std::string name_bytes(const py::handle& name);

py::str decoded(const std::string& bytes);

}  // namespace sferonda::python
