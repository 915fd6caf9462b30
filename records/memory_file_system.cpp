#include "records/memory_file_system.hpp"

#include <algorithm>

namespace sferonda {

namespace {

// A stored file, read or written from its start. The store keeps the bytes:
// its map never moves a file it holds.
class StoredOpenFile final : public OpenFile {
public:
    explicit StoredOpenFile(MemoryFileSystem::StoredFile* file) : file_(file) {}

    std::ptrdiff_t read(char* buffer, std::size_t size) override {
        const std::size_t count = std::min(size, file_->bytes.size() - position_);
        file_->bytes.copy(buffer, count, position_);
        position_ += count;
        return static_cast<std::ptrdiff_t>(count);
    }
    bool write(std::string_view bytes) override {
        file_->bytes.append(bytes);
        return true;
    }
    bool rewind() override {
        position_ = 0;
        return true;
    }
    bool close() override { return true; }
    std::optional<FileIdentity> identity() const override { return FileIdentity{0, file_->number}; }

private:
    MemoryFileSystem::StoredFile* file_;
    std::size_t position_ = 0;
};

// The console of a run in memory: its host serves the answers and keeps
// what it shows (units.hpp), so these streams are empty and take nothing.
class EmptyStream final : public OpenFile {
public:
    std::ptrdiff_t read(char*, std::size_t) override { return 0; }
    bool write(std::string_view) override { return true; }
    bool rewind() override { return true; }
    bool close() override { return true; }
    std::optional<FileIdentity> identity() const override { return std::nullopt; }
};

}  // namespace

void MemoryFileSystem::put(const std::string& name, std::string bytes) { emptied(name).bytes = std::move(bytes); }

MemoryFileSystem::StoredFile& MemoryFileSystem::emptied(const std::string& name) {
    StoredFile& file = files_[name];
    if (file.number == 0) file.number = next_number_++;
    file.bytes.clear();
    return file;
}

OpenedForReading MemoryFileSystem::open_for_reading(const std::string& name) {
    const auto found = files_.find(in_folder(name));
    if (found == files_.end()) return {nullptr, OpenFailure::Missing};
    return {std::make_unique<StoredOpenFile>(&found->second)};
}

std::unique_ptr<OpenFile> MemoryFileSystem::open_for_writing(const std::string& name, bool) {
    return std::make_unique<StoredOpenFile>(&emptied(in_folder(name)));
}

std::optional<FileIdentity> MemoryFileSystem::identify(const std::string& name) {
    const auto found = files_.find(in_folder(name));
    if (found == files_.end()) return std::nullopt;
    return FileIdentity{0, found->second.number};
}

std::string MemoryFileSystem::full_path(std::string_view name) { return in_folder(name); }

WholeFileOutcome MemoryFileSystem::replace_whole_file(const std::string& name, std::string_view bytes) {
    emptied(in_folder(name)).bytes.assign(bytes);
    return WholeFileOutcome::Written;
}

// The main input file's folder, as its name gave it: the model files it
// names are taken from there.
bool MemoryFileSystem::enter_folder(const std::string& folder) {
    folder_ = in_folder(folder);
    return true;
}

std::unique_ptr<OpenFile> MemoryFileSystem::console(ConsoleStream) { return std::make_unique<EmptyStream>(); }

}  // namespace sferonda
