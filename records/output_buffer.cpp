#include "records/output_buffer.hpp"

#include <new>

#include "records/fatal_error.hpp"
#include "records/file_system.hpp"

namespace sferonda {

namespace {
// Large enough that a scene of many megabytes takes few system calls; the
// input side chooses its own block for its own reasons.
constexpr std::size_t OUTPUT_BLOCK_SIZE = 64 * 1024;
}

OutputBuffer::OutputBuffer(Units& units, OpenFile& file, int unit, bool console)
    : units_(units), file_(&file), unit_(unit), console_(console), buffer_(OUTPUT_BLOCK_SIZE) {}

char* OutputBuffer::grab_after_flush(std::size_t count) {
    flush();
    if (count > buffer_.size()) buffer_.resize(count);
    used_ = count;
    return buffer_.data();
}

void OutputBuffer::flush() {
    if (!try_flush()) fatal_io_error(units_, IoError::WriteFailure, unit_);
}

bool OutputBuffer::try_flush() {
    std::size_t pending = used_;
    if (copying_) copy_.append(buffer_.data() + copy_from_, pending - copy_from_);
    copy_from_ = 0;
    // What cannot be written is dropped, so that a failing unit is reported once.
    used_ = 0;
    if (capturing_) {
        captured_.append(buffer_.data(), pending);
        return true;
    }
    return file_->write(std::string_view(buffer_.data(), pending));
}

std::string OutputBuffer::take_copy() noexcept {
    std::string copy;
    try {
        copy_.append(buffer_.data() + copy_from_, used_ - copy_from_);
        copy.swap(copy_);
    } catch (const std::bad_alloc&) {
        copy_.clear();
    }
    copying_ = false;
    copy_from_ = used_;
    return copy;
}

std::string OutputBuffer::take_captured() {
    try_flush();
    std::string text;
    text.swap(captured_);
    return text;
}

}  // namespace sferonda
