#pragma once
// Short copies as two fixed-size words that overlap in the middle: for a
// count between one word and two, the two words cover every byte, and two
// fixed-size moves cost less than a call that copies any count.

#include <cassert>
#include <cstddef>
#include <cstring>

namespace sferonda {

// Copies `count` bytes from `from` to `out`, WORD <= count <= 2 * WORD.
template <std::size_t WORD>
[[gnu::always_inline]] inline void copy_overlapping(char* out, const char* from, std::size_t count) {
    assert(count >= WORD && count <= 2 * WORD);
    std::memcpy(out, from, WORD);
    std::memcpy(out + count - WORD, from + count - WORD, WORD);
}

}  // namespace sferonda
