#pragma once
// A bead model from arrays: any sequence or numpy array, reals taken as
// float32 (float64 rounded to nearest) and integers as int32, as the
// program holds them.

#include <pybind11/pybind11.h>

#include "python/model.hpp"

namespace sferonda::python {

namespace py = pybind11;

// Bead centres N x 3, radii N, color indexes; connectors M x 2 (bead
// numbers from 1), their radii M and color indexes. Shapes that no pair of
// files could give raise ValueError; the counts are checked as the
// program's reader checks its files'.
ModelMade model_from_arrays(const py::handle& centres, const py::handle& radii, const py::handle& bead_colors,
                            const py::handle& connectors, const py::handle& connector_radii,
                            const py::handle& connector_colors);

}  // namespace sferonda::python
