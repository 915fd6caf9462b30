#pragma once
// Building the input files of a run, and the console lines a case echoes,
// for tests that run the real program.

#include <string>
#include <string_view>

#include "tests/support/scratch.hpp"

namespace sferonda::testing {

// The two-bead model used throughout: beads of radius 1 at (0,0,0) and
// (4,0,0), one connector of radius 0.5, every color 2.
extern const char* const TWO_BEAD_COORDINATES;
extern const char* const TWO_BEAD_COLORS;

// Writes "model.dat" and "model.col" with the two-bead model.
void write_two_bead_model(const ScratchDirectory& scratch);

// `text` blank-padded (or cut) to the 30 characters of a name.
std::string padded_name(std::string_view text);

// The nine console lines written before each case, with LF line ends.
std::string case_banner(int display_type, std::string_view coordinates_file, std::string_view colors_file,
                        std::string_view output_name);

extern const char* const PROMPT_LINE;
extern const char* const FINAL_LINE;
extern const char* const PAUSE_LINE;

}  // namespace sferonda::testing
