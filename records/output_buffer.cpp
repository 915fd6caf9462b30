#include "records/output_buffer.hpp"

#include <cerrno>
#include <unistd.h>

#include "records/fatal_error.hpp"

namespace sferonda {

namespace {
constexpr std::size_t BLOCK_SIZE = 64 * 1024;
}

OutputBuffer::OutputBuffer(int fd, int unit, bool console)
    : fd_(fd), unit_(unit), console_(console), buffer_(BLOCK_SIZE) {}

char* OutputBuffer::grab_after_flush(std::size_t count) {
    flush();
    if (count > buffer_.size()) buffer_.resize(count);
    used_ = count;
    return buffer_.data();
}

void OutputBuffer::flush() {
    if (!try_flush()) fatal_io_error(IoError::WriteFailure, unit_);
}

bool OutputBuffer::try_flush() {
    std::size_t pending = used_;
    // What cannot be written is dropped, so that a failing unit is reported once.
    used_ = 0;
    if (capturing_) {
        captured_.append(buffer_.data(), pending);
        return true;
    }
    std::size_t done = 0;
    while (done < pending) {
        ssize_t count = ::write(fd_, buffer_.data() + done, pending - done);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return false;
        done += static_cast<std::size_t>(count);
    }
    return true;
}

std::string OutputBuffer::take_captured() {
    try_flush();
    std::string text;
    text.swap(captured_);
    return text;
}

}  // namespace sferonda
