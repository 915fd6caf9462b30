#include "python/model.hpp"

#include <algorithm>

#include "driver/model_reading.hpp"
#include "driver/model_writing.hpp"
#include "records/memory_file_system.hpp"
#include "records/system_file_system.hpp"
#include "python/text_bytes.hpp"
#include "writers/unit_meshes.hpp"

namespace sferonda::python {

namespace {

GltfOptions gltf_options(const std::optional<std::string>& detail, bool instanced) {
    GltfOptions options;
    options.instanced = instanced;
    if (!detail) return options;
    const auto level = std::find(MESH_DETAIL_NAMES.begin(), MESH_DETAIL_NAMES.end(), *detail);
    if (level == MESH_DETAIL_NAMES.end()) throw py::value_error("detail must be \"low\", \"medium\" or \"high\"");
    options.detail = DetailLevel(level - MESH_DETAIL_NAMES.begin());
    return options;
}

ModelMade made_from(ModelReading& reading) {
    ModelMade made{outcome_of(reading.run), std::nullopt};
    if (reading.model) made.second = Model(std::move(reading.model));
    return made;
}

}  // namespace

ModelOutcome Model::write_display_type(int display_type, const py::handle& name) const {
    const std::string output_name = name_bytes(name);
    MemoryRunResult run;
    {
        py::gil_scoped_release release;
        run = write_model_in_memory(*beads_, display_type, output_name);
    }
    return outcome_of(run);
}

ModelOutcome Model::write_gltf(const py::handle& name, const std::optional<std::string>& detail,
                               bool instanced) const {
    const std::string output_name = name_bytes(name);
    const GltfOptions options = gltf_options(detail, instanced);
    MemoryRunResult run;
    {
        py::gil_scoped_release release;
        run = write_model_gltf_in_memory(*beads_, output_name, options);
    }
    return outcome_of(run);
}

ModelMade read_model_paths(const py::handle& coordinates, const py::handle& colors) {
    const std::string coordinates_name = name_bytes(coordinates);
    const std::string colors_name = name_bytes(colors);
    ModelReading reading;
    {
        py::gil_scoped_release release;
        SystemFileSystem files;
        reading = read_model_files(files, coordinates_name, colors_name);
    }
    return made_from(reading);
}

ModelMade read_model_bytes(const std::string& coordinates, const std::string& colors) {
    ModelReading reading;
    {
        py::gil_scoped_release release;
        MemoryFileSystem files;
        files.put("coordinates", coordinates);
        files.put("colors", colors);
        reading = read_model_files(files, "coordinates", "colors");
    }
    return made_from(reading);
}

}  // namespace sferonda::python
