// Runs on files in memory: the golden batches give back every file and the
// console as the process writes them, run after run, a fatal error between
// them; each display type writes its own file; a stop and a fatal error
// come back as results; the glTF file is the gltf command's.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <new>
#include <string>

#include "driver/in_memory_run.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"
#include "tests/support/process_run.hpp"
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

TEST(InMemoryRun, GoldenBatchesGiveEveryFileAndTheConsoleRunAfterRun) {
    const std::pair<std::string, std::string> batches[] = {
        {"/examples", "/tests/golden/examples"},
        {"/tests/golden/rare/input", "/tests/golden/rare/expected"},
    };
    for (const auto& [inputs_folder, goldens_folder] : batches) {
        SCOPED_TRACE(inputs_folder);
        const ScratchDirectory scratch;
        const auto inputs = as_inputs(folder_files(SFERONDA_SOURCE_DIR + inputs_folder));
        auto goldens = folder_files(SFERONDA_SOURCE_DIR + goldens_folder);
        const std::string console = goldens.extract("console.txt").mapped();
        for (int run = 0; run < 2; ++run) {
            const MemoryRunResult result = run_batch_in_memory(inputs, "main.inp");
            EXPECT_EQ(result.ending, RunEnding::Normal);
            EXPECT_EQ(result.status, 0);
            EXPECT_EQ(result.console, console);
            EXPECT_TRUE(written(result) == goldens);
            // A run that ends in the middle of a case leaves nothing to the next.
            const MemoryFile missing_colors[] = {{"main.inp", "1\nchain.dat\nabsent.col\nchain\n-1\n"},
                                                 source_file("chain.dat")};
            const MemoryRunResult failed = run_batch_in_memory(missing_colors, "main.inp");
            EXPECT_EQ(failed.ending, RunEnding::Fatal);
            EXPECT_EQ(failed.status, 29);
            EXPECT_EQ(failed.fatal_line, "forrtl: severe (29): file not found, unit 3, file absent.col");
        }
    }
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
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.console.find("*** ERROR Display type 7 not valid in this version"), std::string::npos);
    EXPECT_EQ(result.fatal_line, "");
    EXPECT_EQ(written(result).count("sferonda-log.txt"), 1u);
}

TEST(InMemoryRun, GltfIsTheCommandsFile) {
    const ScratchDirectory scratch;
    for (const char* name : {"chain.dat", "chain.col"}) scratch.write(name, source_file(name).bytes);
    const ProcessResult command = run_sferonda_with(scratch.path(), {"gltf", "chain.dat", "chain.col", "chain.glb"});
    ASSERT_EQ(command.exit_status, 0);
    const MemoryRunResult result =
        run_gltf_in_memory(source_file("chain.dat"), source_file("chain.col"), "chain");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.console, command.standard_output);
    const auto files = written(result);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files.begin()->first, "chain.glb");
    EXPECT_EQ(files.begin()->second, scratch.read("chain.glb"));
    // chain.dat: 300 beads, the first at (-4, 0, 0) of radius 0.5; 299 connectors, the first
    // from bead 1 to bead 2 of radius 0.25.
    const ModelNumbers& model = result.model;
    ASSERT_EQ(model.beads.size(), 4u * 300);
    EXPECT_EQ(std::vector<float>(model.beads.begin(), model.beads.begin() + 4), (std::vector<float>{-4, 0, 0, 0.5f}));
    ASSERT_EQ(model.connector_radii.size(), 299u);
    EXPECT_EQ(model.connector_beads[0], 1);
    EXPECT_EQ(model.connector_beads[1], 2);
    EXPECT_EQ(model.connector_radii[0], 0.25f);
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
    EXPECT_EQ(outcome.status, 41);
    EXPECT_EQ(outcome.fatal_line, "forrtl: severe (41): insufficient virtual memory");
    EXPECT_EQ(reported, outcome.fatal_line + "\r\n");
}

}  // namespace
}  // namespace sferonda::testing
