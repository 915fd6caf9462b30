#include "records/line_source.hpp"

#include <cerrno>
#include <cstring>

#include "records/fatal_error.hpp"
#include "records/file_system.hpp"
#include "records/text_start.hpp"

namespace sferonda {

LineSource::LineSource(Units& units, OpenFile& file, int unit)
    : units_(units), file_(&file), unit_(unit), from_memory_(false), buffer_(BLOCK_SIZE + READ_AHEAD) {}

// The text is held as a file's blocks are, but served only by refill(),
// which looks at its start as at a file's.
LineSource::LineSource(Units& units, std::string text, int unit)
    : units_(units), file_(nullptr), unit_(unit), from_memory_(true), buffer_(text.begin(), text.end()) {
    buffer_.resize(buffer_.size() + READ_AHEAD);
}

bool LineSource::next_line_across_blocks(std::string_view& line) {
    if (continues_) skip_rest_of_line();
    long_line_.clear();
    return gather_line(line);
}

// Gathers the line from the read position on after what long_line_ holds,
// to its line feed or until the window is full.
bool LineSource::gather_line(std::string_view& line) {
    for (;;) {
        if (take_buffered_line(line)) return true;
        if (long_line_.size() >= LINE_WINDOW) {
            continues_ = true;
            line = long_line_;
            return true;
        }
        if (at_end_) {
            if (begin_ == end_ && long_line_.empty()) return false;
            // The last line of a file that does not end with a line feed.
            long_line_.append(buffer_.data() + begin_, end_ - begin_);
            begin_ = end_;
            line = long_line_;
            return true;
        }
        refill();
    }
}

void LineSource::extend_line(std::string_view& line, std::size_t keep_from) {
    // A line that goes on is always served from long_line_.
    long_line_.erase(0, keep_from);
    continues_ = false;
    if (!gather_line(line)) line = {};
}

void LineSource::skip_rest_of_line() {
    continues_ = false;
    for (;;) {
        const void* found = begin_ == end_ ? nullptr : std::memchr(buffer_.data() + begin_, '\n', end_ - begin_);
        if (found != nullptr) {
            begin_ = static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data()) + 1;
            return;
        }
        begin_ = end_ = 0;
        if (at_end_) return;
        refill();
    }
}

bool LineSource::take_buffered_line(std::string_view& line) {
    if (begin_ == end_) return false;
    const char* start = buffer_.data() + begin_;
    const void* found = std::memchr(start, '\n', end_ - begin_);
    if (found == nullptr) return false;
    std::size_t length = static_cast<const char*>(found) - start;
    if (long_line_.empty()) {
        line = std::string_view(start, length);
    } else {
        long_line_.append(start, length);
        line = long_line_;
    }
    begin_ += length + 1;
    return true;
}

std::string_view LineSource::whole_lines() {
    // The rest of a line that goes on is for next_line to pass over.
    if (continues_) return {};
    for (;;) {
        const char* start = buffer_.data() + begin_;
        const std::string_view held(start, end_ - begin_);
        const std::size_t last = held.rfind('\n');
        if (last != std::string_view::npos) return held.substr(0, last + 1);
        const bool block_full = begin_ == 0 && end_ == capacity();
        if (at_end_ || block_full) return {};
        refill();
    }
}

void LineSource::refill() {
    if (from_memory_) {
        end_ = capacity();
        at_end_ = true;
    } else {
        read_block();
    }
    if (at_start_) look_at_start();
}

void LineSource::look_at_start() {
    switch (text_start(std::string_view(buffer_.data() + begin_, end_ - begin_), at_end_)) {
        case TextStart::Undecided: return;  // the callers read on
        case TextStart::Plain: break;
        case TextStart::Utf8Mark: begin_ += UTF8_MARK.size(); break;
        case TextStart::Utf16: refuse_utf16_text(units_, unit_);
    }
    at_start_ = false;
}

void LineSource::read_block() {
    if (begin_ == 0 && end_ == capacity()) {
        // A line longer than the block: keep its head aside and read on.
        long_line_.append(buffer_.data(), end_);
        end_ = 0;
    } else if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    for (;;) {
        const std::ptrdiff_t count = file_->read(buffer_.data() + end_, capacity() - end_);
        if (count > 0) {
            end_ += static_cast<std::size_t>(count);
            return;
        }
        if (count == 0) {
            at_end_ = true;
            return;
        }
        if (errno != EINTR) fatal_io_error(units_, IoError::ReadFailure, unit_);
    }
}

void LineSource::rewind() {
    long_line_.clear();
    continues_ = false;
    begin_ = end_ = 0;
    at_end_ = false;
    at_start_ = true;
    if (!from_memory_ && !file_->rewind()) fatal_io_error(units_, IoError::ReadFailure, unit_);
}

}  // namespace sferonda
