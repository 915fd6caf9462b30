#include "driver/folder_run.hpp"

#include "driver/case_driver.hpp"
#include "driver/hosted_run.hpp"
#include "records/recording_file_system.hpp"
#include "records/system_file_system.hpp"

namespace sferonda {

namespace {

// The whole file as it is now; empty when it cannot be read.
std::string bytes_of(FileSystem& files, const std::string& name) {
    std::string bytes;
    OpenedForReading opened = files.open_for_reading(name);
    if (!opened.file) return bytes;
    char block[65536];
    for (std::ptrdiff_t got; (got = opened.file->read(block, sizeof block)) > 0;) bytes.append(block, got);
    opened.file->close();
    return bytes;
}

}  // namespace

MemoryRunResult run_batch_in_folder(const std::string& folder, std::string_view main_input_name) {
    SystemFileSystem system(folder);
    RecordingFileSystem files(system);
    MemoryRunResult result = run_hosted(files, std::string(main_input_name) + "\n", [](Run& run) {
        run_cases(run);
        close_all_units(run);
        return 0;
    });
    for (const std::string& name : files.written()) result.files.push_back({name, bytes_of(system, name)});
    return result;
}

}  // namespace sferonda
