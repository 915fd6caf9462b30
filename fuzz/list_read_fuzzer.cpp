// libFuzzer target: arbitrary bytes through the free-form reader.
#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzzer_setup.hpp"
#include "fuzz/list_read_harness.hpp"

using namespace sferonda::fuzzing;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    prepare_fuzzer(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ListReadOutcome outcome = run_list_read_input(data, size);
    if (!is_expected_outcome(outcome)) {
        ::dprintf(report_fd(), "unexpected end of the reads: status %d after %d reads\n", outcome.status,
                  outcome.reads);
        std::abort();
    }
    return 0;
}
