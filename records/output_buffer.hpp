#pragma once
// Buffered record output to a file or to the console. Records are built in
// place in the buffer and written out in large blocks; every failed write is
// the fatal write error of the unit.

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.hpp"
#include "platform/line_end.hpp"

namespace sferonda {

class OpenFile;
class Units;

class OutputBuffer {
public:
    // Writes to `file` (not closed here). The console ends lines as the
    // system's text files do (a line feed, CR LF on Windows) and holds
    // free-form lines of 79 characters; files end lines with carriage return
    // and line feed and hold 80.
    // A failed write ends the run of `units`.
    OutputBuffer(Units& units, OpenFile& file, int unit, bool console);

    // `count` contiguous bytes to be filled by the caller, appended to the record.
    char* grab(std::size_t count) {
        if (count > buffer_.size() - used_) return grab_after_flush(count);
        char* place = buffer_.data() + used_;
        used_ += count;
        return place;
    }
    void append(std::string_view text) {
        if (!text.empty()) std::memcpy(grab(text.size()), text.data(), text.size());
    }
    void append_blanks(std::size_t count) { std::memset(grab(count), ' ', count); }
    LineEnd line_end() const { return console_ ? console_line_end() : LineEnd::CrLf; }
    void end_line() {
        if (line_end() == LineEnd::Lf) {
            *grab(1) = '\n';
        } else {
            char* place = grab(2);
            place[0] = '\r';
            place[1] = '\n';
        }
    }

    // Writes out what is buffered; fatal write error on failure.
    void flush();
    // Writes out what is buffered; false on failure, reporting nothing.
    bool try_flush();

    int free_form_line_limit() const { return console_ ? 79 : 80; }

    // From now on writes to `file` instead, what is buffered included: the
    // console moves to standard error when standard output carries a file.
    void write_to(OpenFile& file) { file_ = &file; }

    // Keeps a copy of what is written from now on until taken.
    void start_copy() {
        copying_ = true;
        copy_from_ = used_;
    }
    // Stops copying; noexcept, as it may be taken while a run ends.
    std::string take_copy() noexcept;

    // Instead of writing, keep everything in memory (tests and harnesses).
    void capture_in_memory() { capturing_ = true; }
    std::string take_captured();

private:
    char* grab_after_flush(std::size_t count);

    Units& units_;
    OpenFile* file_;
    int unit_;
    bool console_;
    bool capturing_ = false;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    std::string captured_;
    bool copying_ = false;
    std::size_t copy_from_ = 0;  // where the copy goes on in buffer_
    std::string copy_;
};

}  // namespace sferonda
