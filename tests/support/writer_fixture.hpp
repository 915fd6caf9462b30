#pragma once
// What every writer test needs: a scratch folder as the current directory,
// the console captured, a model built bead by bead, and one run of a writer
// with all it left behind.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "driver/bead_model.hpp"
#include "driver/run.hpp"
#include "tests/support/scratch.hpp"

namespace sferonda::testing {

// The console line of a writer that refuses a model it cannot frame.
extern const char* const UNFRAMEABLE;

// The lines of CR LF-ended text; text after the last line end fails the test.
std::vector<std::string> split_lines(const std::string& text);

struct Outcome {
    bool complete = false;  // what the writer returned
    bool stopped = false;   // the run was ended instead
    int status = -1;        // of the ended run
    std::string file;
    std::string console;
};

// The run was stopped by the writer itself, with `message` on the console
// and the graphics file left empty.
void expect_stop(const Outcome& outcome, std::string_view message);

// The writer returned without writing anything, since the model cannot be framed.
void expect_unframeable(const Outcome& outcome);

class WriterTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void add_bead(float x, float y, float z, float radius, std::int32_t color);
    void add_connector(std::int32_t first, std::int32_t second, float radius, std::int32_t color);
    void clear_model();

    // Calls `write`, which writes `file_name` on OUTPUT_UNIT and returns what
    // the writer returned. A stop of the run is caught and its units closed;
    // either way the file must exist and the unit be closed afterwards.
    Outcome run_writer(const std::string& file_name, const std::function<bool()>& write);

    ScratchDirectory scratch_;
    // The run the writer writes for; too large for the stack.
    std::unique_ptr<sferonda::Run> run_ = std::make_unique<sferonda::Run>();
    // Too large for the stack.
    std::unique_ptr<BeadModel> model_ = std::make_unique<BeadModel>();

private:
    std::filesystem::path previous_directory_;
};

}  // namespace sferonda::testing
