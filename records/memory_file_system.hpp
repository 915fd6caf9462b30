#pragma once
// Files held in memory, names to bytes, for a host without a folder (the web
// page) or a run that must leave none. What needs a real system behaves as
// docs/library.md says: a file's full path is its name as given, the
// same-file refusals go by name, the log's lock always holds (one run uses
// the store), the pause's command is not run, and there are no links,
// devices or folders.

#include <cstdint>
#include <map>
#include <string>

#include "records/file_system.hpp"

namespace sferonda {

class MemoryFileSystem final : public FileSystem {
public:
    // Each file as it stands, with the number that tells it apart.
    struct StoredFile {
        std::string bytes;
        std::uint64_t number = 0;
    };

    // The store's files by name, in the order of their names' bytes.
    const std::map<std::string, StoredFile>& files() const { return files_; }
    void put(const std::string& name, std::string bytes);

    OpenedForReading open_for_reading(const std::string& name) override;
    std::unique_ptr<OpenFile> open_for_writing(const std::string& name, bool for_this_run) override;
    std::optional<FileIdentity> identify(const std::string& name) override;
    std::string full_path(std::string_view name) override;
    bool names_ordinary_file(std::string_view) override { return true; }
    WholeFileOutcome replace_whole_file(const std::string& name, std::string_view bytes) override;
    void run_command(const std::string&) override {}
    bool enter_folder(const std::string& folder) override;
    std::unique_ptr<OpenFile> console(ConsoleStream stream) override;

private:
    std::string in_folder(std::string_view name) const { return folder_ + std::string(name); }
    StoredFile& emptied(const std::string& name);

    std::map<std::string, StoredFile> files_;
    std::uint64_t next_number_ = 1;
    std::string folder_;  // with its separator, prefixed to every name
};

}  // namespace sferonda
