#include "driver/model_reading.hpp"

#include "driver/hosted_run.hpp"
#include "driver/run.hpp"
#include "records/memory_file_system.hpp"
#include "records/units.hpp"

namespace sferonda {

ModelReading read_model_files(FileSystem& files, std::string_view coordinates, std::string_view colors) {
    ModelReading reading;
    bool accepted = false;
    reading.run = run_hosted(files, "", [&](Run& run) {
        CaseResult& result = current_case(run);
        result.coordinates = coordinates;
        result.colors = colors;
        // Made within the run, so that memory that cannot be had is its error 41.
        reading.model = std::make_unique<BeadModel>();
        open_old(run, COORDINATES_UNIT, coordinates);
        open_old(run, COLORS_UNIT, colors);
        accepted = read_bead_model(run, *reading.model, COORDINATES_UNIT, COLORS_UNIT, AfterError::Continue);
        close_all_units(run);
        result.written = accepted;
        result.beads = reading.model->bead_count;
        result.connectors = reading.model->connector_count;
        return 0;
    });
    if (!accepted || reading.run.ending != RunEnding::Normal) reading.model.reset();
    return reading;
}

MemoryRunResult make_model_of_counts(const ModelCounts& counts, std::shared_ptr<BeadModel>& model) {
    MemoryFileSystem no_files;
    return run_hosted(no_files, "", [&](Run& run) {
        CaseResult& result = current_case(run);
        result.beads = counts.beads;
        result.connectors = counts.connectors;
        if (!accept_model_counts(run, counts)) return 0;
        model = std::make_shared<BeadModel>();
        model->bead_count = counts.beads;
        model->connector_count = counts.connectors;
        result.written = true;
        return 0;
    });
}

}  // namespace sferonda
