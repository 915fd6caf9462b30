// Linux and other POSIX systems.
#include "platform/platform.hpp"

#include <array>
#include <cassert>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sferonda {

void prepare_process() { std::signal(SIGPIPE, SIG_IGN); }

LineEnd console_line_end() { return LineEnd::Lf; }

int open_file(const std::string& name, int flags) { return ::open(name.c_str(), flags | O_CLOEXEC, 0666); }

std::optional<FileIdentity> identify_file(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return std::nullopt;
    return FileIdentity{status.st_dev, status.st_ino};
}

std::optional<FileIdentity> identify_open_file(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) return std::nullopt;
    return FileIdentity{status.st_dev, status.st_ino};
}

bool lock_for_this_run(int fd) {
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
}

std::string full_path_name(std::string_view file_name) {
    if (!file_name.empty() && file_name.front() == '/') return std::string(file_name);
    std::array<char, 4096> directory{};
    std::string path = ::getcwd(directory.data(), directory.size()) ? directory.data() : "";
    path += '/';
    path += file_name;
    return path;
}

int fatal_exit_status(int error_number) { return error_number; }

void run_shell_command(const std::string& command) { (void)std::system(command.c_str()); }

// The command does not run when the folder cannot be entered.
void run_shell_command_in(const std::string& folder, const std::string& command) {
    std::string quoted = "'";
    for (char c : folder) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    run_shell_command("cd -- " + quoted + "' || exit\n" + command);
}

namespace {

// The system's own limit on the links of one name.
constexpr int LINK_LIMIT = 40;

std::optional<std::string> read_link(const std::string& path) {
    std::array<char, PATH_MAX> target{};
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) == target.size()) return std::nullopt;
    return std::string(target.data(), static_cast<std::size_t>(length));
}

std::string folder_of(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

std::optional<std::string> final_link_target(std::string path) {
    for (int links = 0; links <= LINK_LIMIT; ++links) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
        const std::optional<std::string> target = read_link(path);
        if (!target) return std::nullopt;
        path = target->front() == '/' ? *target : folder_of(path) + *target;
    }
    return std::nullopt;
}

FileKind file_kind(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return FileKind::Missing;
    return S_ISREG(status.st_mode) ? FileKind::Regular : FileKind::Other;
}

// Replacing a file is writing it: one the user may not write is refused as
// opening it for writing would be, although its folder would allow the rename.
bool may_write(const std::string& path) {
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

// Only root may give a file to another user; anyone else's file then
// becomes theirs, at least in the earlier file's group when they belong to it.
void keep_owner_and_mode(int fd, const std::string& earlier_name) {
    struct stat earlier {};
    if (::stat(earlier_name.c_str(), &earlier) != 0) return;
    struct stat created {};
    if (::fstat(fd, &created) == 0 && (created.st_uid != earlier.st_uid || created.st_gid != earlier.st_gid)) {
        static_cast<void>(::fchown(fd, earlier.st_uid, earlier.st_gid) == 0 ||
                          ::fchown(fd, static_cast<uid_t>(-1), earlier.st_gid) == 0);
    }
    // After the owner: a change of owner clears the set-user-ID bit.
    ::fchmod(fd, earlier.st_mode & 07777);
}

bool replace_file(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }

void remove_file(const std::string& name) { std::remove(name.c_str()); }

namespace {

constexpr int ENDING_SIGNALS[] = {SIGINT, SIGTERM, SIGHUP};

// The handler may call only async-signal-safe functions: it finds the name
// here, in a fixed buffer that is changed only while those signals wait.
// No longer name can be opened.
char pending_removal[PATH_MAX];

extern "C" void remove_and_end(int signal_number) {
    if (pending_removal[0] != '\0') ::unlink(pending_removal);
    ::signal(signal_number, SIG_DFL);
    ::raise(signal_number);
}

sigset_t ending_signals() {
    sigset_t set;
    ::sigemptyset(&set);
    for (int signal_number : ENDING_SIGNALS) ::sigaddset(&set, signal_number);
    return set;
}

// A signal that the run was started to ignore (nohup) stays ignored.
void install_handlers_once() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    struct sigaction action {};
    action.sa_handler = remove_and_end;
    action.sa_mask = ending_signals();
    for (int signal_number : ENDING_SIGNALS) {
        struct sigaction previous {};
        if (::sigaction(signal_number, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) continue;
        ::sigaction(signal_number, &action, nullptr);
    }
}

sigset_t mask_before_hold;
bool holding = false;

}  // namespace

bool set_removal_on_interrupt(const std::string& name) {
    install_handlers_once();
    if (name.size() >= sizeof pending_removal) {
        errno = ENAMETOOLONG;
        return false;
    }
    std::memcpy(pending_removal, name.c_str(), name.size() + 1);
    return true;
}

void clear_removal_on_interrupt() { pending_removal[0] = '\0'; }

InterruptsHeld::InterruptsHeld() {
    assert(!holding && "interrupts held twice");
    holding = true;
    const sigset_t held = ending_signals();
    ::sigprocmask(SIG_BLOCK, &held, &mask_before_hold);
}

InterruptsHeld::~InterruptsHeld() {
    const int saved = errno;
    ::sigprocmask(SIG_SETMASK, &mask_before_hold, nullptr);
    holding = false;
    errno = saved;
}

// The console takes and gives UTF-8 bytes as they are.
std::ptrdiff_t write_console_or_file(int fd, std::string_view bytes) { return ::write(fd, bytes.data(), bytes.size()); }

std::ptrdiff_t read_console_or_file(int fd, char* buffer, std::size_t size) { return ::read(fd, buffer, size); }

std::vector<std::string> command_line_arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

// --- Names and folders as the user gives them.

std::string_view path_separators() { return "/"; }

bool names_ordinary_file(std::string_view) { return true; }

std::string name_in_folder(const std::string& folder, std::string_view name) {
    if (folder.empty() || (!name.empty() && name.front() == '/')) return std::string(name);
    return folder + (folder.back() == '/' ? "" : "/") + std::string(name);
}

bool enter_folder(const std::string& folder) { return ::chdir(folder.c_str()) == 0; }

bool owns_console_window() { return false; }

}  // namespace sferonda
