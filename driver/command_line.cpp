#include "driver/command_line.hpp"

#include <algorithm>
#include <array>
#include <cassert>
#include <string>

#include "driver/case_driver.hpp"
#include "driver/display_types.hpp"
#include "driver/gltf_command.hpp"
#include "driver/run.hpp"
#include "platform/platform.hpp"
#include "platform/line_end.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"
#include "writers/unit_meshes.hpp"

namespace sferonda {

namespace {

constexpr int USAGE_ERROR_STATUS = 2;
constexpr std::size_t MAX_OPTIONS = 4;
// Where the help of a command or option begins on its line.
constexpr std::size_t HELP_COLUMN = 14;

struct CommandOption {
    std::string_view name;
    std::span<const std::string_view> values;  // the words it takes; none for a switch
    std::string_view help;                     // lines, each ended by a newline
    std::string_view excludes = {};            // an earlier option it cannot go with
};

// What the command line gave a command: its operands, and for each of its
// options the word given, its name for a switch, or nothing.
struct CommandArguments {
    std::span<const std::string_view> operands;
    std::array<std::string_view, MAX_OPTIONS> options;
};

struct Command {
    std::string_view name;
    std::span<const CommandOption> options;
    std::string_view operands;  // their names, one word each
    std::string_view help;
    int (*run)(Run& run, const CommandArguments& arguments);
};

// The texts here end their lines with '\n'; the console ends them its own way.
std::string with_console_line_ends(std::string_view text) {
    const std::string_view line_end = line_end_text(console_line_end());
    std::string converted;
    for (const char c : text) {
        if (c == '\n') {
            converted += line_end;
        } else {
            converted += c;
        }
    }
    return converted;
}

int print_on_console(Run& run, std::string_view text) {
    output_unit(run, CONSOLE_OUTPUT_UNIT).append(with_console_line_ends(text));
    output_unit(run, CONSOLE_OUTPUT_UNIT).flush();
    return 0;
}

int print_help(Run& run, const CommandArguments&) { return print_on_console(run, USAGE_TEXT); }

int print_version(Run& run, const CommandArguments&) {
    return print_on_console(run, "sferonda " SFERONDA_VERSION "\n");
}

constexpr CommandOption GLTF_OPTIONS[] = {
    {"--detail", MESH_DETAIL_NAMES,
     "how finely spheres and cylinders are cut; by default the finest\n"
     "level that keeps a big model light enough for a viewer\n"},
    {"--instanced", {},
     "one node per shape and color, with EXT_mesh_gpu_instancing: much\n"
     "smaller and faster in three.js; Blender 3.4 refuses it\n"},
    {"--merge", {},
     "one mesh per shape and color, each vertex carrying its bead's or\n"
     "connector's number: quick in Blender; not with --instanced\n",
     "--instanced"},
};

int write_gltf(Run& run, const CommandArguments& arguments) {
    GltfOptions options;
    // In the order of GLTF_OPTIONS.
    const std::string_view detail = arguments.options[0];
    const std::string_view instanced = arguments.options[1];
    const std::string_view merge = arguments.options[2];
    if (!detail.empty()) {
        options.detail = DetailLevel(std::find(MESH_DETAIL_NAMES.begin(), MESH_DETAIL_NAMES.end(), detail) -
                                     MESH_DETAIL_NAMES.begin());
    }
    options.instanced = !instanced.empty();
    options.merged = !merge.empty();
    const auto& operands = arguments.operands;
    return run_gltf_command(run, operands[0], operands[1], operands[2], options);
}

constexpr Command COMMANDS[] = {
    {"gltf", GLTF_OPTIONS, "COORDINATES COLORS OUTPUT",
     "read one bead model (coordinates-and-connectors file and\n"
     "colors file) and write it as a binary glTF 2.0 file OUTPUT\n",
     write_gltf},
    {"--help", {}, "", "print this help and exit\n", print_help},
    {"--version", {}, "", "print the version and exit\n", print_version},
};

std::size_t operand_count(const Command& command) {
    if (command.operands.empty()) return 0;
    return std::size_t(std::count(command.operands.begin(), command.operands.end(), ' ')) + 1;
}

std::string synopsis(const Command& command) {
    std::string text(command.name);
    if (!command.options.empty()) text += " [OPTION]...";
    if (!command.operands.empty()) (text += ' ') += command.operands;
    return text;
}

// The name at the left, the help lines from HELP_COLUMN on: beside the name
// when it leaves room, below it otherwise.
void append_entry(std::string& text, std::string_view entry, std::string_view help) {
    text += entry;
    if (entry.size() < HELP_COLUMN - 1) {
        text.append(HELP_COLUMN - entry.size(), ' ');
    } else {
        text += '\n';
        text.append(HELP_COLUMN, ' ');
    }
    for (std::size_t at = 0; at < help.size();) {
        const std::size_t end = help.find('\n', at) + 1;
        if (at > 0) text.append(HELP_COLUMN, ' ');
        text.append(help.substr(at, end - at));
        at = end;
    }
}

void append_option(std::string& text, const CommandOption& option) {
    std::string entry = "    " + std::string(option.name);
    for (std::size_t i = 0; i < option.values.size(); ++i) (entry += i == 0 ? ' ' : '|') += option.values[i];
    append_entry(text, entry, option.help);
}

std::string usage_text() {
    std::string text = "Usage: sferonda\n"
                       "       sferonda MAIN-INPUT-FILE\n";
    for (const Command& command : COMMANDS) text += "       sferonda " + synopsis(command) + "\n";
    text += "\n"
            "Without arguments, sferonda asks for the name of a main input file and runs\n"
            "the batch of cases it lists (display types 1 to " +
            std::to_string(std::size(DISPLAY_TYPES) - 1) +
            "), logging the files it\n"
            "writes in sferonda-log.txt. Given the main input file's path (or the file\n"
            "dropped on the program), it runs that batch in the file's folder.\n"
            "\n";
    for (const Command& command : COMMANDS) {
        append_entry(text, "  " + synopsis(command), command.help);
        for (const CommandOption& option : command.options) append_option(text, option);
    }
    return text;
}

bool is_option(std::string_view argument) { return argument.size() > 1 && argument[0] == '-'; }

// A file dropped on the program: neither a command nor anything like an option.
bool names_main_input_file(std::string_view argument) {
    const auto is_command = [&](const Command& command) { return command.name == argument; };
    return !argument.empty() && argument[0] != '-' &&
           std::none_of(std::begin(COMMANDS), std::end(COMMANDS), is_command);
}

// Options first, each known to the command, given a word it takes and not
// joined by one it excludes, then exactly the command's operands.
bool parse_arguments(const Command& command, std::span<const std::string_view> rest, CommandArguments& parsed) {
    assert(command.options.size() <= MAX_OPTIONS);
    while (!rest.empty() && is_option(rest[0])) {
        const auto option = std::find_if(command.options.begin(), command.options.end(),
                                         [&](const CommandOption& known) { return known.name == rest[0]; });
        if (option == command.options.end()) return false;
        std::string_view& value = parsed.options[std::size_t(option - command.options.begin())];
        value = option->name;
        rest = rest.subspan(1);
        if (option->values.empty()) continue;
        if (rest.empty() || std::find(option->values.begin(), option->values.end(), rest[0]) == option->values.end()) {
            return false;
        }
        value = rest[0];
        rest = rest.subspan(1);
    }
    for (std::size_t i = 0; i < command.options.size(); ++i) {
        const std::string_view excluded = command.options[i].excludes;
        if (parsed.options[i].empty() || excluded.empty()) continue;
        const auto other = std::find_if(command.options.begin(), command.options.begin() + long(i),
                                        [&](const CommandOption& known) { return known.name == excluded; });
        assert(other != command.options.begin() + long(i));
        if (!parsed.options[std::size_t(other - command.options.begin())].empty()) return false;
    }
    parsed.operands = rest;
    return rest.size() == operand_count(command);
}

const std::string& usage() {
    static const std::string text = usage_text();
    return text;
}

}  // namespace

const std::string_view USAGE_TEXT = usage();

namespace {

int reject_arguments(Run& run) {
    // The status tells the caller even when standard error cannot be written.
    run.file_system().console(ConsoleStream::Error)->write(with_console_line_ends(USAGE_TEXT));
    return USAGE_ERROR_STATUS;
}

}  // namespace

int run_command_line(Run& run, std::span<const std::string_view> arguments) {
    if (arguments.size() == 1 && names_main_input_file(arguments[0])) return run_batch(run, arguments[0]);
    for (const Command& command : COMMANDS) {
        if (arguments[0] != command.name) continue;
        CommandArguments parsed;
        if (!parse_arguments(command, arguments.subspan(1), parsed)) break;
        return run_to_end(run, [&] { return command.run(run, parsed); }).status;
    }
    return reject_arguments(run);
}

}  // namespace sferonda
