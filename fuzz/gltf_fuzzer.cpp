// libFuzzer target: arbitrary model files read as `sferonda gltf` reads them
// and, when the reader accepts them, turned into a glTF file in memory.
//
// Input: the case target's (fuzz/case_harness.hpp), whose corpus it starts
// from; byte 0 is ignored, the bytes up to the first NUL byte are the
// coordinates-and-connectors file and the bytes after it the colors file.
// What must hold: the run ends only by a stop or a read's fatal error, and
// a file that is built has a sound container, no value glTF cannot hold
// (to_chars would write "inf" or "nan") and one node or omission for each
// bead and connector.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "driver/model_reader.hpp"
#include "driver/run.hpp"
#include "fuzz/fuzzer_setup.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"
#include "writers/gltf_writer.hpp"

using namespace sferonda;
using namespace sferonda::fuzzing;

namespace {

std::uint32_t u32_at(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int k = 3; k >= 0; --k) value = value << 8 | std::uint8_t(bytes[at + k]);
    return value;
}

const char* glb_fault(const std::string& glb, const GltfSummary& summary, const BeadModel& model) {
    if (glb.size() < 20 || glb.compare(0, 4, "glTF") != 0 || u32_at(glb, 8) != glb.size()) return "bad header";
    const std::size_t json_length = u32_at(glb, 12);
    if (json_length % 4 != 0 || 20 + json_length > glb.size()) return "bad JSON chunk";
    const std::string_view json(glb.data() + 20, json_length);
    if (json.find("inf") != std::string_view::npos || json.find("nan") != std::string_view::npos) {
        return "a value that is not finite";
    }
    if (summary.spheres + summary.omitted_beads != std::max(0, model.bead_count) ||
        summary.cylinders + summary.omitted_connectors != std::max(0, model.connector_count)) {
        return "beads or connectors lost";
    }
    return nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    prepare_fuzzer(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::string_view files(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t split = std::min(files.find('\0'), files.size());
    const std::string_view coordinates = files.substr(0, split);
    const std::string_view colors = split < files.size() ? files.substr(split + 1) : std::string_view{};

    const auto run = std::make_unique<Run>();
    BeadModel& model = run->model;
    capture_console_output(*run);
    int status = 0;
    const char* fault = nullptr;
    try {
        attach_input_text(*run, CONSOLE_INPUT_UNIT, "", "stdin");
        attach_input_text(*run, COORDINATES_UNIT, std::string(coordinates), "coordinates.dat");
        attach_input_text(*run, COLORS_UNIT, std::string(colors), "colors.col");
        if (read_bead_model(*run, model, COORDINATES_UNIT, COLORS_UNIT, AfterError::Continue)) {
            GltfSummary summary;
            const std::string glb = build_glb(*run, model, summary);
            fault = glb_fault(glb, summary, model);
        }
    } catch (const RunEnded& ended) {
        status = ended.status;
    }
    close_all_units_quietly(*run);
    if (status != 0 && status != 59 && status != 64) fault = "unexpected end of the run";
    if (fault) {
        ::dprintf(report_fd(), "gltf: %s (status %d)\n", fault, status);
        std::abort();
    }
    return 0;
}
