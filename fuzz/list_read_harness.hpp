#pragma once
// Free-form reads of arbitrary bytes, shared by the fuzz target and the
// regression test that replays its findings.
//
// Input: byte 0 chooses how to read (bits 0-2: targets per read, less one;
// bit 3: reads without an end-of-file branch; bit 4: through a file on disk
// rather than a text in memory); bytes 1 and 2 give the kind of each target,
// two bits each (integer, real, text, text), the kinds turning by one place
// from each read to the next; the remaining bytes are the text read. Reads go
// on until the text ends or a fatal error, then the unit is rewound and read
// once more. No real may ever be read as infinity or not a number.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <string>

#include "fuzz/harness_scratch.hpp"
#include "records/list_read.hpp"
#include "records/run_end.hpp"
#include "records/units.hpp"

namespace sferonda::fuzzing {

constexpr int LIST_READ_UNIT = 4;
constexpr int MAX_LIST_TARGETS = 8;
constexpr std::size_t LIST_READ_HEADER = 3;

struct ListReadOutcome {
    int status = 0;        // 0, or the number of the fatal error that ended the reads
    bool fails_at_end = false;  // the reads had no end-of-file branch
    int reads = 0;
    bool non_finite_real = false;  // a real read as infinity or not a number
};

// The fatal errors a free-form read may end with; end of file only without a branch.
inline bool is_expected_outcome(const ListReadOutcome& outcome) {
    if (outcome.non_finite_real) return false;
    switch (outcome.status) {
        case 0: return true;
        case 24: return outcome.fails_at_end;
        case 59: case 64: return true;
        default: return false;
    }
}

struct ListReadVariables {
    std::int32_t integers[MAX_LIST_TARGETS]{};
    float reals[MAX_LIST_TARGETS]{};
    Name texts[MAX_LIST_TARGETS]{};
};

inline ReadTarget list_target(ListReadVariables& variables, int kind, int k) {
    switch (kind) {
        case 0: return ReadTarget(variables.integers[k]);
        case 1: return ReadTarget(variables.reals[k]);
        default: return ReadTarget(variables.texts[k]);
    }
}

// One read of `count` targets; false at the end of the text.
inline bool read_targets(Units& units, bool fails_at_end, const ReadTarget* t, int count) {
    auto read = [&units, fails_at_end](std::initializer_list<ReadTarget> targets) {
        if (!fails_at_end) return read_list(units, LIST_READ_UNIT, targets);
        read_list_or_fail(units, LIST_READ_UNIT, targets);
        return true;
    };
    switch (count) {
        case 1: return read({t[0]});
        case 2: return read({t[0], t[1]});
        case 3: return read({t[0], t[1], t[2]});
        case 4: return read({t[0], t[1], t[2], t[3]});
        case 5: return read({t[0], t[1], t[2], t[3], t[4]});
        case 6: return read({t[0], t[1], t[2], t[3], t[4], t[5]});
        case 7: return read({t[0], t[1], t[2], t[3], t[4], t[5], t[6]});
        default: return read({t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7]});
    }
}

inline void serve_list_read_text(Units& units, const std::uint8_t* text, std::size_t size, bool through_file) {
    std::string content(reinterpret_cast<const char*>(text), size);
    if (!through_file) {
        attach_input_text(units, LIST_READ_UNIT, std::move(content), "fuzz-input");
        return;
    }
    const std::string path = harness_scratch().file("input");
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
    open_old(units, LIST_READ_UNIT, path);
}

inline ListReadOutcome run_list_read_input(const std::uint8_t* data, std::size_t size) {
    ListReadOutcome outcome;
    if (size < LIST_READ_HEADER) return outcome;
    const int count = (data[0] & 7) + 1;
    outcome.fails_at_end = (data[0] & 8) != 0;
    const bool through_file = (data[0] & 16) != 0;
    const unsigned kinds = data[1] | (unsigned(data[2]) << 8);

    ListReadVariables variables;
    ReadTarget targets[MAX_LIST_TARGETS] = {
        variables.integers[0], variables.integers[1], variables.integers[2], variables.integers[3],
        variables.integers[4], variables.integers[5], variables.integers[6], variables.integers[7]};
    Units units;
    try {
        serve_list_read_text(units, data + LIST_READ_HEADER, size - LIST_READ_HEADER, through_file);
        auto next_read = [&] {
            for (int k = 0; k < count; ++k) {
                const int place = (k + outcome.reads) % count;
                targets[k] = list_target(variables, (kinds >> (2 * place)) & 3, k);
            }
            ++outcome.reads;
            const bool read = read_targets(units, outcome.fails_at_end, targets, count);
            for (float real : variables.reals) outcome.non_finite_real |= !std::isfinite(real);
            return read;
        };
        while (next_read()) {
        }
        rewind_unit(units, LIST_READ_UNIT);
        (void)next_read();
    } catch (const RunEnded& ended) {
        outcome.status = ended.status;
    }
    return outcome;
}

}  // namespace sferonda::fuzzing
