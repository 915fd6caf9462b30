#pragma once
// Another file system seen through, keeping the names of the files a run
// opened for writing, for a host that reports what the run wrote.

#include <set>
#include <string>

#include "records/file_system.hpp"

namespace sferonda {

class RecordingFileSystem final : public FileSystem {
public:
    explicit RecordingFileSystem(FileSystem& files) : files_(files) {}

    // In the order of their names' bytes, as the run named them.
    const std::set<std::string>& written() const { return written_; }

    OpenedForReading open_for_reading(const std::string& name) override { return files_.open_for_reading(name); }
    std::unique_ptr<OpenFile> open_for_writing(const std::string& name, bool for_this_run) override {
        auto file = files_.open_for_writing(name, for_this_run);
        if (file) written_.insert(name);
        return file;
    }
    std::optional<FileIdentity> identify(const std::string& name) override { return files_.identify(name); }
    std::string full_path(std::string_view name) override { return files_.full_path(name); }
    bool names_ordinary_file(std::string_view name) override { return files_.names_ordinary_file(name); }
    WholeFileOutcome replace_whole_file(const std::string& name, std::string_view bytes) override {
        const WholeFileOutcome outcome = files_.replace_whole_file(name, bytes);
        if (outcome != WholeFileOutcome::OpenFailure) written_.insert(name);
        return outcome;
    }
    void run_command(const std::string& command) override { files_.run_command(command); }
    bool enter_folder(const std::string& folder) override { return files_.enter_folder(folder); }
    std::unique_ptr<OpenFile> console(ConsoleStream stream) override { return files_.console(stream); }

private:
    FileSystem& files_;
    std::set<std::string> written_;
};

}  // namespace sferonda
