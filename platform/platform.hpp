#pragma once
// What differs between the systems the program runs on. Each has one source
// (platform/posix.cpp, platform/windows.cpp), chosen by the build; the rest
// of the program never asks which system it is on. File names are UTF-8 on
// every system.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/line_end.hpp"

namespace sferonda {

// Once, before anything is read or written: standard input and output carry
// bytes as they are, and a closed console shows up as a failed write.
void prepare_process();

// How the console ends its records: as text files do on the system.
LineEnd console_line_end();

// ::open with `flags` (O_RDONLY, O_WRONLY, O_CREAT, O_EXCL, O_TRUNC), the
// bytes untranslated and the descriptor kept from the commands the pause
// runs; -1 with errno on failure.
int open_file(const std::string& name, int flags);

// A file as the system tells files apart: device and inode, or volume serial
// number and file index.
struct FileIdentity {
    std::uint64_t device;
    std::uint64_t inode;
    bool operator==(const FileIdentity&) const = default;
};

// The identity of an existing file, links followed; nullopt when there is no such file.
std::optional<FileIdentity> identify_file(const std::string& path);

// The identity of the file, pipe or device open on `fd`.
std::optional<FileIdentity> identify_open_file(int fd);

// Takes an exclusive lock on the whole file open on `fd`, without waiting;
// it lasts while the descriptor stays open, and ends with the process.
// False only when another open of the file holds one: a file system
// without locks does not stop the run.
bool lock_for_this_run(int fd);

// The name as the fatal line shows it: from the root, with the system's separators.
std::string full_path_name(std::string_view file_name);

// The exit status of a run ended by the fatal error `error_number`.
int fatal_exit_status(int error_number);

// Runs `command` through the system's command interpreter and waits for it.
void run_shell_command(const std::string& command);
// The same with `folder` as the command's working folder, the process's left as it is.
void run_shell_command_in(const std::string& folder, const std::string& command);

// `path` when it is no symbolic link (or does not exist); else the path its
// links lead to, one link after the other, a relative link taken from the
// link's own folder. The last one may not exist (a dangling link). nullopt
// for a loop or a link that cannot be read.
std::optional<std::string> final_link_target(std::string path);

// What a name leads to, links followed: nothing, a regular file, or anything
// else (a folder, a device, a pipe).
enum class FileKind { Missing, Regular, Other };
FileKind file_kind(const std::string& path);

// Whether the user may write the existing file `path`.
bool may_write(const std::string& path);

// Gives the new file open on `fd` what the file `earlier` it is to replace
// has of owner and permissions, as far as the user may.
void keep_owner_and_mode(int fd, const std::string& earlier);

// Moves `from` onto `to`, replacing any file there in one step; false on failure.
bool replace_file(const std::string& from, const std::string& to);

// Removes the file `name`, reporting nothing.
void remove_file(const std::string& name);

// The file that an interrupt of the run (Ctrl-C, or SIGINT, SIGTERM, SIGHUP)
// removes before the run ends: `name`, or none. False when the name is too
// long to be kept for that.
bool set_removal_on_interrupt(const std::string& name);
void clear_removal_on_interrupt();

// While one lives, an interrupt waits: a file and the name kept for its
// removal change together. One at a time.
class InterruptsHeld {
public:
    InterruptsHeld();
    ~InterruptsHeld();
    InterruptsHeld(const InterruptsHeld&) = delete;
    InterruptsHeld& operator=(const InterruptsHeld&) = delete;
};

// --- The console and the command line in UTF-8, whatever the system's
// console code page.

// Writes from `bytes` to `fd` as ::write does: how many bytes it took, or -1
// with errno. A console window gets the text as UTF-8 whatever its code
// page: a sequence split between two writes is held back and shown whole.
// Pipes and files get the bytes as they are.
std::ptrdiff_t write_console_or_file(int fd, std::string_view bytes);

// Reads into `buffer` as ::read does: how many bytes, 0 at the end, -1 with
// errno. What is typed at a console window arrives as UTF-8.
std::ptrdiff_t read_console_or_file(int fd, char* buffer, std::size_t size);

// The arguments after the program's name, in UTF-8.
std::vector<std::string> command_line_arguments(int argc, char** argv);

// --- Names and folders as the user gives them.

// The characters after which a path's last component begins: / on POSIX;
// \, / and the colon of a drive (C:name) on Windows.
std::string_view path_separators();

// False for a name that the system would not take as an ordinary file to
// write: on Windows a device (NUL, CON, COM1 and the like, with any
// extension, also as a path's last component), a name whose last dot or
// blank the system would drop, a stream of a file (name:stream) or a
// character no file name may hold. Always true on POSIX, where these are
// ordinary names.
bool names_ordinary_file(std::string_view name);

// `name` taken from `folder`: as it is when absolute or when `folder` is
// empty (the working folder).
std::string name_in_folder(const std::string& folder, std::string_view name);

// Makes `folder` the working folder of the process; false on failure.
bool enter_folder(const std::string& folder);

// True when the console window is the program's own, made for it because it
// was started by a double click or by a file dropped on it, so that the
// window closes with the run. Never on POSIX.
bool owns_console_window();

}  // namespace sferonda
