#pragma once
// One whole run from arbitrary bytes, names and all, shared by the fuzz
// target and the regression test that replays its findings.
//
// Input: the bytes up to the first 0xFF byte are the line typed at the
// prompt (line feeds dropped), the bytes up to the next 0xFF the main input
// file "main.inp", and each byte after that one answer to a pause: Enter,
// Enter with a carriage return, or the no-op command ":" (a value of 3 or
// more ends the console there). The run starts in a scratch folder that
// holds, besides "main.inp", a model under several names ("m.dat", "m.col",
// "m.ppv", "k.txt", "sub/m.col") and the main input again as "m.pi" and as
// an old "sferonda-log.txt", so that names can collide with every file the
// run reads or writes.
//
// Names are never let out of the scratch folder: an input whose typed line
// or main input holds "..", or a slash that does not follow a letter, digit,
// '_', '-' or '.', is skipped; the program never creates links or folders.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "driver/bead_model.hpp"
#include "driver/case_driver.hpp"
#include "driver/model_reader.hpp"
#include "driver/run.hpp"
#include "fuzz/case_harness.hpp"
#include "fuzz/harness_scratch.hpp"
#include "fuzz/non_finite_spelling.hpp"
#include "platform/platform.hpp"
#include "records/list_read.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"

namespace sferonda::fuzzing {

inline constexpr char SECTION_END = '\xff';
inline constexpr const char* LOG_NAME = "sferonda-log.txt";
inline constexpr std::size_t MAX_PAUSE_ANSWERS = 16;

inline constexpr const char* SESSION_MODEL = "2\n1 0 0 0 1\n2 4 0 0 1\n1\n1 1 2 0.5\n";
inline constexpr const char* SESSION_COLORS = "2\n1 2\n2 2\n1\n1 2\n";

struct SessionInput {
    std::string console;     // the typed line and the answers, each with its line feed
    std::string main_input;
};

// Every slash must continue a name component, so no name can start at the
// root; without ".." none can climb out of the folder.
inline bool stays_in_scratch(std::string_view text) {
    if (text.find("..") != std::string_view::npos) return false;
    for (std::size_t at = text.find('/'); at != std::string_view::npos; at = text.find('/', at + 1)) {
        if (at == 0) return false;
        const unsigned char before = static_cast<unsigned char>(text[at - 1]);
        if (!std::isalnum(before) && before != '_' && before != '-' && before != '.') return false;
    }
    return true;
}

inline std::optional<SessionInput> decode_session(std::string_view bytes) {
    const std::size_t first_end = std::min(bytes.find(SECTION_END), bytes.size());
    std::string typed(bytes.substr(0, first_end));
    std::erase(typed, '\n');
    bytes.remove_prefix(std::min(first_end + 1, bytes.size()));
    const std::size_t second_end = std::min(bytes.find(SECTION_END), bytes.size());
    SessionInput input{typed + "\n", std::string(bytes.substr(0, second_end))};
    // A quoted name may go on over a line end, which it does not keep.
    std::string joined = input.main_input;
    std::erase(joined, '\n');
    std::erase(joined, '\r');
    if (!stays_in_scratch(typed) || !stays_in_scratch(input.main_input) || !stays_in_scratch(joined)) {
        return std::nullopt;
    }
    bytes.remove_prefix(std::min(second_end + 1, bytes.size()));
    for (std::size_t k = 0; k < bytes.size() && k < MAX_PAUSE_ANSWERS; ++k) {
        const int answer = static_cast<unsigned char>(bytes[k]) % 4;
        if (answer == 3) break;
        input.console += answer == 0 ? "\n" : answer == 1 ? "\r\n" : ":\n";
    }
    return input;
}

// Every regular file under the folder, by path relative to it, with its bytes.
using FolderContents = std::map<std::string, std::string>;

inline FolderContents folder_contents(const std::string& folder) {
    FolderContents contents;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        const std::string relative = std::filesystem::relative(entry.path(), folder).lexically_normal().string();
        contents[relative] = read_file_or_empty(entry.path().string());
    }
    return contents;
}

inline void prepare_scratch(const std::string& folder, const std::string& main_input) {
    namespace fs = std::filesystem;
    for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
    fs::create_directory(folder + "/sub");
    auto write = [&folder](const char* name, std::string_view text) {
        std::ofstream(folder + "/" + name, std::ios::binary) << text;
    };
    write("main.inp", main_input);
    write("m.pi", main_input);
    write(LOG_NAME, main_input);
    write("m.dat", SESSION_MODEL);
    write("m.ppv", SESSION_MODEL);
    write("m.col", SESSION_COLORS);
    write("k.txt", SESSION_COLORS);
    write("sub/m.col", SESSION_COLORS);
}

// One case as the console tells it: its echoed names, in the order written.
struct ConsoleCase {
    int display_type = 0;
    std::string coordinates, colors;
    std::optional<std::string> graphics_file;  // announced
};

// The 30-character name that follows `prefix` at `at`, trailing blanks dropped.
inline std::string name_after(const std::string& console, std::size_t at, std::string_view prefix) {
    std::string name = console.substr(at + prefix.size(), NAME_LENGTH);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

// Read in order, each name skipped whole: a name may hold any of the texts
// looked for.
inline std::vector<ConsoleCase> console_cases(const std::string& console) {
    static constexpr std::string_view TYPE = " * Type of display: ";
    static constexpr std::string_view COORDINATES = " * Name of file with coordinates and connectors: ";
    static constexpr std::string_view COLORS = " * Name of file with colors: ";
    static constexpr std::string_view OUTPUT = " * Name of ouput file (without extension): ";
    static constexpr std::string_view ANNOUNCED = "   * Output file will be :";
    std::vector<ConsoleCase> cases;
    std::size_t at = console.find(TYPE);
    while (at != std::string::npos) {
        ConsoleCase echoed;
        echoed.display_type = std::atoi(console.c_str() + at + TYPE.size());
        const std::size_t coordinates = console.find(COORDINATES, at);
        if (coordinates == std::string::npos) break;
        echoed.coordinates = name_after(console, coordinates, COORDINATES);
        const std::size_t colors = console.find(COLORS, coordinates + COORDINATES.size() + NAME_LENGTH);
        if (colors == std::string::npos) break;
        echoed.colors = name_after(console, colors, COLORS);
        const std::size_t output = console.find(OUTPUT, colors + COLORS.size() + NAME_LENGTH);
        if (output == std::string::npos) break;
        std::size_t end = output + OUTPUT.size() + NAME_LENGTH;
        const std::size_t next = console.find(TYPE, end);
        const std::size_t announced = console.find(ANNOUNCED, end);
        if (announced < next) {
            echoed.graphics_file = name_after(console, announced, ANNOUNCED);
            end = announced + ANNOUNCED.size() + NAME_LENGTH;
        }
        cases.push_back(std::move(echoed));
        at = console.find(TYPE, end);
    }
    return cases;
}

struct SessionOutcome {
    bool skipped = false;
    int status = 0;
    std::string console;
    std::string log;
    std::optional<std::string> main_input_name;  // as the program read it
    FolderContents before, after;
};

// The name the program reads at the prompt, read by its own reader.
inline std::optional<std::string> typed_name(const std::string& console) {
    Name name = make_name("");
    Units units;
    try {
        attach_input_text(units, CONSOLE_INPUT_UNIT, console, "stdin");
        read_list_or_fail(units, CONSOLE_INPUT_UNIT, {name});
    } catch (const RunEnded&) {
        return std::nullopt;
    }
    return std::string(trimmed(name));
}

// The program opens its log in the current folder: the run takes place in
// the scratch folder, and the fuzzer's own folder is restored after it.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::string& folder) : saved_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~WorkingFolder() { std::filesystem::current_path(saved_); }

private:
    std::filesystem::path saved_;
};

inline SessionOutcome run_session_input(const std::uint8_t* data, std::size_t size) {
    SessionOutcome outcome;
    const std::optional<SessionInput> input =
        decode_session(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!input) {
        outcome.skipped = true;
        return outcome;
    }
    const std::string& folder = harness_scratch().path();
    prepare_scratch(folder, input->main_input);
    outcome.before = folder_contents(folder);
    outcome.main_input_name = typed_name(input->console);

    const auto run = std::make_unique<Run>();
    capture_console_output(*run);
    {
        WorkingFolder in_scratch(folder);
        try {
            attach_input_text(*run, CONSOLE_INPUT_UNIT, input->console, "stdin");
            run_cases(*run);
            close_all_units(*run);
        } catch (RunEnded& ended) {
            outcome.status = finish_run(*run, ended);
        }
        close_all_units_quietly(*run);
    }
    outcome.console = take_console_output(*run);
    outcome.after = folder_contents(folder);
    outcome.log = outcome.after.count(LOG_NAME) ? outcome.after.at(LOG_NAME) : "";
    return outcome;
}

// --- what must hold after every run ------------------------------------------

inline std::string normal_name(const std::string& name) {
    return std::filesystem::path(name).lexically_normal().string();
}

// No file has inode 0: it stands for a name that leads to no file.
inline constexpr FileIdentity NO_FILE{0, 0};

inline bool same_file(const FileIdentity& a, const FileIdentity& b) { return a.inode != 0 && a == b; }

inline FileIdentity identity_in(const std::string& folder, const std::string& name) {
    if (name.empty() || name.find('\0') != std::string::npos) return NO_FILE;
    return identify_file(folder + "/" + name).value_or(NO_FILE);
}

// No file changed but the log and the announced graphics files.
inline bool only_announced_files_changed(const SessionOutcome& outcome, const std::vector<ConsoleCase>& cases) {
    auto announced = [&cases](const std::string& path) {
        for (const ConsoleCase& echoed : cases)
            if (echoed.graphics_file && normal_name(*echoed.graphics_file) == path) return true;
        return false;
    };
    auto allowed = [&](const std::string& path) { return path == LOG_NAME || announced(path); };
    for (const auto& [path, content] : outcome.after) {
        const auto earlier = outcome.before.find(path);
        if ((earlier == outcome.before.end() || earlier->second != content) && !allowed(path)) return false;
    }
    for (const auto& [path, content] : outcome.before) {
        if (!outcome.after.count(path) && !allowed(path)) return false;
    }
    return true;
}

// Every file the log calls generated is there. A log the run did not
// rewrite still holds the old text the scratch folder began with.
inline bool logged_files_exist(const SessionOutcome& outcome) {
    static constexpr std::string_view GENERATED = GENERATED_RECORD;
    const auto old_log = outcome.before.find(LOG_NAME);
    if (old_log != outcome.before.end() && old_log->second == outcome.log) return true;
    for (std::size_t at = outcome.log.find(GENERATED); at != std::string::npos;
         at = outcome.log.find(GENERATED, at + 1)) {
        const std::string name = name_after(outcome.log, at, GENERATED);
        if (!outcome.after.count(normal_name(name))) return false;
    }
    return true;
}

// A graphics file that is the same file as the log, the main input file or
// its case's input files is refused before it is emptied: the run ends
// there with an open failure and the file keeps what it held when the run
// began (unless an earlier case of the run wrote it). A log that is the
// main input file is refused the same way.
inline bool no_run_file_emptied(const SessionOutcome& outcome, const std::vector<ConsoleCase>& cases) {
    const std::string& folder = harness_scratch().path();
    const auto log = identity_in(folder, LOG_NAME);
    const auto main_input = outcome.main_input_name ? identity_in(folder, *outcome.main_input_name) : NO_FILE;
    auto kept = [&outcome](const std::string& path) {
        const auto earlier = outcome.before.find(path);
        const auto now = outcome.after.find(path);
        return earlier != outcome.before.end() && now != outcome.after.end() && earlier->second == now->second;
    };
    if (same_file(main_input, log) && (outcome.status != 30 || !kept(LOG_NAME))) return false;
    std::vector<std::string> written;
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const ConsoleCase& echoed = cases[k];
        if (!echoed.graphics_file) continue;
        const auto graphics = identity_in(folder, *echoed.graphics_file);
        const std::string path = normal_name(*echoed.graphics_file);
        const bool collides = same_file(graphics, log) || same_file(graphics, main_input) ||
                              same_file(graphics, identity_in(folder, echoed.coordinates)) ||
                              same_file(graphics, identity_in(folder, echoed.colors));
        if (collides) {
            if (k + 1 != cases.size() || outcome.status != 30) return false;
            const bool written_before = std::find(written.begin(), written.end(), path) != written.end();
            if (!written_before && path != LOG_NAME && !kept(path)) return false;
        }
        written.push_back(path);
    }
    return true;
}

// A name with a NUL byte opens nothing: the run ends with the open failure
// (or an earlier file's) in the case that names it, before any graphics file.
inline bool no_name_cut_at_nul(const SessionOutcome& outcome, const std::vector<ConsoleCase>& cases) {
    auto holds_nul = [](const std::string& name) { return name.find('\0') != std::string::npos; };
    if (outcome.main_input_name && holds_nul(*outcome.main_input_name)) {
        return outcome.status == 30 && cases.empty();
    }
    for (std::size_t k = 0; k < cases.size(); ++k) {
        const ConsoleCase& echoed = cases[k];
        if (!holds_nul(echoed.coordinates) && !holds_nul(echoed.colors)) continue;
        return k + 1 == cases.size() && !echoed.graphics_file && (outcome.status == 29 || outcome.status == 30);
    }
    return true;
}

// The last scene of display type 3, 4 or 6 written to each file holds no
// value that is not a number. A run that ends with an open failure never
// wrote its last announced file.
inline bool framed_scenes_readable(const SessionOutcome& outcome, const std::vector<ConsoleCase>& cases) {
    std::map<std::string, int> last_type;
    const std::size_t written = outcome.status == 30 && !cases.empty() ? cases.size() - 1 : cases.size();
    for (std::size_t k = 0; k < written; ++k)
        if (cases[k].graphics_file) last_type[normal_name(*cases[k].graphics_file)] = cases[k].display_type;
    for (const auto& [path, display_type] : last_type) {
        const auto file = outcome.after.find(path);
        if (file != outcome.after.end() && is_framed_scene_type(display_type) &&
            holds_non_finite_spelling(file->second)) {
            return false;
        }
    }
    return true;
}

inline bool is_expected_session(const SessionOutcome& outcome) {
    if (outcome.skipped) return true;
    const int status = outcome.status;
    if (status != 0 && status != 24 && status != 29 && status != 30 && status != 59 && status != 64) return false;
    const std::vector<ConsoleCase> cases = console_cases(outcome.console);
    return only_announced_files_changed(outcome, cases) && logged_files_exist(outcome) &&
           no_run_file_emptied(outcome, cases) && no_name_cut_at_nul(outcome, cases) &&
           framed_scenes_readable(outcome, cases);
}

}  // namespace sferonda::fuzzing
