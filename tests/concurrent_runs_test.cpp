// Two runs in memory at once, each the full-capacity batch of the six
// display types (as the benchmark's) and the glTF command, give the bytes of
// a run alone: runs share nothing. Also run under ThreadSanitizer
// (scripts/run-tests.sh).

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "driver/in_memory_run.hpp"
#include "tests/support/scratch.hpp"

namespace sferonda::testing {
namespace {

struct Runs {
    MemoryRunResult batch;
    MemoryRunResult gltf;
};

MemoryFile made_file(const ScratchDirectory& scratch, const std::string& name) {
    return {name, scratch.read(name)};
}

// 10000 beads and 25000 connectors; 5000 for the pseudo-PDB type, whose limit that is.
std::vector<MemoryFile> capacity_inputs(const ScratchDirectory& scratch) {
    for (const char* made : {"10000 25000 model.dat model.col", "10000 5000 pdb.dat pdb.col"}) {
        const std::string command = "cd '" + scratch.path() + "' && '" MAKE_MODEL_EXE "' " + made;
        EXPECT_EQ(std::system(command.c_str()), 0);
    }
    std::vector<MemoryFile> inputs;
    for (const char* name : {"model.dat", "model.col", "pdb.dat", "pdb.col"}) {
        inputs.push_back(made_file(scratch, name));
    }
    std::string main_input;
    for (int type = 1; type <= 6; ++type) {
        const std::string model = type == 1 ? "pdb" : "model";
        main_input += std::to_string(type) + "\n" + model + ".dat\n" + model + ".col\nout-" + std::to_string(type) + "\n";
    }
    inputs.push_back({"main.inp", main_input + "-1\n"});
    return inputs;
}

Runs run_both(const std::vector<MemoryFile>& inputs) {
    return {run_batch_in_memory(inputs, "main.inp"), run_gltf_in_memory(inputs[0], inputs[1], "model")};
}

void expect_same(const MemoryRunResult& run, const MemoryRunResult& alone) {
    EXPECT_EQ(run.console, alone.console);
    ASSERT_EQ(run.files.size(), alone.files.size());
    for (std::size_t k = 0; k < run.files.size(); ++k) {
        EXPECT_EQ(run.files[k].name, alone.files[k].name);
        EXPECT_TRUE(run.files[k].bytes == alone.files[k].bytes) << run.files[k].name;
    }
}

TEST(ConcurrentRuns, TwoAtOnceGiveTheBytesOfOneAlone) {
    const ScratchDirectory scratch;
    const std::vector<MemoryFile> inputs = capacity_inputs(scratch);
    const Runs alone = run_both(inputs);
    ASSERT_EQ(alone.batch.ending, RunEnding::Normal);
    EXPECT_EQ(alone.batch.files.size(), 7u);  // six scenes and the log
    ASSERT_EQ(alone.gltf.files.size(), 1u);
    std::array<Runs, 2> together;
    std::thread first([&] { together[0] = run_both(inputs); });
    std::thread second([&] { together[1] = run_both(inputs); });
    first.join();
    second.join();
    for (const Runs& runs : together) {
        expect_same(runs.batch, alone.batch);
        expect_same(runs.gltf, alone.gltf);
    }
}

}  // namespace
}  // namespace sferonda::testing
