#pragma once
// A bead model kept between calls, read from its files or built from
// arrays (model_arrays.hpp), and its files written from it in memory.

#include <pybind11/pybind11.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "driver/bead_model.hpp"
#include "python/model_outcome.hpp"

namespace sferonda::python {

namespace py = pybind11;

// Never changed once made, so that threads may write it at once.
class Model {
public:
    explicit Model(std::shared_ptr<const BeadModel> beads) : beads_(std::move(beads)) {}

    int bead_count() const { return beads_->bead_count; }
    int connector_count() const { return beads_->connector_count; }

    // Display type `display_type` with the output name `name`.
    ModelOutcome write_display_type(int display_type, const py::handle& name) const;
    // Binary glTF; `detail` one of the command line's names, or none.
    ModelOutcome write_gltf(const py::handle& name, const std::optional<std::string>& detail, bool instanced) const;

private:
    std::shared_ptr<const BeadModel> beads_;
};

// How reading or making a model ended, and the model when accepted.
using ModelMade = std::pair<ModelOutcome, std::optional<Model>>;

// The two files named as on the program's console, from the working folder.
ModelMade read_model_paths(const py::handle& coordinates, const py::handle& colors);
// The two files' bytes, read as files named "coordinates" and "colors".
ModelMade read_model_bytes(const std::string& coordinates, const std::string& colors);

}  // namespace sferonda::python
