#include "python/text_bytes.hpp"

namespace sferonda::python {

std::string name_bytes(const py::handle& name) {
    if (!PyUnicode_Check(name.ptr())) return py::cast<std::string>(name);
    const auto encoded =
        py::reinterpret_steal<py::object>(PyUnicode_AsEncodedString(name.ptr(), "utf-8", "surrogateescape"));
    if (!encoded) throw py::error_already_set();
    return py::cast<std::string>(encoded);
}

py::str decoded(const std::string& bytes) {
    const auto text = py::reinterpret_steal<py::str>(
        PyUnicode_DecodeUTF8(bytes.data(), static_cast<Py_ssize_t>(bytes.size()), "surrogateescape"));
    if (!text) throw py::error_already_set();
    return text;
}

}  // namespace sferonda::python
