// Runs on files in memory: the golden batches give back every file and the
// console as the process writes them, run after run, a fatal error between
// them, and the cases' results; each display type writes its own file; a
// stop and a fatal error come back as results. A run on a folder of its own
// needs no working folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <new>
#include <string>

#include "driver/case_driver.hpp"
#include "driver/in_memory_run.hpp"
#include "driver/run.hpp"
#include "platform/platform.hpp"
#include "records/run_end.hpp"
#include "records/system_file_system.hpp"
#include "records/units.hpp"
#include "tests/support/scratch.hpp"

namespace sferonda::testing {
namespace {

std::map<std::string, std::string> folder_files(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files[entry.path().filename().string()] = read_whole_file(entry.path().string());
    }
    return files;
}

std::vector<MemoryFile> as_inputs(const std::map<std::string, std::string>& files) {
    std::vector<MemoryFile> inputs;
    for (const auto& [name, bytes] : files) inputs.push_back({name, bytes});
    return inputs;
}

std::map<std::string, std::string> written(const MemoryRunResult& result) {
    std::map<std::string, std::string> files;
    for (const MemoryFile& file : result.files) files[file.name] = file.bytes;
    return files;
}

MemoryFile source_file(const std::string& name) {
    return {name, read_whole_file(std::string(SFERONDA_SOURCE_DIR) + "/examples/" + name)};
}

const std::string EXAMPLE_GOLDENS = std::string(SFERONDA_SOURCE_DIR) + "/tests/golden/examples";

// The rare batch's first case omits the connector between its two
// coinciding beads; its third to fifth are refused as unframeable.
void expect_rare_case_results(const std::vector<CaseResult>& cases) {
    ASSERT_EQ(cases.size(), 14u);  // main.inp lists 14 cases
    EXPECT_EQ(cases[0].display_type, 2);
    EXPECT_EQ(cases[0].coordinates, "degenerate.dat");
    EXPECT_EQ(cases[0].file_name, "degenerate.ppv");
    EXPECT_TRUE(cases[0].written);
    EXPECT_EQ(cases[0].beads, 3);
    EXPECT_EQ(cases[0].connectors, 2);
    EXPECT_EQ(cases[0].omitted_connectors, 1);
    for (int refused = 2; refused <= 4; ++refused) {
        EXPECT_FALSE(cases[refused].written);
        EXPECT_EQ(cases[refused].refusal, " ERROR: Model cannot be framed; graphics file left empty");
    }
    EXPECT_EQ(cases[4].file_name, "unframeable.vrml");
}

TEST(InMemoryRun, GoldenBatchesGiveEveryFileAndTheConsoleRunAfterRun) {
    const std::pair<std::string, std::string> batches[] = {
        {"/examples", "/tests/golden/examples"},
        {"/tests/golden/rare/input", "/tests/golden/rare/expected"},
    };
    for (const auto& [inputs_folder, goldens_folder] : batches) {
        SCOPED_TRACE(inputs_folder);
        const auto inputs = as_inputs(folder_files(SFERONDA_SOURCE_DIR + inputs_folder));
        auto goldens = folder_files(SFERONDA_SOURCE_DIR + goldens_folder);
        const std::string console = goldens.extract("console.txt").mapped();
        for (int run = 0; run < 2; ++run) {
            const MemoryRunResult result = run_batch_in_memory(inputs, "main.inp");
            EXPECT_EQ(result.ending, RunEnding::Normal);
            EXPECT_EQ(result.status, 0);
            EXPECT_EQ(console_lines_with_lf(result.console), console);
            EXPECT_TRUE(written(result) == goldens);
            if (inputs_folder.find("rare") != std::string::npos) {
                expect_rare_case_results(result.cases);
            } else {
                // The 19th case, compact.dat as type 1, is the batch's one file written with a warning.
                ASSERT_EQ(result.cases.size(), 30u);
                for (std::size_t k = 0; k < result.cases.size(); ++k) {
                    EXPECT_EQ(result.cases[k].warnings,
                              k == 18 ? " * ---- WARNING: Unequal beads; all taken as bead 1" : "");
                }
            }
            // A run that ends in the middle of a case leaves nothing to the next.
            const MemoryFile missing_colors[] = {{"main.inp", "1\nchain.dat\nabsent.col\nchain\n-1\n"},
                                                 source_file("chain.dat")};
            const MemoryRunResult failed = run_batch_in_memory(missing_colors, "main.inp");
            EXPECT_EQ(failed.ending, RunEnding::Fatal);
            EXPECT_EQ(failed.error_number, 29);
            EXPECT_EQ(failed.fatal_unit, 3);
            EXPECT_EQ(failed.fatal_file, "absent.col");
            EXPECT_EQ(failed.fatal_line, "forrtl: severe (29): file not found, unit 3, file absent.col");
        }
    }
}

// A run on the system's files in a folder of its own finds its inputs and
// writes there, the working folder left as it is.
TEST(InMemoryRun, ARunOnAFolderOfItsOwnNeedsNoWorkingFolder) {
    const ScratchDirectory scratch;
    scratch.write("main.inp", "3\nchain.dat\nchain.col\nchain\n-1\n");
    for (const char* name : {"chain.dat", "chain.col"}) scratch.write(name, source_file(name).bytes);
    const auto working_folder = std::filesystem::current_path();
    SystemFileSystem files(scratch.path());
    const auto run = std::make_unique<sferonda::Run>(files);
    capture_console_output(*run);
    attach_input_text(*run, CONSOLE_INPUT_UNIT, "main.inp\n", "stdin");
    EXPECT_EQ(run_batch(*run, std::nullopt), 0);
    EXPECT_EQ(std::filesystem::current_path(), working_folder);
    EXPECT_EQ(scratch.read("chain.pov"), read_whole_file(EXAMPLE_GOLDENS + "/chain.pov"));
}

TEST(InMemoryRun, EachDisplayTypeWritesItsOwnFile) {
    const char* const extensions[] = {".bea", ".ppv", ".pov", "-worm.pov", ".pi", ".vrml"};
    const ScratchDirectory scratch;
    for (int type = 1; type <= 6; ++type) {
        const std::string name = std::string("chain") + extensions[type - 1];
        SCOPED_TRACE(name);
        const MemoryRunResult result = run_case_in_memory(type, source_file("chain.dat"),
                                                          source_file("chain.col"), "chain");
        EXPECT_EQ(result.ending, RunEnding::Normal);
        const auto files = written(result);
        ASSERT_EQ(files.size(), 2u);
        EXPECT_EQ(files.count("sferonda-log.txt"), 1u);
        EXPECT_EQ(files.count(name), 1u);
        if (files.count(name)) {
            EXPECT_EQ(files.at(name), read_whole_file(EXAMPLE_GOLDENS + "/" + name));
        }
    }
}

TEST(InMemoryRun, AStopEndsTheRunWithWhatWasWritten) {
    const ScratchDirectory scratch;
    const MemoryRunResult result =
        run_case_in_memory(7, source_file("chain.dat"), source_file("chain.col"), "chain");
    EXPECT_EQ(result.ending, RunEnding::Stop);
    ASSERT_EQ(result.cases.size(), 1u);
    EXPECT_EQ(result.cases[0].refusal, "*** ERROR Display type 7 not valid in this versionof Sferonda");
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.console.find("*** ERROR Display type 7 not valid in this version"), std::string::npos);
    EXPECT_EQ(result.fatal_line, "");
    EXPECT_EQ(written(result).count("sferonda-log.txt"), 1u);
}

// In memory files are told apart by name: an output named as the model's
// coordinates file, open on another unit, is refused and left as it was.
TEST(InMemoryRun, AnOutputOpenOnAnotherUnitIsRefusedByName) {
    const MemoryFile coordinates{"chain.bea", source_file("chain.dat").bytes};
    const MemoryRunResult result = run_case_in_memory(1, coordinates, source_file("chain.col"), "chain");
    EXPECT_EQ(result.error_number, 30);
    EXPECT_EQ(result.fatal_file, "chain.bea");
    EXPECT_EQ(written(result).count("chain.bea"), 0u);
}

// Each run has a model of its own: a null value keeps what the model held
// before the run, which is nothing from an earlier run.
TEST(InMemoryRun, ARunStartsFromAnEmptyModel) {
    const ScratchDirectory scratch;
    const MemoryFile colors{"one.col", "1\n1 2\n0\n"};
    const MemoryRunResult first =
        run_gltf_in_memory({"one.dat", "1\n1 5 2 3 0.5\n0\n"}, colors, "one");
    ASSERT_EQ(first.model.beads.size(), 4u);
    EXPECT_EQ(first.model.beads[0], 5.0f);
    const MemoryRunResult second =
        run_gltf_in_memory({"one.dat", "1\n1,,2,3,0.5\n0\n"}, colors, "one");
    ASSERT_EQ(second.model.beads.size(), 4u);
    EXPECT_EQ(second.model.beads[0], 0.0f);
}

// Memory that a run inside a host cannot have ends that run, not the host.
TEST(InMemoryRun, AFailedAllocationEndsTheRunAsError41) {
    Units units;
    std::string reported;
    units.set_error_sink([&](std::string_view record) { reported += record; });
    const RunOutcome outcome = run_to_end(units, []() -> int { throw std::bad_alloc(); });
    EXPECT_EQ(outcome.ending, RunEnding::Fatal);
    EXPECT_EQ(outcome.error_number, 41);
    EXPECT_EQ(outcome.status, fatal_exit_status(41));
    EXPECT_EQ(outcome.fatal_line, "forrtl: severe (41): insufficient virtual memory");
    EXPECT_EQ(reported, outcome.fatal_line + "\r\n");
}

}  // namespace
}  // namespace sferonda::testing
