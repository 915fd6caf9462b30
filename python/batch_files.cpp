#include "python/batch_files.hpp"

#include <string>
#include <vector>

#include "driver/in_memory_run.hpp"
#include "records/run_end.hpp"

namespace sferonda::python {

namespace {

// A name as the program sees it: bytes, given as they are or encoded back
// from str as the file system's names are.
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

const char* ending_name(RunEnding ending) {
    switch (ending) {
        case RunEnding::Normal: return "normal";
        case RunEnding::Stop: return "stop";
        case RunEnding::Fatal: return "fatal";
    }
    return "fatal";
}

BatchResult as_python(const MemoryRunResult& run) {
    BatchResult result;
    result.console = decoded(run.console);
    result.ending = ending_name(run.ending);
    result.status = run.status;
    result.fatal_line = decoded(run.fatal_line);
    for (const MemoryFile& file : run.files) result.files[decoded(file.name)] = py::bytes(file.bytes);
    return result;
}

}  // namespace

BatchResult run_batch_files(const py::dict& files, const py::handle& main_input) {
    std::vector<MemoryFile> inputs;
    for (const auto& [name, bytes] : files) inputs.push_back({name_bytes(name), py::cast<std::string>(bytes)});
    const std::string main_input_name = name_bytes(main_input);
    MemoryRunResult run;
    {
        py::gil_scoped_release release;
        run = run_batch_in_memory(inputs, main_input_name);
    }
    return as_python(run);
}

}  // namespace sferonda::python
