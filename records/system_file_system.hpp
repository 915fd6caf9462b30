#pragma once
// The system's files through the platform seam. Relative names are taken
// from the run's own folder, so that runs in different folders need not
// change the process's working folder; without a folder of its own the run
// works in the working folder, as the console host does.

#include <string>

#include "records/file_system.hpp"

namespace sferonda {

class SystemFileSystem final : public FileSystem {
public:
    // An empty `folder` is the process's working folder, which entering a
    // folder then changes.
    explicit SystemFileSystem(std::string folder = {}) : folder_(std::move(folder)) {}

    OpenedForReading open_for_reading(const std::string& name) override;
    std::unique_ptr<OpenFile> open_for_writing(const std::string& name, bool for_this_run) override;
    std::optional<FileIdentity> identify(const std::string& name) override;
    std::string full_path(std::string_view name) override;
    bool names_ordinary_file(std::string_view name) override;
    WholeFileOutcome replace_whole_file(const std::string& name, std::string_view bytes) override;
    void run_command(const std::string& command) override;
    bool enter_folder(const std::string& folder) override;
    std::unique_ptr<OpenFile> console(ConsoleStream stream) override;

private:
    std::string in_folder(std::string_view name) const;

    std::string folder_;
};

}  // namespace sferonda
