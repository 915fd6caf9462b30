#include "python/model_arrays.hpp"

#include <pybind11/numpy.h>

#include <algorithm>
#include <cstdint>
#include <memory>

#include "driver/model_reading.hpp"

namespace sferonda::python {

namespace {

using Reals = py::array_t<float, py::array::c_style | py::array::forcecast>;
using Integers = py::array_t<std::int32_t, py::array::c_style | py::array::forcecast>;

// Rows of `width` values each; an empty sequence is no rows at all.
template <typename Array>
Array rows_of(const py::handle& values, py::ssize_t width, const char* what) {
    Array array = Array::ensure(values);
    if (!array) throw py::type_error(std::string(what) + " must be numbers");
    if (array.size() == 0) return Array(std::vector<py::ssize_t>{0, width});
    if (array.ndim() != 2 || array.shape(1) != width) {
        throw py::value_error(std::string(what) + " must have " + std::to_string(width) + " columns");
    }
    return array;
}

template <typename Array>
Array list_of(const py::handle& values, py::ssize_t count, const char* what, const char* counted) {
    Array array = Array::ensure(values);
    if (!array) throw py::type_error(std::string(what) + " must be numbers");
    if (array.ndim() > 1 || (array.size() != count && count >= 0)) {
        throw py::value_error(std::string(what) + " must hold one value for each of the " + counted);
    }
    return array;
}

void copy_beads(BeadModel& model, const Reals& centres, const Reals& radii, const Integers& colors) {
    const auto xyz = centres.unchecked<2>();
    const float* radius = radii.data();
    const std::int32_t* color = colors.data();
    for (std::int32_t i = 1; i <= model.bead_count; ++i) {
        model.bead_x[i] = xyz(i - 1, 0);
        model.bead_y[i] = xyz(i - 1, 1);
        model.bead_z[i] = xyz(i - 1, 2);
        model.bead_radius[i] = radius[i - 1];
        model.bead_color[i] = color[i - 1];
    }
}

void copy_connectors(BeadModel& model, const Integers& pairs, const Reals& radii, const Integers& colors) {
    const auto ends = pairs.unchecked<2>();
    const float* radius = radii.data();
    const std::int32_t* color = colors.data();
    for (std::int32_t k = 1; k <= model.connector_count; ++k) {
        model.connector_first[k] = ends(k - 1, 0);
        model.connector_second[k] = ends(k - 1, 1);
        model.connector_radius[k] = radius[k - 1];
        model.connector_color[k] = color[k - 1];
    }
}

// Beyond int32, a count would not fit the program's counts either.
std::int32_t count_of(py::ssize_t size) { return std::int32_t(std::min<py::ssize_t>(size, INT32_MAX)); }

}  // namespace

ModelMade model_from_arrays(const py::handle& centres, const py::handle& radii, const py::handle& bead_colors,
                            const py::handle& connectors, const py::handle& connector_radii,
                            const py::handle& connector_colors) {
    const Reals bead_xyz = rows_of<Reals>(centres, 3, "centres");
    const Reals bead_radii = list_of<Reals>(radii, bead_xyz.shape(0), "radii", "centres");
    const Integers bead_color = list_of<Integers>(bead_colors, -1, "bead_colors", "centres");
    const Integers pairs = rows_of<Integers>(connectors, 2, "connectors");
    const Reals pair_radii = list_of<Reals>(connector_radii, pairs.shape(0), "connector_radii", "connectors");
    const Integers pair_color = list_of<Integers>(connector_colors, -1, "connector_colors", "connectors");
    const ModelCounts counts{count_of(bead_xyz.shape(0)), count_of(pairs.shape(0)), count_of(bead_color.size()),
                             count_of(pair_color.size())};
    std::shared_ptr<BeadModel> model;
    ModelMade made{outcome_of(make_model_of_counts(counts, model)), std::nullopt};
    if (!made.first.done) return made;
    copy_beads(*model, bead_xyz, bead_radii, bead_color);
    copy_connectors(*model, pairs, pair_radii, pair_color);
    made.second = Model(std::move(model));
    return made;
}

}  // namespace sferonda::python
