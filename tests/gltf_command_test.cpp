// The command line through the real process: --help, --version, arguments
// not understood, and `sferonda gltf` with its messages, exit statuses and
// the files it must leave as they were.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "driver/in_memory_run.hpp"
#include "tests/support/case_files.hpp"
#include "tests/support/param_names.hpp"
#include "tests/support/process_run.hpp"
#include "tests/support/scratch.hpp"

namespace sferonda::testing {
namespace {

// Free-form console records: integers in 12 columns, a blank before a text.
std::string written_line(int spheres, int cylinders) {
    char line[128];
    std::snprintf(line, sizeof line, " * glTF file written:%12d spheres,%12d cylinders\n", spheres, cylinders);
    return line;
}

std::string omitted_line(int beads, int connectors) {
    char line[128];
    std::snprintf(line, sizeof line, " * Omitted (radius <= 0, length 0):%12d beads,%12d connectors\n", beads,
                  connectors);
    return line;
}

// The level a two-bead model is drawn at, unless told otherwise: high.
std::string detail_line(const char* level = "high", int sphere_triangles = 2208, int cylinder_triangles = 192) {
    char line[128];
    std::snprintf(line, sizeof line, " * Detail: %s%12d triangles a sphere,%12d a cylinder\n", level,
                  sphere_triangles, cylinder_triangles);
    return line;
}

std::set<std::string> files_in(const ScratchDirectory& scratch) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(scratch.path())) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

std::string fatal_line(int number, std::string_view message, int unit, const std::string& path) {
    return "forrtl: severe (" + std::to_string(number) + "): " + std::string(message) + ", unit " +
           std::to_string(unit) + ", file " + path + "\r\n";
}

// The usage that --help prints, and that arguments not understood print on
// standard error.
std::string usage() { return run_sferonda_with(ScratchDirectory().path(), {"--help"}).standard_output; }

TEST(CommandLine, HelpAndVersionGoToStandardOutput) {
    ScratchDirectory scratch;
    ProcessResult help = run_sferonda_with(scratch.path(), {"--help"});
    for (const char* named : {"gltf", "--detail low|medium|high", "--instanced", "--merge", "--help", "--version"}) {
        EXPECT_NE(help.standard_output.find(named), std::string::npos) << named;
    }
    EXPECT_EQ(help.standard_error, "");
    EXPECT_EQ(help.exit_status, 0);
    ProcessResult version = run_sferonda_with(scratch.path(), {"--version"});
    EXPECT_EQ(version.standard_output, "sferonda 3.1.0\n");
    EXPECT_EQ(version.standard_error, "");
    EXPECT_EQ(version.exit_status, 0);
    EXPECT_TRUE(files_in(scratch).empty()) << "no log, no file of any kind";
}

struct RejectedArguments {
    const char* title;
    std::vector<std::string> arguments;
};

class CommandLineRejects : public ::testing::TestWithParam<RejectedArguments> {};

TEST_P(CommandLineRejects, WithTheUsageOnStandardErrorAndStatus2) {
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    ProcessResult run = run_sferonda_with(scratch.path(), GetParam().arguments);
    EXPECT_EQ(run.standard_output, "");
    EXPECT_EQ(run.standard_error, usage());
    EXPECT_EQ(run.exit_status, 2);
    EXPECT_EQ(files_in(scratch), (std::set<std::string>{"model.dat", "model.col"}));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineRejects,
    ::testing::Values(RejectedArguments{"main input file and more", {"model.dat", "model.col"}},
                      RejectedArguments{"empty argument", {""}},
                      RejectedArguments{"short option", {"-h"}},
                      RejectedArguments{"help with more", {"--help", "gltf"}},
                      RejectedArguments{"version with more", {"--version", "--help"}},
                      RejectedArguments{"gltf without names", {"gltf"}},
                      RejectedArguments{"gltf with two names", {"gltf", "model.dat", "model.col"}},
                      RejectedArguments{"gltf with four names", {"gltf", "model.dat", "model.col", "a.glb", "b"}},
                      RejectedArguments{"command in capitals", {"GLTF", "model.dat", "model.col", "a.glb"}},
                      RejectedArguments{"unknown option", {"gltf", "--fast", "m.dat", "m.col", "a.glb"}},
                      RejectedArguments{"detail without level", {"gltf", "--detail", "m.dat", "m.col", "a.glb"}},
                      RejectedArguments{"unknown level", {"gltf", "--detail", "ultra", "m.dat", "m.col", "a.glb"}},
                      RejectedArguments{"option after the names", {"gltf", "m.dat", "m.col", "a.glb", "--instanced"}},
                      RejectedArguments{"option of another command", {"--help", "--instanced"}},
                      RejectedArguments{"merge and instanced", {"gltf", "--merge", "--instanced", "m.dat", "m.col", "a.glb"}},
                      RejectedArguments{"instanced and merge", {"gltf", "--instanced", "--merge", "m.dat", "m.col", "a.glb"}}),
    NameFromTitle());

// One word that is no command is a main input file dropped on the program:
// a missing one, or one in a missing folder, is the batch's missing main
// input file, after the prompt and the path as if typed.
TEST(CommandLine, MissingMainInputFileGivenAsTheArgumentIsError29) {
    ScratchDirectory scratch;
    for (const char* argument : {"pov", "no-folder/main.inp"}) {
        ProcessResult run = run_sferonda_with(scratch.path(), {argument});
        EXPECT_EQ(run.standard_output, PROMPT_LINE + std::string(argument) + "\n");
        EXPECT_EQ(run.standard_error, fatal_line(29, "file not found", 1, scratch.file(argument)));
        EXPECT_EQ(run.exit_status, 29);
    }
    EXPECT_TRUE(files_in(scratch).empty());
}

TEST(GltfCommand, WritesTheFileUnderItsNameAsGivenAndNothingElse) {
    ScratchDirectory scratch;
    std::filesystem::create_directory(scratch.file("scenes"));
    write_two_bead_model(scratch);
    // Longer than a batch name's 30 characters, in a folder, with an extension of its own.
    const std::string output = "scenes/a-name-longer-than-thirty-characters.scene";
    ProcessResult run = run_sferonda_with(scratch.path(), {"gltf", "model.dat", "model.col", output});
    EXPECT_EQ(run.standard_output, written_line(2, 1) + omitted_line(0, 0) + detail_line());
    EXPECT_EQ(run.standard_error, "");
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(files_in(scratch), (std::set<std::string>{"model.dat", "model.col", "scenes"}));
    std::set<std::string> scenes;
    for (const auto& entry : std::filesystem::directory_iterator(scratch.file("scenes"))) {
        scenes.insert(entry.path().filename().string());
    }
    EXPECT_EQ(scenes, (std::set<std::string>{"a-name-longer-than-thirty-characters.scene"}));
    EXPECT_EQ(scratch.read(output).substr(0, 4), "glTF");
}

TEST(GltfCommand, CountsWhatItOmits) {
    ScratchDirectory scratch;
    // Beads 2 and 3 have no size; connector 2 joins two beads on one centre,
    // connector 3 has no radius. Connector 4 stays although bead 2 is omitted.
    scratch.write("m.dat",
                  "4\n1 0 0 0 1\n2 4 0 0 0\n3 0 0 0 -1\n4 0 4 0 1\n"
                  "4\n1 1 4 0.5\n2 1 3 0.5\n3 1 2 0\n4 2 4 0.2\n");
    scratch.write("m.col", "4\n1 1\n2 2\n3 3\n4 4\n4\n1 5\n2 6\n3 7\n4 1\n");
    ProcessResult run = run_sferonda_with(scratch.path(), {"gltf", "m.dat", "m.col", "m.glb"});
    EXPECT_EQ(run.standard_output, written_line(2, 2) + omitted_line(2, 2) + detail_line());
    EXPECT_EQ(run.exit_status, 0);
    const std::string glb = scratch.read("m.glb");
    for (const char* kept : {"\"bead 1\"", "\"bead 4\"", "\"connector 1\"", "\"connector 4\""}) {
        EXPECT_NE(glb.find(kept), std::string::npos) << kept;
    }
    for (const char* omitted : {"\"bead 2\"", "\"bead 3\"", "\"connector 2\"", "\"connector 3\""}) {
        EXPECT_EQ(glb.find(omitted), std::string::npos) << omitted;
    }
}

// The examples keep the finest level; the options choose another, in any order.
TEST(GltfCommand, DetailIsTheFinestForTheExamplesOrAsAsked) {
    ScratchDirectory scratch;
    for (const auto& entry : std::filesystem::directory_iterator(SFERONDA_SOURCE_DIR "/examples")) {
        if (entry.path().extension() != ".dat") continue;
        const std::string dat = entry.path().string();
        const std::string col = dat.substr(0, dat.size() - 4) + ".col";
        ProcessResult run = run_sferonda_with(scratch.path(), {"gltf", dat, col, "e.glb"});
        EXPECT_EQ(run.exit_status, 0) << dat;
        EXPECT_TRUE(run.standard_output.ends_with(detail_line())) << dat << ": " << run.standard_output;
    }
    write_two_bead_model(scratch);
    struct Asked {
        std::vector<std::string> options;
        std::string detail;
        std::string extension;  // the one the file uses, if any
    };
    const Asked asked[] = {
        {{"--detail", "low"}, detail_line("low", 120, 32), ""},
        {{"--instanced", "--detail", "medium"}, detail_line("medium", 528, 96), "EXT_mesh_gpu_instancing"},
        {{"--detail", "low", "--detail", "high"}, detail_line(), ""},
        {{"--instanced"}, detail_line(), "EXT_mesh_gpu_instancing"},
        {{"--merge", "--detail", "low"}, detail_line("low", 120, 32), "EXT_mesh_features"},
    };
    for (const Asked& options : asked) {
        std::vector<std::string> arguments{"gltf"};
        arguments.insert(arguments.end(), options.options.begin(), options.options.end());
        arguments.insert(arguments.end(), {"model.dat", "model.col", "m.glb"});
        ProcessResult run = run_sferonda_with(scratch.path(), arguments);
        EXPECT_EQ(run.standard_output, written_line(2, 1) + omitted_line(0, 0) + options.detail);
        const std::string glb = scratch.read("m.glb");
        for (const char* extension : {"EXT_mesh_gpu_instancing", "EXT_mesh_features"}) {
            EXPECT_EQ(glb.find(extension) != std::string::npos, options.extension == extension) << extension;
        }
    }
}

struct ModelProblem {
    const char* title;
    std::string coordinates;
    std::string colors;
    std::string console;
};

class GltfModelProblem : public ::testing::TestWithParam<ModelProblem> {};

// The batch's message, then status 1 at once: no pause, no file, and an
// earlier file of the output's name untouched.
TEST_P(GltfModelProblem, IsReportedAsInTheBatchWithoutPauseAndStatus1) {
    const ModelProblem& problem = GetParam();
    ScratchDirectory scratch;
    scratch.write("m.dat", problem.coordinates);
    scratch.write("m.col", problem.colors);
    scratch.write("m.glb", "an earlier scene");
    ProcessResult run = run_sferonda_with(scratch.path(), {"gltf", "m.dat", "m.col", "m.glb"});
    EXPECT_EQ(run.standard_output, problem.console);
    EXPECT_EQ(run.standard_error, "");
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(scratch.read("m.glb"), "an earlier scene");
    EXPECT_EQ(files_in(scratch), (std::set<std::string>{"m.dat", "m.col", "m.glb"}));
}

INSTANTIATE_TEST_SUITE_P(
    Problems, GltfModelProblem,
    ::testing::Values(
        ModelProblem{"bead line out of order", "2\n1 0 0 0 1\n3 0 0 0 1\n0\n", "",
                     " ERROR in Sferonda when reading coordinates of bead           2\n"
                     " Found line with bead index           3\n"},
        ModelProblem{"too many beads", "10001\n", "",
                     "  *** WARNING subroutine SFERONDA:\n"
                     "      Number of beads       10001  exceeds dimension       10000\n"
                     "      RETURN (Graphics file not generated)\n"},
        ModelProblem{"colors file ends early", "1\n1 0 0 0 1\n0\n", "1\n",
                     " ERROR in Sferonda: End of file while reading colors file\n"},
        ModelProblem{"bead counts differ", "1\n1 0 0 0 1\n0\n", "2\n1 1\n2 1\n0\n",
                     " *** ERROR in Sferonda: Numbers of beads in the two files not equal           1\n"
                     "           2\n"},
        ModelProblem{"connector to a missing bead", "2\n1 0 0 0 1\n2 1 0 0 1\n1\n1 1 3 0.1\n",
                     "2\n1 1\n2 1\n1\n1 1\n", "ERROR: Invalid number of second bead:   3 for connector #   1\n"},
        ModelProblem{"color beyond the seven", "2\n1 0 0 0 1\n2 1 0 0 1\n1\n1 1 2 0.1\n", "2\n1 1\n2 8\n1\n1 1\n",
                     "ERROR: Bead #   2 invalid index color: 8\n"},
        ModelProblem{"connector color zero", "2\n1 0 0 0 1\n2 1 0 0 1\n1\n1 1 2 0.1\n", "2\n1 1\n2 1\n1\n1 0\n",
                     "ERROR: Connector #   1 invalid index color: 0\n"},
        ModelProblem{"connector longer than the float range", "2\n1 -3E38 0 0 1\n2 3E38 0 0 1\n1\n1 1 2 0.1\n",
                     "2\n1 1\n2 1\n1\n1 1\n",
                     " ERROR: Connector           1 lies beyond the float range; no glTF file\n"}),
    NameFromTitle());

// The in-memory glTF run gives the command's file, the model and its one case.
TEST(GltfCommand, InMemoryGivesTheCommandsFileAndTheModel) {
    const auto source_file = [](const std::string& name) {
        return MemoryFile{name, read_whole_file(SFERONDA_SOURCE_DIR "/examples/" + name)};
    };
    const ScratchDirectory scratch;
    for (const char* name : {"chain.dat", "chain.col"}) scratch.write(name, source_file(name).bytes);
    const ProcessResult command = run_sferonda_with(scratch.path(), {"gltf", "chain.dat", "chain.col", "chain.glb"});
    ASSERT_EQ(command.exit_status, 0);
    const MemoryRunResult result =
        run_gltf_in_memory(source_file("chain.dat"), source_file("chain.col"), "chain");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.console, command.standard_output);
    ASSERT_EQ(result.files.size(), 1u);
    EXPECT_EQ(result.files[0].name, "chain.glb");
    EXPECT_EQ(result.files[0].bytes, scratch.read("chain.glb"));
    // chain.dat: 300 beads, the first at (-4, 0, 0) of radius 0.5; 299 connectors, the first
    // from bead 1 to bead 2 of radius 0.25.
    const ModelNumbers& model = result.model;
    ASSERT_EQ(model.beads.size(), 4u * 300);
    EXPECT_EQ(std::vector<float>(model.beads.begin(), model.beads.begin() + 4),
              (std::vector<float>{-4, 0, 0, 0.5f}));
    ASSERT_EQ(model.connector_radii.size(), 299u);
    EXPECT_EQ(model.connector_beads[0], 1);
    EXPECT_EQ(model.connector_beads[1], 2);
    EXPECT_EQ(model.connector_radii[0], 0.25f);
    ASSERT_EQ(result.cases.size(), 1u);
    EXPECT_EQ(result.cases[0].file_name, "chain.glb");
    EXPECT_EQ(result.cases[0].output_name, "chain");
    EXPECT_TRUE(result.cases[0].written);
    EXPECT_EQ(result.cases[0].connectors, 299);
}

TEST(GltfCommand, MissingInputIsTheFatalErrorOfItsUnit) {
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    ProcessResult coordinates = run_sferonda_with(scratch.path(), {"gltf", "none.dat", "model.col", "m.glb"});
    EXPECT_EQ(coordinates.standard_error, fatal_line(29, "file not found", 4, scratch.file("none.dat")));
    EXPECT_EQ(coordinates.exit_status, 29);
    ProcessResult colors = run_sferonda_with(scratch.path(), {"gltf", "model.dat", "none.col", "m.glb"});
    EXPECT_EQ(colors.standard_error, fatal_line(29, "file not found", 3, scratch.file("none.col")));
    EXPECT_EQ(colors.exit_status, 29);
    EXPECT_FALSE(scratch.exists("m.glb"));
}

TEST(GltfCommand, RefusesAnOutputThatIsOneOfItsInputs) {
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    ASSERT_EQ(::link(scratch.file("model.col").c_str(), scratch.file("colors-link").c_str()), 0);
    ASSERT_EQ(::symlink("model.dat", scratch.file("coordinates-link").c_str()), 0);
    for (const char* output : {"model.dat", "./model.col", "colors-link", "coordinates-link"}) {
        ProcessResult run = run_sferonda_with(scratch.path(), {"gltf", "model.dat", "model.col", output});
        EXPECT_EQ(run.standard_output, "") << output;
        EXPECT_EQ(run.standard_error, fatal_line(30, "open failure", 14, scratch.file(output))) << output;
        EXPECT_EQ(run.exit_status, 30) << output;
    }
    EXPECT_EQ(scratch.read("model.dat"), TWO_BEAD_COORDINATES);
    EXPECT_EQ(scratch.read("model.col"), TWO_BEAD_COLORS);
    EXPECT_EQ(files_in(scratch),
              (std::set<std::string>{"model.dat", "model.col", "colors-link", "coordinates-link"}));
}

TEST(GltfCommand, FailedWriteIsError38AndLeavesTheEarlierFileAndNoOther) {
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    scratch.write("m.glb", "an earlier scene");
    // The two-bead scene needs some 40 kB: the write beyond 4 kB fails.
    ProcessResult run = run_sferonda_with(scratch.path(), {"gltf", "model.dat", "model.col", "m.glb"}, 4096);
    EXPECT_EQ(run.standard_output, "");
    EXPECT_EQ(run.standard_error, fatal_line(38, "error during write", 14, scratch.file("m.glb")));
    EXPECT_EQ(run.exit_status, 38);
    EXPECT_EQ(scratch.read("m.glb"), "an earlier scene");
    EXPECT_EQ(files_in(scratch), (std::set<std::string>{"model.dat", "model.col", "m.glb"}));
}

TEST(GltfCommand, OutputThatCannotBeCreatedIsError30) {
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    std::filesystem::create_directory(scratch.file("folder"));
    for (const char* output : {"no-such-folder/m.glb", "folder"}) {
        ProcessResult run = run_sferonda_with(scratch.path(), {"gltf", "model.dat", "model.col", output});
        EXPECT_EQ(run.standard_error, fatal_line(30, "open failure", 14, scratch.file(output))) << output;
        EXPECT_EQ(run.exit_status, 30) << output;
    }
    EXPECT_EQ(files_in(scratch), (std::set<std::string>{"model.dat", "model.col", "folder"}));
    EXPECT_TRUE(std::filesystem::is_empty(scratch.file("folder")));
}

// Names that Windows takes for devices, streams or changes are file names here.
TEST(GltfCommand, NamesWindowsRefusesAreOrdinaryFilesHere) {
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    for (const char* output : {"nul", "con.glb", "name.", "a:b", "sub\\out.glb"}) {
        ProcessResult run = run_sferonda_with(scratch.path(), {"gltf", "model.dat", "model.col", output});
        EXPECT_EQ(run.exit_status, 0) << output;
        EXPECT_EQ(scratch.read(output).substr(0, 4), "glTF") << output;
    }
}

// A device node of the scratch folder where the run may make one (as root),
// so that a program that renamed over devices could replace only that one;
// a link to the system's device otherwise, which such a user cannot replace.
void make_memory_device(const ScratchDirectory& scratch, const char* name, unsigned minor, const char* device) {
    if (::mknod(scratch.file(name).c_str(), S_IFCHR | 0666, makedev(1, minor)) == 0) return;
    ASSERT_EQ(::symlink(device, scratch.file(name).c_str()), 0);
}

TEST(GltfCommand, DeviceIsWrittenIntoNotReplaced) {
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    make_memory_device(scratch, "full", 7, "/dev/full");
    make_memory_device(scratch, "null", 3, "/dev/null");
    ProcessResult full = run_sferonda_with(scratch.path(), {"gltf", "model.dat", "model.col", "full"});
    EXPECT_EQ(full.standard_error, fatal_line(38, "error during write", 14, scratch.file("full")));
    EXPECT_EQ(full.exit_status, 38);
    ProcessResult null = run_sferonda_with(scratch.path(), {"gltf", "model.dat", "model.col", "null"});
    EXPECT_EQ(null.standard_output, written_line(2, 1) + omitted_line(0, 0) + detail_line());
    EXPECT_EQ(null.exit_status, 0);
    EXPECT_TRUE(std::filesystem::is_character_file(scratch.file("full")));
    EXPECT_TRUE(std::filesystem::is_character_file(scratch.file("null")));
    EXPECT_EQ(files_in(scratch), (std::set<std::string>{"model.dat", "model.col", "full", "null"}));
}

}  // namespace
}  // namespace sferonda::testing
