#include "python/batch_files.hpp"

#include <string>
#include <vector>

#include "driver/folder_run.hpp"
#include "driver/in_memory_run.hpp"
#include "records/run_end.hpp"
#include "python/text_bytes.hpp"

namespace sferonda::python {

const char* ending_name(RunEnding ending) {
    switch (ending) {
        case RunEnding::Normal: return "normal";
        case RunEnding::Stop: return "stop";
        case RunEnding::Fatal: return "fatal";
    }
    return "fatal";
}

namespace {

BatchResult as_python(const MemoryRunResult& run) {
    BatchResult result;
    result.console = decoded(run.console);
    result.ending = ending_name(run.ending);
    result.status = run.status;
    result.fatal_line = decoded(run.fatal_line);
    result.error_number = run.error_number;
    result.fatal_unit = run.fatal_unit;
    result.fatal_file = decoded(run.fatal_file);
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

BatchResult run_batch_in_folder(const py::handle& main_input, const py::handle& folder) {
    const std::string main_input_name = name_bytes(main_input);
    const std::string folder_name = name_bytes(folder);
    MemoryRunResult run;
    {
        py::gil_scoped_release release;
        run = sferonda::run_batch_in_folder(folder_name, main_input_name);
    }
    return as_python(run);
}

}  // namespace sferonda::python
