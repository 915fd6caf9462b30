#include "records/system_file_system.hpp"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "records/whole_file_write.hpp"
#include "records/write_all.hpp"

namespace sferonda {

namespace {

class DescriptorFile final : public OpenFile {
public:
    // A console stream belongs to the process: `owned` false leaves it open.
    DescriptorFile(int fd, bool owned, std::optional<FileIdentity> identity)
        : fd_(fd), owned_(owned), identity_(identity) {}
    ~DescriptorFile() override {
        if (owned_ && fd_ >= 0) ::close(fd_);
    }
    DescriptorFile(const DescriptorFile&) = delete;
    DescriptorFile& operator=(const DescriptorFile&) = delete;

    std::ptrdiff_t read(char* buffer, std::size_t size) override { return read_console_or_file(fd_, buffer, size); }
    bool write(std::string_view bytes) override { return write_all(fd_, bytes); }
    bool rewind() override { return ::lseek(fd_, 0, SEEK_SET) >= 0; }
    bool close() override {
        const int fd = fd_;
        fd_ = -1;
        return !owned_ || fd < 0 || ::close(fd) == 0;
    }
    std::optional<FileIdentity> identity() const override { return identity_; }

private:
    int fd_;
    bool owned_;
    std::optional<FileIdentity> identity_;
};

// Only a regular file loses its contents when it is opened for writing:
// devices such as /dev/null may serve several units.
std::optional<FileIdentity> regular_file_identity(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    return identify_open_file(fd);
}

// The lock comes before the file is emptied, so that another run holding it
// keeps its records whole. A device has no records to lose and may serve
// runs in several folders, so it is neither locked nor emptied.
bool take_for_this_run(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) return false;
    if (!S_ISREG(status.st_mode)) return true;
    return lock_for_this_run(fd) && ::ftruncate(fd, 0) == 0;
}

int console_descriptor(ConsoleStream stream) {
    switch (stream) {
        case ConsoleStream::Input: return STDIN_FILENO;
        case ConsoleStream::Output: return STDOUT_FILENO;
        case ConsoleStream::Error: break;
    }
    return STDERR_FILENO;
}

}  // namespace

std::string SystemFileSystem::in_folder(std::string_view name) const { return name_in_folder(folder_, name); }

OpenedForReading SystemFileSystem::open_for_reading(const std::string& name) {
    const int fd = open_file(in_folder(name), O_RDONLY);
    if (fd < 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        return {nullptr, missing ? OpenFailure::Missing : OpenFailure::Refused};
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || S_ISDIR(status.st_mode)) {
        ::close(fd);
        return {nullptr, OpenFailure::Refused};
    }
    return {std::make_unique<DescriptorFile>(fd, true, regular_file_identity(fd))};
}

std::unique_ptr<OpenFile> SystemFileSystem::open_for_writing(const std::string& name, bool for_this_run) {
    const int fd = open_file(in_folder(name), O_WRONLY | O_CREAT | (for_this_run ? 0 : O_TRUNC));
    if (fd < 0) return nullptr;
    if (for_this_run && !take_for_this_run(fd)) {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<DescriptorFile>(fd, true, regular_file_identity(fd));
}

std::optional<FileIdentity> SystemFileSystem::identify(const std::string& name) {
    return identify_file(in_folder(name));
}

std::string SystemFileSystem::full_path(std::string_view name) { return full_path_name(in_folder(name)); }

bool SystemFileSystem::names_ordinary_file(std::string_view name) { return sferonda::names_ordinary_file(name); }

WholeFileOutcome SystemFileSystem::replace_whole_file(const std::string& name, std::string_view bytes) {
    return write_whole_file_on_disk(in_folder(name), bytes);
}

void SystemFileSystem::run_command(const std::string& command) {
    if (folder_.empty()) return run_shell_command(command);
    run_shell_command_in(folder_, command);
}

bool SystemFileSystem::enter_folder(const std::string& folder) {
    if (folder_.empty()) return sferonda::enter_folder(folder);
    folder_ = in_folder(folder);
    return true;
}

std::unique_ptr<OpenFile> SystemFileSystem::console(ConsoleStream stream) {
    const int fd = console_descriptor(stream);
    return std::make_unique<DescriptorFile>(fd, false, identify_open_file(fd));
}

}  // namespace sferonda
