#pragma once
// The files a run reads and writes, behind one interface that the run holds:
// the system's files, from the run's own folder (system_file_system.hpp), or
// files held in memory (memory_file_system.hpp). The buffers read and write
// through it a block at a time.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.hpp"

namespace sferonda {

class OpenFile {
public:
    virtual ~OpenFile() = default;
    // As ::read: how many bytes, 0 at the end, -1 with errno on failure.
    virtual std::ptrdiff_t read(char* buffer, std::size_t size) = 0;
    // Writes all of `bytes`; false on failure.
    virtual bool write(std::string_view bytes) = 0;
    // Back to the first byte; false on failure.
    virtual bool rewind() = 0;
    // False when what was written could not be kept.
    virtual bool close() = 0;
    // The file as the same-file refusals tell files apart; nullopt for what
    // may serve several units (devices, pipes).
    virtual std::optional<FileIdentity> identity() const = 0;
};

enum class OpenFailure { None, Missing, Refused };

// Opening for reading: the file, or why there is none.
struct OpenedForReading {
    std::unique_ptr<OpenFile> file;
    OpenFailure failure = OpenFailure::None;
};

enum class WholeFileOutcome { Written, OpenFailure, WriteFailure };

enum class ConsoleStream { Input, Output, Error };

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Missing: no such file; Refused: it cannot be read or is a folder.
    virtual OpenedForReading open_for_reading(const std::string& name) = 0;
    // Created when absent, emptied when present; null when refused. One for
    // this run is locked before it is emptied, and refused when another run
    // holds it.
    virtual std::unique_ptr<OpenFile> open_for_writing(const std::string& name, bool for_this_run) = 0;
    // The identity of the file a name leads to, links followed; nullopt when none.
    virtual std::optional<FileIdentity> identify(const std::string& name) = 0;
    // The name as the fatal line shows it.
    virtual std::string full_path(std::string_view name) = 0;
    // False for a name that would not be taken as an ordinary file to write.
    virtual bool names_ordinary_file(std::string_view name) = 0;
    // The whole file written at once: no reader sees it half written, and a
    // failure leaves the earlier file as it was (whole_file_write.hpp).
    virtual WholeFileOutcome replace_whole_file(const std::string& name, std::string_view bytes) = 0;
    // The pause's command, run where the run's files are.
    virtual void run_command(const std::string& command) = 0;
    // Later relative names are taken from `folder` (itself taken as a name is).
    virtual bool enter_folder(const std::string& folder) = 0;
    // The console's standard streams, which the console host's run shares
    // with its process; never closed by the run.
    virtual std::unique_ptr<OpenFile> console(ConsoleStream stream) = 0;
};

}  // namespace sferonda
