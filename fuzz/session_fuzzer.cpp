// libFuzzer target: arbitrary bytes as a whole run, names and answers included.
#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzzer_setup.hpp"
#include "fuzz/session_harness.hpp"

using namespace sferonda::fuzzing;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    prepare_fuzzer(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SessionOutcome outcome = run_session_input(data, size);
    if (!is_expected_session(outcome)) {
        ::dprintf(report_fd(), "unexpected end of the run: status %d\n", outcome.status);
        std::abort();
    }
    return 0;
}
