// Windows (built with MinGW-w64). Names are UTF-8 in the program and UTF-16
// for the system: every call that takes a name converts it here.
#include "platform/platform.hpp"
#include "platform/windows_console.hpp"

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace sferonda {

namespace {

DWORD creation_disposition(int flags) {
    if (flags & O_CREAT) {
        if (flags & O_EXCL) return CREATE_NEW;
        return (flags & O_TRUNC) ? CREATE_ALWAYS : OPEN_ALWAYS;
    }
    return (flags & O_TRUNC) ? TRUNCATE_EXISTING : OPEN_EXISTING;
}

int errno_of_last_error() {
    switch (::GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
            return ENOENT;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        default:
            return EACCES;
    }
}

std::optional<FileIdentity> identity_of_handle(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION information{};
    if (!::GetFileInformationByHandle(handle, &information)) return std::nullopt;
    return FileIdentity{information.dwVolumeSerialNumber,
                        (std::uint64_t(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
}

}  // namespace

// Text mode would turn each line feed written into CR LF (records already
// end with CR LF: CR CR LF) and drop the CR of each CR LF read.
void prepare_process() {
    ::_setmode(0, _O_BINARY);
    ::_setmode(1, _O_BINARY);
    ::_setmode(2, _O_BINARY);
}

LineEnd console_line_end() { return LineEnd::CrLf; }

// Through CreateFileW rather than _wopen: the handle is not inherited, and
// others may delete the file while it is open, as the interrupt's removal of
// a temporary file must.
int open_file(const std::string& name, int flags) {
    const DWORD access = (flags & O_WRONLY) ? GENERIC_WRITE : GENERIC_READ;
    const HANDLE handle = ::CreateFileW(utf16_of(name).c_str(), access,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        creation_disposition(flags), FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        errno = errno_of_last_error();
        return -1;
    }
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), (flags & O_WRONLY) | _O_BINARY);
    if (fd < 0) ::CloseHandle(handle);
    return fd;
}

std::optional<FileIdentity> identify_file(const std::string& path) {
    const HANDLE handle = ::CreateFileW(utf16_of(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    const std::optional<FileIdentity> identity = identity_of_handle(handle);
    ::CloseHandle(handle);
    return identity;
}

std::optional<FileIdentity> identify_open_file(int fd) {
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    return identity_of_handle(handle);
}

bool lock_for_this_run(int fd) {
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
    OVERLAPPED whole_file{};
    if (::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD,
                     &whole_file)) {
        return true;
    }
    return ::GetLastError() != ERROR_LOCK_VIOLATION;
}

std::string full_path_name(std::string_view file_name) {
    const std::wstring name = file_name.empty() ? std::wstring(L".\\") : utf16_of(file_name);
    const DWORD length = ::GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    std::wstring full(length, L'\0');
    const DWORD written = ::GetFullPathNameW(name.c_str(), length, full.data(), nullptr);
    if (written == 0 || written >= length) return std::string(file_name);
    full.resize(written);
    return utf8_of(full);
}

// Windows keeps all 32 bits of the status: an error's own range, as the
// system's exceptions have, tells it from a program's ordinary statuses.
int fatal_exit_status(int error_number) { return static_cast<int>(0xC0000000u + unsigned(error_number)); }

void run_shell_command(const std::string& command) { (void)::_wsystem(utf16_of(command).c_str()); }

// The command does not run when the folder cannot be entered.
void run_shell_command_in(const std::string& folder, const std::string& command) {
    run_shell_command("cd /d \"" + folder + "\" && " + command);
}

// A symbolic link is replaced as a file is: on Windows links are rare and
// making one needs a privilege.
std::optional<std::string> final_link_target(std::string path) { return path; }

FileKind file_kind(const std::string& path) {
    const HANDLE handle = ::CreateFileW(utf16_of(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return FileKind::Missing;
    BY_HANDLE_FILE_INFORMATION information{};
    const bool regular = ::GetFileType(handle) == FILE_TYPE_DISK &&
                         ::GetFileInformationByHandle(handle, &information) &&
                         !(information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    ::CloseHandle(handle);
    return regular ? FileKind::Regular : FileKind::Other;
}

bool may_write(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(utf16_of(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_READONLY);
}

// The new file takes its permissions from its folder, as the earlier one did.
void keep_owner_and_mode(int, const std::string&) {}

// A plain rename fails when `to` exists.
bool replace_file(const std::string& from, const std::string& to) {
    return ::MoveFileExW(utf16_of(from).c_str(), utf16_of(to).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

void remove_file(const std::string& name) { ::DeleteFileW(utf16_of(name).c_str()); }

namespace {

// The console's control handler runs on a thread of its own: the lock keeps
// it from the name while the name and its file change.
SRWLOCK removal_lock = SRWLOCK_INIT;
wchar_t pending_removal[MAX_PATH * 4];

BOOL WINAPI remove_and_end(DWORD) {
    ::AcquireSRWLockExclusive(&removal_lock);
    if (pending_removal[0] != L'\0') ::DeleteFileW(pending_removal);
    ::ReleaseSRWLockExclusive(&removal_lock);
    return FALSE;  // the next handler, the system's own, ends the process
}

}  // namespace

bool set_removal_on_interrupt(const std::string& name) {
    static const bool installed = ::SetConsoleCtrlHandler(remove_and_end, TRUE);
    (void)installed;
    const std::wstring converted = utf16_of(name);
    if (converted.size() >= std::size(pending_removal)) {
        errno = ENAMETOOLONG;
        return false;
    }
    converted.copy(pending_removal, converted.size());
    pending_removal[converted.size()] = L'\0';
    return true;
}

void clear_removal_on_interrupt() { pending_removal[0] = L'\0'; }

InterruptsHeld::InterruptsHeld() { ::AcquireSRWLockExclusive(&removal_lock); }

InterruptsHeld::~InterruptsHeld() { ::ReleaseSRWLockExclusive(&removal_lock); }

// --- Names and folders as the user gives them.

std::string_view path_separators() { return "\\/:"; }

namespace {

bool is_separator(char c) { return c == '\\' || c == '/'; }

bool same_letters(std::string_view name, std::string_view upper_case) {
    return name.size() == upper_case.size() &&
           std::equal(name.begin(), name.end(), upper_case.begin(),
                      [](char given, char upper) { return given == upper || given == upper - 'A' + 'a'; });
}

// CON, PRN, AUX, NUL, CONIN$, CONOUT$, and COM or LPT with a digit or a
// superscript one, two or three (UTF-8).
bool is_device_name(std::string_view base) {
    for (const std::string_view device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
        if (same_letters(base, device)) return true;
    }
    if (base.size() < 4 || !(same_letters(base.substr(0, 3), "COM") || same_letters(base.substr(0, 3), "LPT"))) {
        return false;
    }
    const std::string_view number = base.substr(3);
    if (number.size() == 1) return number[0] >= '0' && number[0] <= '9';
    return number == "\xC2\xB9" || number == "\xC2\xB2" || number == "\xC2\xB3";
}

bool has_drive(std::string_view name) {
    if (name.size() < 2 || name[1] != ':') return false;
    const char letter = name[0];
    return (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
}

// \\.\ leads to the system's devices and pipes.
bool is_device_namespace(std::string_view name) {
    return name.size() >= 4 && is_separator(name[0]) && is_separator(name[1]) && name[2] == '.' &&
           is_separator(name[3]);
}

}  // namespace

// The system drops a name's last dots and blanks and takes a device name as
// the device whatever follows its first dot, blanks before that dot too: NUL,
// "nul .txt" and sub\Nul.ppv all write nowhere.
bool names_ordinary_file(std::string_view name) {
    if (name.find_first_of("?*<>|\"") != std::string_view::npos) return false;
    if (!name.empty() && (name.back() == '.' || name.back() == ' ')) return false;
    if (is_device_namespace(name)) return false;
    const std::string_view path = has_drive(name) ? name.substr(2) : name;
    if (path.find(':') != std::string_view::npos) return false;
    const std::string_view last = path.substr(path.find_last_of("\\/") + 1);
    std::string_view base = last.substr(0, last.find('.'));
    while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
    return !is_device_name(base);
}

// A name from the root (\\server, \\name) or with a drive (C:) is not
// taken from the folder.
std::string name_in_folder(const std::string& folder, std::string_view name) {
    const bool from_root = !name.empty() && is_separator(name.front());
    const bool with_drive = name.size() >= 2 && name[1] == ':';
    if (folder.empty() || from_root || with_drive) return std::string(name);
    return folder + (is_separator(folder.back()) ? "" : "\\") + std::string(name);
}

bool enter_folder(const std::string& folder) { return ::SetCurrentDirectoryW(utf16_of(folder).c_str()) != 0; }

// A console started for the program alone lists one process: a command
// interpreter that started it would be the second.
bool owns_console_window() {
    DWORD processes[2];
    return ::GetConsoleProcessList(processes, 2) == 1;
}

}  // namespace sferonda
