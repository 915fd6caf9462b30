#include "tests/support/writer_fixture.hpp"

#include "records/run_end.hpp"
#include "records/units.hpp"

namespace sferonda::testing {

const char* const UNFRAMEABLE = " ERROR: Model cannot be framed; graphics file left empty\n";

std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text after the last line end";
    return lines;
}

void expect_stop(const Outcome& outcome, std::string_view message) {
    EXPECT_TRUE(outcome.stopped);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.console, std::string(message) + "\n");
    EXPECT_EQ(outcome.file, "");
}

void expect_unframeable(const Outcome& outcome) {
    EXPECT_FALSE(outcome.stopped);
    EXPECT_FALSE(outcome.complete);
    EXPECT_EQ(outcome.console, UNFRAMEABLE);
    EXPECT_EQ(outcome.file, "");
}

void WriterTest::SetUp() {
    previous_directory_ = std::filesystem::current_path();
    std::filesystem::current_path(scratch_.path());
    capture_console_output(*run_);
}

void WriterTest::TearDown() { std::filesystem::current_path(previous_directory_); }

void WriterTest::add_bead(float x, float y, float z, float radius, std::int32_t color) {
    const std::int32_t i = ++model_->bead_count;
    model_->bead_x[i] = x;
    model_->bead_y[i] = y;
    model_->bead_z[i] = z;
    model_->bead_radius[i] = radius;
    model_->bead_color[i] = color;
}

void WriterTest::add_connector(std::int32_t first, std::int32_t second, float radius, std::int32_t color) {
    const std::int32_t j = ++model_->connector_count;
    model_->connector_first[j] = first;
    model_->connector_second[j] = second;
    model_->connector_radius[j] = radius;
    model_->connector_color[j] = color;
}

void WriterTest::clear_model() {
    model_->bead_count = 0;
    model_->connector_count = 0;
}

Outcome WriterTest::run_writer(const std::string& file_name, const std::function<bool()>& write) {
    Outcome outcome;
    try {
        outcome.complete = write();
    } catch (const RunEnded& ended) {
        outcome.stopped = true;
        outcome.status = ended.status;
        close_all_units_quietly(*run_);
    }
    EXPECT_FALSE(is_open(*run_, OUTPUT_UNIT));
    EXPECT_TRUE(scratch_.exists(file_name));
    outcome.file = scratch_.read(file_name);
    outcome.console = console_lines_with_lf(take_console_output(*run_));
    return outcome;
}

}  // namespace sferonda::testing
