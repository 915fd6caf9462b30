#include "driver/model_writing.hpp"

#include <string>

#include "driver/dispatcher.hpp"
#include "driver/gltf_command.hpp"
#include "driver/hosted_run.hpp"
#include "driver/run.hpp"
#include "records/memory_file_system.hpp"
#include "records/units.hpp"

namespace sferonda {

namespace {

// The batch's log, which the dispatcher writes to; kept from the result.
constexpr std::string_view LOG_FILE_NAME = "sferonda-log.txt";

void keep_output_file(MemoryRunResult& result, const MemoryFileSystem& store) {
    if (result.cases.empty()) return;
    const auto file = store.files().find(result.cases.back().file_name);
    if (file != store.files().end()) result.files.push_back({file->first, file->second.bytes});
}

}  // namespace

MemoryRunResult write_model_in_memory(const BeadModel& model, int display_type, std::string_view output_name) {
    MemoryFileSystem store;
    MemoryRunResult result = run_hosted(store, "", [&](Run& run) {
        CaseResult& written = run.cases.emplace_back();
        written.display_type = display_type;
        written.output_name = output_name;
        open_unknown(run, LOG_UNIT, LOG_FILE_NAME);
        BUILDSFERONDA(run, display_type, model, LOG_UNIT, OUTPUT_UNIT, make_name(output_name));
        close_all_units(run);
        return 0;
    });
    keep_output_file(result, store);
    return result;
}

MemoryRunResult write_model_gltf_in_memory(const BeadModel& model, std::string_view output_name,
                                           const GltfOptions& options) {
    MemoryFileSystem store;
    const std::string file_name(trimmed(build_output_file_name(make_name(output_name), ".glb")));
    MemoryRunResult result = run_hosted(
        store, "", [&](Run& run) { return write_gltf_model(run, model, file_name, options); },
        [&](Run& run, MemoryRunResult&) {
            if (!run.cases.empty()) run.cases.back().output_name = output_name;
        });
    keep_output_file(result, store);
    return result;
}

}  // namespace sferonda
