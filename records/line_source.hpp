#pragma once
// Lines of an input file, read through a block buffer, or of a text held
// in memory. The free-form reader asks for one line at a time. A UTF-8 byte
// order mark at the start is passed over; UTF-16 text is refused
// (text_start.hpp).

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace sferonda {

class OpenFile;
class Units;

class LineSource {
public:
    // Bytes read from the file at a time; a line may be longer.
    static constexpr std::size_t BLOCK_SIZE = 64 * 1024;
    // Most bytes of one line held at a time: a longer line is served as a
    // window on it that moves on (extend_line), so that no line, however
    // long, is held whole.
    static constexpr std::size_t LINE_WINDOW = 1024 * 1024;
    // Bytes that may be read, never used, past the end of whole_lines(), so
    // that a scan may take eight bytes at a time without a bound to test.
    static constexpr std::size_t READ_AHEAD = 8;

    // Reads from the open `file` (not closed here); `unit` names it in the
    // errors, which end the run of `units`.
    LineSource(Units& units, OpenFile& file, int unit);
    // Serves the lines of `text` itself.
    LineSource(Units& units, std::string text, int unit);

    // The next line without its line feed, or its first LINE_WINDOW bytes or
    // so when it goes on (continues()); a carriage return before the line
    // feed is left in place. The rest of a line that went on is passed over
    // first. False at the end of the source. The view stays valid until the
    // next call.
    bool next_line(std::string_view& line) {
        // The common case, a whole line in the buffer, without a call.
        if (continues_) return next_line_across_blocks(line);
        const char* start = buffer_.data() + begin_;
        const void* found = begin_ == end_ ? nullptr : std::memchr(start, '\n', end_ - begin_);
        if (found == nullptr) return next_line_across_blocks(line);
        const std::size_t length = static_cast<std::size_t>(static_cast<const char*>(found) - start);
        line = std::string_view(start, length);
        begin_ += length + 1;
        return true;
    }

    // The whole lines buffered from the read position on, each with its line
    // feed, after reading on when none is buffered; empty at the end of the
    // source, or when the next line has no line feed or outgrows the block
    // (next_line serves those). Valid until the next call that reads.
    std::string_view whole_lines();
    // Passes over the first `count` bytes of whole_lines().
    void skip(std::size_t count) { begin_ += count; }

    // True when the line last served goes on beyond it.
    bool continues() const { return continues_; }
    // Moves the window of a line that goes on: `line` becomes its bytes from
    // `keep_from` on, followed by as many more of the line as the window holds.
    void extend_line(std::string_view& line, std::size_t keep_from);

    // Back to the first line.
    void rewind();

private:
    std::size_t capacity() const { return buffer_.size() - READ_AHEAD; }
    bool next_line_across_blocks(std::string_view& line);
    bool gather_line(std::string_view& line);
    void skip_rest_of_line();
    void refill();
    void read_block();
    void look_at_start();
    bool take_buffered_line(std::string_view& line);

    Units& units_;
    OpenFile* file_;  // null for a text held in memory
    int unit_;
    bool from_memory_;
    bool at_end_ = false;
    bool at_start_ = true;  // the first bytes are still to be looked at
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // first unread byte in buffer_
    std::size_t end_ = 0;    // one past the last valid byte in buffer_
    std::string long_line_;  // a line that outgrew the buffer, or the window on a longer one
    bool continues_ = false;  // the line served goes on beyond long_line_
};

}  // namespace sferonda
