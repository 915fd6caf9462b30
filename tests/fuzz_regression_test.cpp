// Replays the fuzz targets' committed inputs in the normal test builds: every
// finding in fuzz/regressions and the minimised corpora in fuzz/corpus. Each
// input must end as its harness expects (see the harness headers) and,
// under the sanitizer build, without a report.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "fuzz/case_harness.hpp"
#include "fuzz/list_read_harness.hpp"
#include "fuzz/session_harness.hpp"
#include "geometry/eigsym.hpp"
#include "tests/support/scratch.hpp"

namespace sferonda::testing {
namespace {

namespace fs = std::filesystem;
using namespace sferonda::fuzzing;

std::vector<fs::path> inputs_of(const std::string& target) {
    std::vector<fs::path> inputs;
    for (const char* kind : {"regressions", "corpus"}) {
        const fs::path folder = fs::path(SFERONDA_SOURCE_DIR) / "fuzz" / kind / target;
        if (!fs::is_directory(folder)) continue;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            if (entry.is_regular_file()) inputs.push_back(entry.path());
        }
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

std::vector<std::uint8_t> bytes_of(const fs::path& path) {
    const std::string content = read_whole_file(path.string());
    return {content.begin(), content.end()};
}

// The program's fatal error lines go to standard error, one per input;
// they are dropped while the inputs run.
class QuietStandardError {
public:
    QuietStandardError() : saved_(::dup(STDERR_FILENO)) {
        int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDERR_FILENO);
        ::close(null);
    }
    ~QuietStandardError() {
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
    }

private:
    int saved_;
};

TEST(FuzzRegression, FreeFormReadInputsEndAsExpected) {
    const std::vector<fs::path> inputs = inputs_of("list_read");
    ASSERT_FALSE(inputs.empty());
    QuietStandardError quiet;
    for (const fs::path& path : inputs) {
        const std::vector<std::uint8_t> data = bytes_of(path);
        const ListReadOutcome outcome = run_list_read_input(data.data(), data.size());
        EXPECT_TRUE(is_expected_outcome(outcome)) << path << ": status " << outcome.status;
    }
}

TEST(FuzzRegression, WholeCaseInputsEndAsExpected) {
    const std::vector<fs::path> inputs = inputs_of("case");
    ASSERT_FALSE(inputs.empty());
    QuietStandardError quiet;
    for (const fs::path& path : inputs) {
        const std::vector<std::uint8_t> data = bytes_of(path);
        const CaseOutcome outcome = run_case_input(data.data(), data.size());
        EXPECT_TRUE(is_expected_outcome(outcome))
            << path << ": display type " << outcome.display_type << ", status " << outcome.status;
    }
}

TEST(FuzzRegression, WholeRunInputsEndAsExpected) {
    const std::vector<fs::path> inputs = inputs_of("session");
    ASSERT_FALSE(inputs.empty());
    QuietStandardError quiet;
    for (const fs::path& path : inputs) {
        const std::vector<std::uint8_t> data = bytes_of(path);
        const SessionOutcome outcome = run_session_input(data.data(), data.size());
        EXPECT_TRUE(is_expected_session(outcome)) << path << ": status " << outcome.status << "\n"
                                                  << outcome.console;
    }
}

// The whole-run inputs kept for the faults of names: each is run, not
// skipped as leaving the scratch folder, and ends with its open failure.
TEST(FuzzRegression, WholeRunFindingsEndWithTheirOpenFailure) {
    QuietStandardError quiet;
    for (const char* finding : {"colors-name-with-nul", "output-name-with-nul", "graphics-file-is-coordinates-file",
                                "graphics-file-is-log", "graphics-file-is-main-input", "log-is-main-input"}) {
        const std::vector<std::uint8_t> data =
            bytes_of(fs::path(SFERONDA_SOURCE_DIR) / "fuzz" / "regressions" / "session" / finding);
        ASSERT_FALSE(data.empty()) << finding;
        const SessionOutcome outcome = run_session_input(data.data(), data.size());
        EXPECT_FALSE(outcome.skipped) << finding;
        EXPECT_EQ(outcome.status, 30) << finding;
    }
}

// --- faults the fuzzers found, with the behaviour they have now ---------------

// Found as a hang of display types 3, 4 and 6: beads near 1E19 give finite
// second moments near 1E38 whose norm, and so the first threshold, is
// infinite in single precision.
TEST(FuzzRegression, EigsymReturnsWhenTheNormIsBeyondSinglePrecision) {
    const float big = 2.0e38f;
    const float matrix[9] = {big, big, big, big, big, big, big, big, big};
    float values[3] = {};
    float vectors[9] = {};
    EIGSYM(matrix, 3, 3, values, vectors);
    // Left unrotated: the diagonal, in its order (equal values are not
    // exchanged), with the coordinate vectors.
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(values[j], big);
        for (int c = 0; c < 3; ++c) EXPECT_EQ(vectors[c * 3 + j], c == j ? 1.0f : 0.0f);
    }
}

TEST(FuzzRegression, ModelsNearTheEndOfTheFloatRangeAreFramedAndWritten) {
    for (int display_type : {3, 4, 6}) {
        SCOPED_TRACE(display_type);
        const std::string input = std::string(1, char(display_type)) +
                                  "2\n1 1E19 1E19 1E19 1\n2 -1E19 -1E19 -1E19 1\n0\n" + '\0' +
                                  "2\n1 1\n2 1\n0\n";
        QuietStandardError quiet;
        const CaseOutcome outcome =
            run_case_input(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
        EXPECT_TRUE(outcome.case_returned);
        EXPECT_NE(outcome.log.find(GENERATED_RECORD), std::string::npos) << outcome.console;
        EXPECT_TRUE(outcome.graphics_file_exists);
    }
}

}  // namespace
}  // namespace sferonda::testing
