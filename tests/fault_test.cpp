// Input/output faults through the real process: graphics files, the log and
// the console whose writes fail, names that cannot be opened, inputs that
// cannot be read. Each ends the run with its fatal line and status, and no
// file that was not written whole is logged as generated.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "tests/support/case_files.hpp"
#include "tests/support/param_names.hpp"
#include "tests/support/process_run.hpp"
#include "tests/support/scratch.hpp"

namespace sferonda::testing {
namespace {

namespace fs = std::filesystem;

const char* const GENERATED = " Visualization file has been generated:";

int count_of(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// A model of `beads` beads of radius 1 in a row, each joined to the next.
void write_chain_model(const ScratchDirectory& scratch, int beads) {
    std::string coordinates = std::to_string(beads) + "\n";
    std::string colors = coordinates;
    for (int i = 1; i <= beads; ++i) {
        coordinates += std::to_string(i) + " " + std::to_string(2 * i) + ".0 0.5 -0.25 1.0\n";
        colors += std::to_string(i) + " 3\n";
    }
    coordinates += std::to_string(beads - 1) + "\n";
    colors += std::to_string(beads - 1) + "\n";
    for (int j = 1; j < beads; ++j) {
        coordinates += std::to_string(j) + " " + std::to_string(j) + " " + std::to_string(j + 1) + " 0.5\n";
        colors += std::to_string(j) + " 4\n";
    }
    scratch.write("chain.dat", coordinates);
    scratch.write("chain.col", colors);
}

// --- graphics files whose writes fail --------------------------------------

struct DisplayTypeFile {
    int display_type;
    const char* extension;
};

const DisplayTypeFile EVERY_DISPLAY_TYPE[] = {
    {1, ".bea"}, {2, ".ppv"}, {3, ".pov"}, {4, "-worm.pov"}, {5, ".pi"}, {6, ".vrml"},
};

std::string case_lines(int display_type, const std::string& coordinates, const std::string& colors,
                       const std::string& output_name) {
    return std::to_string(display_type) + "\n" + coordinates + "\n" + colors + "\n" + output_name + "\n";
}

class FailingGraphicsFile : public ::testing::TestWithParam<DisplayTypeFile> {};

TEST_P(FailingGraphicsFile, EndsTheRunWithWriteErrorOnUnit14AndIsNotLogged) {
    const DisplayTypeFile type = GetParam();
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    const std::string file_name = std::string("full") + type.extension;
    fs::create_symlink("/dev/full", scratch.file(file_name));
    scratch.write("main.inp", case_lines(type.display_type, "model.dat", "model.col", "full") +
                                  case_lines(type.display_type, "model.dat", "model.col", "never") + "-1\n");

    ProcessResult run = run_sferonda(scratch.path(), "main.inp\n");

    EXPECT_EQ(run.standard_error,
              "forrtl: severe (38): error during write, unit 14, file " + scratch.file(file_name) + "\r\n");
    EXPECT_EQ(run.exit_status, 38);
    // The case was announced; the run ended before the log could call it generated.
    const std::string log = scratch.read("sferonda-log.txt");
    EXPECT_EQ(log.find(GENERATED), std::string::npos) << log;
    EXPECT_NE(log.find("   * Output file will be :" + padded_name(file_name) + "\r\n"), std::string::npos) << log;
    EXPECT_EQ(run.standard_output.find(FINAL_LINE), std::string::npos);
    EXPECT_FALSE(scratch.exists(std::string("never") + type.extension));
}

INSTANTIATE_TEST_SUITE_P(EveryDisplayType, FailingGraphicsFile, ::testing::ValuesIn(EVERY_DISPLAY_TYPE),
                         [](const ::testing::TestParamInfo<DisplayTypeFile>& info) {
                             return "type_" + std::to_string(info.param.display_type);
                         });

// Far more than one 64 KiB block: the write fails while records are still
// being produced, not when the file is closed.
TEST(FailingGraphicsFile, FailsInTheMiddleOfALargeFileWithTheSameLine) {
    for (const DisplayTypeFile& type : EVERY_DISPLAY_TYPE) {
        SCOPED_TRACE(type.display_type);
        ScratchDirectory scratch;
        write_chain_model(scratch, 3000);
        const std::string file_name = std::string("full") + type.extension;
        fs::create_symlink("/dev/full", scratch.file(file_name));
        scratch.write("main.inp", case_lines(type.display_type, "chain.dat", "chain.col", "full") + "-1\n");

        ProcessResult run = run_sferonda(scratch.path(), "main.inp\n");

        EXPECT_EQ(run.standard_error,
                  "forrtl: severe (38): error during write, unit 14, file " + scratch.file(file_name) + "\r\n");
        EXPECT_EQ(run.exit_status, 38);
        EXPECT_EQ(scratch.read("sferonda-log.txt").find(GENERATED), std::string::npos);
    }
}

TEST(FailingGraphicsFile, EarlierCasesStayCompleteAndLoggedOnlyOnce) {
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    fs::create_symlink("/dev/full", scratch.file("second.pi"));
    scratch.write("main.inp", case_lines(5, "model.dat", "model.col", "first") +
                                  case_lines(5, "model.dat", "model.col", "second") + "-1\n");

    ProcessResult run = run_sferonda(scratch.path(), "main.inp\n");

    EXPECT_EQ(run.exit_status, 38);
    const std::string log = scratch.read("sferonda-log.txt");
    EXPECT_EQ(count_of(log, GENERATED), 1) << log;
    EXPECT_NE(log.find(std::string(GENERATED) + padded_name("first.pi")), std::string::npos);
    // The whole first file: its header, two spheres and its closing brace.
    const std::string first = scratch.read("first.pi");
    EXPECT_EQ(first.substr(0, 22), "include \"header.inc\"\r\n");
    EXPECT_EQ(count_of(first, "object {sphere <"), 2);
    EXPECT_EQ(first.substr(first.size() - 3), "}\r\n");
}

// --- names that cannot be opened for writing ---------------------------------

struct OpenFault {
    const char* title;
    std::function<void(const ScratchDirectory&)> prepare;
    const char* output_name;  // as written in the main input file
    const char* error_line;   // {dir} stands for the scratch folder
};

class UnopenableGraphicsFile : public ::testing::TestWithParam<OpenFault> {};

TEST_P(UnopenableGraphicsFile, IsAnOpenFailureOnUnit14ForEveryDisplayType) {
    const OpenFault& fault = GetParam();
    for (const DisplayTypeFile& type : EVERY_DISPLAY_TYPE) {
        SCOPED_TRACE(type.display_type);
        ScratchDirectory scratch;
        write_two_bead_model(scratch);
        fault.prepare(scratch);
        scratch.write("main.inp", case_lines(type.display_type, "model.dat", "model.col", fault.output_name) + "-1\n");

        ProcessResult run = run_sferonda(scratch.path(), "main.inp\n");

        EXPECT_EQ(run.standard_error,
                  with_folder(fault.error_line, scratch.path()) + type.extension + "\r\n");
        EXPECT_EQ(run.exit_status, 30);
        EXPECT_EQ(scratch.read("sferonda-log.txt").find(GENERATED), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, UnopenableGraphicsFile,
    ::testing::Values(
        OpenFault{"output folder missing", [](const ScratchDirectory&) {}, "'none/m'",
                  "forrtl: severe (30): open failure, unit 14, file {dir}/none/m"},
        OpenFault{"output folder is a file", [](const ScratchDirectory&) {}, "'model.dat/m'",
                  "forrtl: severe (30): open failure, unit 14, file {dir}/model.dat/m"},
        OpenFault{"output name is a folder",
                  [](const ScratchDirectory& scratch) {
                      for (const DisplayTypeFile& type : EVERY_DISPLAY_TYPE) {
                          fs::create_directory(scratch.file(std::string("taken") + type.extension));
                      }
                  },
                  "taken", "forrtl: severe (30): open failure, unit 14, file {dir}/taken"},
        OpenFault{"output name is a link into a missing folder",
                  [](const ScratchDirectory& scratch) {
                      for (const DisplayTypeFile& type : EVERY_DISPLAY_TYPE) {
                          fs::create_symlink("none/target", scratch.file(std::string("dangling") + type.extension));
                      }
                  },
                  "dangling", "forrtl: severe (30): open failure, unit 14, file {dir}/dangling"}),
    NameFromTitle());

// --- fatal errors before or between the writers: inputs, the log, units -------

// Two beads joined `connectors` times over.
std::string two_beads_with_connectors(int connectors) {
    std::string text = "2\n1 0 0 0 1\n2 3 0 0 1\n" + std::to_string(connectors) + "\n";
    for (int j = 1; j <= connectors; ++j) text += std::to_string(j) + " 1 2 0.5\n";
    return text;
}

std::string two_bead_colors_with_connectors(int connectors) {
    std::string text = "2\n1 1\n2 1\n" + std::to_string(connectors) + "\n";
    for (int j = 1; j <= connectors; ++j) text += std::to_string(j) + " 1\n";
    return text;
}

auto log_links_to(const char* target) {
    return [target](const ScratchDirectory& scratch) {
        fs::create_symlink(target, scratch.file("sferonda-log.txt"));
    };
}

auto with_main_input(std::function<void(const ScratchDirectory&)> prepare, std::string main_input) {
    return [prepare, main_input](const ScratchDirectory& scratch) {
        prepare(scratch);
        scratch.write("main.inp", main_input);
    };
}

void make_folder(const ScratchDirectory& scratch) { fs::create_directory(scratch.file("folder")); }
void make_link_loop(const ScratchDirectory& scratch) {
    fs::create_symlink("loop.b", scratch.file("loop.a"));
    fs::create_symlink("loop.a", scratch.file("loop.b"));
}

struct FatalCase {
    const char* title;
    std::function<void(const ScratchDirectory&)> prepare;
    const char* console_input;
    const char* error_line;  // {dir} stands for the scratch folder
    int status;
};

class FatalErrors : public ::testing::TestWithParam<FatalCase> {};

TEST_P(FatalErrors, WriteOneLineOnStandardErrorAndEndWithTheNumber) {
    const FatalCase& fatal = GetParam();
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    fatal.prepare(scratch);
    ProcessResult run = run_sferonda(scratch.path(), fatal.console_input);
    EXPECT_EQ(run.standard_error, with_folder(fatal.error_line, scratch.path()) + "\r\n");
    EXPECT_EQ(run.exit_status, fatal.status);
    EXPECT_EQ(run.standard_output.find(FINAL_LINE), std::string::npos);
    EXPECT_FALSE(scratch.exists("m.ppv"));
}

auto main_input(std::string text) {
    return [text](const ScratchDirectory& scratch) { scratch.write("main.inp", text); };
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FatalErrors,
    ::testing::Values(
        FatalCase{"console input ends before the name", main_input("-1\n"), "",
                  "forrtl: severe (24): end-of-file during read, unit 5, file stdin", 24},
        FatalCase{"main input file missing", main_input("-1\n"), "nosuch.inp\n",
                  "forrtl: severe (29): file not found, unit 1, file {dir}/nosuch.inp", 29},
        FatalCase{"main input file ends inside a case", main_input("2\nmodel.dat\n"), "main.inp\n",
                  "forrtl: severe (24): end-of-file during read, unit 1, file {dir}/main.inp", 24},
        FatalCase{"main input file ends without terminator", main_input("2\nmodel.dat\nmodel.col\nmodel\n"),
                  "main.inp\n", "forrtl: severe (24): end-of-file during read, unit 1, file {dir}/main.inp", 24},
        FatalCase{"display type is a word", main_input("two\n"), "main.inp\n",
                  "forrtl: severe (64): input conversion error, unit 1, file {dir}/main.inp", 64},
        FatalCase{"display type beyond 32 bits", main_input("3000000000\n"), "main.inp\n",
                  "forrtl: severe (64): input conversion error, unit 1, file {dir}/main.inp", 64},
        FatalCase{"display type as a real beyond 32 bits", main_input("1E10\n"), "main.inp\n",
                  "forrtl: severe (64): input conversion error, unit 1, file {dir}/main.inp", 64},
        FatalCase{"coordinates file missing", main_input("2\nnone.dat\nmodel.col\nm\n-1\n"), "main.inp\n",
                  "forrtl: severe (29): file not found, unit 4, file {dir}/none.dat", 29},
        FatalCase{"colors file missing", main_input("2\nmodel.dat\nnone.col\nm\n-1\n"), "main.inp\n",
                  "forrtl: severe (29): file not found, unit 3, file {dir}/none.col", 29},
        FatalCase{"folder on the path missing", main_input("2\n'no/model.dat'\nmodel.col\nm\n-1\n"), "main.inp\n",
                  "forrtl: severe (29): file not found, unit 4, file {dir}/no/model.dat", 29},
        FatalCase{"coordinates file is a folder",
                  [](const ScratchDirectory& scratch) {
                      fs::create_directory(scratch.file("folder"));
                      scratch.write("main.inp", "2\nfolder\nmodel.col\nm\n-1\n");
                  },
                  "main.inp\n", "forrtl: severe (30): open failure, unit 4, file {dir}/folder", 30},
        FatalCase{"log cannot be created",
                  [](const ScratchDirectory& scratch) {
                      fs::create_directory(scratch.file("sferonda-log.txt"));
                      scratch.write("main.inp", "-1\n");
                  },
                  "main.inp\n", "forrtl: severe (30): open failure, unit 2, file {dir}/sferonda-log.txt", 30},
        FatalCase{"graphics file in a missing folder", main_input("2\nmodel.dat\nmodel.col\n'none/m'\n-1\n"),
                  "main.inp\n", "forrtl: severe (30): open failure, unit 14, file {dir}/none/m.ppv", 30},
        FatalCase{"graphics file cannot be written",
                  [](const ScratchDirectory& scratch) {
                      fs::create_symlink("/dev/full", scratch.file("full.ppv"));
                      scratch.write("main.inp", "2\nmodel.dat\nmodel.col\nfull\n-1\n");
                  },
                  "main.inp\n", "forrtl: severe (38): error during write, unit 14, file {dir}/full.ppv", 38},
        FatalCase{"main input file is a folder", make_folder, "folder\n",
                  "forrtl: severe (30): open failure, unit 1, file {dir}/folder", 30},
        FatalCase{"colors file is a folder", with_main_input(make_folder, "2\nmodel.dat\nfolder\nm\n-1\n"),
                  "main.inp\n", "forrtl: severe (30): open failure, unit 3, file {dir}/folder", 30},
        FatalCase{"coordinates file is a link loop",
                  with_main_input(make_link_loop, "2\nloop.a\nmodel.col\nm\n-1\n"), "main.inp\n",
                  "forrtl: severe (30): open failure, unit 4, file {dir}/loop.a", 30},
        FatalCase{"colors file is a dangling link",
                  with_main_input([](const ScratchDirectory& scratch) {
                      fs::create_symlink("gone.col", scratch.file("link.col"));
                  }, "2\nmodel.dat\nlink.col\nm\n-1\n"),
                  "main.inp\n", "forrtl: severe (29): file not found, unit 3, file {dir}/link.col", 29},
        FatalCase{"unreadable bead count", [](const ScratchDirectory& scratch) {
                      scratch.write("bad.dat", "two\n");
                      scratch.write("main.inp", "2\nbad.dat\nmodel.col\nm\n-1\n");
                  },
                  "main.inp\n", "forrtl: severe (64): input conversion error, unit 4, file {dir}/bad.dat", 64},
        FatalCase{"a lone point for a coordinate", [](const ScratchDirectory& scratch) {
                      scratch.write("bad.dat", "2\n1 0 0 0 1\n2 . 0 0 1\n0\n");
                      scratch.write("main.inp", "2\nbad.dat\nmodel.col\nm\n-1\n");
                  },
                  "main.inp\n", "forrtl: severe (64): input conversion error, unit 4, file {dir}/bad.dat", 64},
        FatalCase{"unreadable color", [](const ScratchDirectory& scratch) {
                      scratch.write("bad.col", "2\n1 red\n");
                      scratch.write("main.inp", "2\nmodel.dat\nbad.col\nm\n-1\n");
                  },
                  "main.inp\n", "forrtl: severe (64): input conversion error, unit 3, file {dir}/bad.col", 64},
        FatalCase{"log is a link into a missing folder", with_main_input(log_links_to("none/log.txt"), "-1\n"),
                  "main.inp\n", "forrtl: severe (30): open failure, unit 2, file {dir}/sferonda-log.txt", 30},
        // The log is written out after each case: the second case never starts.
        FatalCase{"log cannot be written",
                  with_main_input(log_links_to("/dev/full"), case_lines(2, "model.dat", "model.col", "model") +
                                                                 case_lines(2, "model.dat", "model.col", "m") + "-1\n"),
                  "main.inp\n", "forrtl: severe (38): error during write, unit 2, file {dir}/sferonda-log.txt", 38},
        // A stop ends the run with status 0 only when every file could be
        // written out: here the log's label record of the stopped case cannot.
        FatalCase{"log cannot be written at a stop",
                  with_main_input(
                      [](const ScratchDirectory& scratch) {
                          log_links_to("/dev/full")(scratch);
                          scratch.write("many.dat", two_beads_with_connectors(5001));
                          scratch.write("many.col", two_bead_colors_with_connectors(5001));
                      },
                      case_lines(1, "many.dat", "many.col", "m") + "-1\n"),
                  "main.inp\n", "forrtl: severe (38): error during write, unit 2, file {dir}/sferonda-log.txt", 38}),
    NameFromTitle());

TEST(FatalErrors, FilesWrittenBeforeKeepTheirContents) {
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    scratch.write("main.inp", "2\nmodel.dat\nmodel.col\nfirst\n2\nmissing.dat\nmodel.col\nsecond\n-1\n");
    ProcessResult run = run_sferonda(scratch.path(), "main.inp\n");
    EXPECT_EQ(run.exit_status, 29);
    std::string log = scratch.read("sferonda-log.txt");
    EXPECT_NE(log.find(" Visualization file has been generated:first.ppv"), std::string::npos);
    EXPECT_EQ(scratch.read("first.ppv").substr(0, 23), "#include \"colors.inc\"\r\n");
}

// In the smallest address space where the program gets past the loader
// (which fails with status 127 or a signal), its first allocation fails:
// error 41's line, not an abort.
TEST(FatalErrors, MemoryThatCannotBeHadIsError41) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizers reserve more address space than such a limit leaves";
#endif
    ScratchDirectory scratch;
    scratch.write("main.inp", "-1\n");
    auto run_in = [&scratch](long bytes) { return run_sferonda_in_address_space(scratch.path(), "main.inp\n", bytes); };
    long fails = 1L << 20, loads = 1L << 32;
    while (loads - fails > 4096) {
        const long middle = fails + (loads - fails) / 2;
        const int status = run_in(middle).exit_status;
        (status >= 0 && status != 127 ? loads : fails) = middle;
    }
    ProcessResult run = run_in(loads);
    EXPECT_EQ(run.standard_error, "forrtl: severe (41): insufficient virtual memory\r\n");
    EXPECT_EQ(run.exit_status, 41);
}

// A line that never ends, or ends after 2 GB, is read through a window of
// bounded size: the first value that cannot be a number ends the run at
// once, in an address space of 64 MiB.
TEST(FatalErrors, EndlessLinesEndAtTheirFirstUnreadableValueInBoundedMemory) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizers reserve more address space than 64 MiB";
#endif
    constexpr long ADDRESS_SPACE = 64L << 20;
    ScratchDirectory scratch;
    write_two_bead_model(scratch);
    scratch.write("big.dat", "");
    ASSERT_EQ(::truncate(scratch.file("big.dat").c_str(), 2L << 30), 0);
    const struct {
        const char* main_input;
        const char* answer;
        const char* fatal;
    } cases[] = {
        {"2\n'/dev/zero'\nmodel.col\nm\n-1\n", "main.inp\n", "unit 4, file /dev/zero"},
        {"2\nbig.dat\nmodel.col\nm\n-1\n", "main.inp\n", "unit 4, file {dir}/big.dat"},
        {"", "'/dev/zero'\n", "unit 1, file /dev/zero"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        scratch.write("main.inp", c.main_input);
        const ProcessResult run = run_sferonda_in_address_space(scratch.path(), c.answer, ADDRESS_SPACE);
        EXPECT_EQ(run.standard_error,
                  with_folder(std::string("forrtl: severe (64): input conversion error, ") + c.fatal + "\r\n",
                              scratch.path()));
        EXPECT_EQ(run.exit_status, 64);
    }
}

// --- the console ---------------------------------------------------------------

class ConsoleFaults : public ::testing::Test {
protected:
    void SetUp() override {
        write_two_bead_model(scratch_);
        scratch_.write("main.inp", case_lines(2, "model.dat", "model.col", "m") + "-1\n");
        scratch_.write("answer", "main.inp\n");
        answer_fd_ = ::open(scratch_.file("answer").c_str(), O_RDONLY);
        ASSERT_GE(answer_fd_, 0);
    }
    void TearDown() override { ::close(answer_fd_); }

    // The prompt is written out before the answer is read, so a console
    // that cannot be written ends the run there.
    void expect_failed_console_before_any_case(const ProcessResult& run) {
        EXPECT_EQ(run.standard_error, "forrtl: severe (38): error during write, unit 6, file stdout\r\n");
        EXPECT_EQ(run.exit_status, 38);
        EXPECT_FALSE(scratch_.exists("m.ppv"));
        EXPECT_FALSE(scratch_.exists("sferonda-log.txt"));
    }

    ScratchDirectory scratch_;
    int answer_fd_ = -1;
};

TEST_F(ConsoleFaults, StandardOutputOnAFullDevice) {
    int full = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    ProcessResult run = run_sferonda_on_streams(scratch_.path(), answer_fd_, full);
    ::close(full);
    expect_failed_console_before_any_case(run);
}

TEST_F(ConsoleFaults, StandardOutputClosed) {
    expect_failed_console_before_any_case(run_sferonda_on_streams(scratch_.path(), answer_fd_, -1));
}

TEST_F(ConsoleFaults, StandardOutputAPipeWithoutReader) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    ProcessResult run = run_sferonda_on_streams(scratch_.path(), answer_fd_, ends[1]);
    ::close(ends[1]);
    expect_failed_console_before_any_case(run);
}

TEST_F(ConsoleFaults, StandardInputThatCannotBeReadIsAReadError) {
    int folder = ::open(scratch_.path().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(folder, 0);
    int output = ::open(scratch_.file("stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ProcessResult run = run_sferonda_on_streams(scratch_.path(), folder, output);
    ::close(folder);
    ::close(output);
    EXPECT_EQ(run.standard_error, "forrtl: severe (39): error during read, unit 5, file stdin\r\n");
    EXPECT_EQ(run.exit_status, 39);
    EXPECT_EQ(scratch_.read("stdout"), PROMPT_LINE);
}

// A command typed at the pause on a console that ends its lines with CR LF.
TEST(ConsoleInput, ACommandTypedWithCrLfAtThePauseRunsWithoutTheCr) {
    ScratchDirectory scratch;
    scratch.write("one.dat", "1\n1 0 0 0 1\n0\n");
    scratch.write("two.col", "2\n1 2\n2 2\n0\n");
    scratch.write("main.inp", case_lines(5, "one.dat", "two.col", "m") + "-1\n");
    ProcessResult run = run_sferonda(scratch.path(), "main.inp\ntouch made\r\n\n");
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_TRUE(scratch.exists("made"));
    EXPECT_FALSE(scratch.exists("made\r"));
}

}  // namespace
}  // namespace sferonda::testing
