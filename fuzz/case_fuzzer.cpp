// libFuzzer target: arbitrary bytes as one whole case of every display type.
#include <cstdio>
#include <cstdlib>

#include "fuzz/case_harness.hpp"
#include "fuzz/fuzzer_setup.hpp"

using namespace sferonda::fuzzing;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    prepare_fuzzer(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CaseOutcome outcome = run_case_input(data, size);
    if (!is_expected_outcome(outcome)) {
        ::dprintf(report_fd(), "unexpected end of the case: display type %d, status %d, returned %d, %s %s\n",
                  outcome.display_type, outcome.status, int(outcome.case_returned),
                  outcome.graphics_file.c_str(), outcome.graphics_file_exists ? "exists" : "missing");
        std::abort();
    }
    return 0;
}
