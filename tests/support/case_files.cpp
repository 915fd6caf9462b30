#include "tests/support/case_files.hpp"

#include <cstdio>

namespace sferonda::testing {

const char* const TWO_BEAD_COORDINATES =
    "2\n"
    "1 0.0 0.0 0.0 1.0\n"
    "2 4.0 0.0 0.0 1.0\n"
    "1\n"
    "1 1 2 0.5\n";

const char* const TWO_BEAD_COLORS =
    "2\n"
    "1 2\n"
    "2 2\n"
    "1\n"
    "1 2\n";

const char* const PROMPT_LINE = " Give name of main input file\n";
const char* const FINAL_LINE = " * No more cases. End of execution\n";
const char* const PAUSE_LINE = "Fortran Pause - Enter command<CR> or <CR> to continue.\n";

void write_two_bead_model(const ScratchDirectory& scratch) {
    scratch.write("model.dat", TWO_BEAD_COORDINATES);
    scratch.write("model.col", TWO_BEAD_COLORS);
}

std::string padded_name(std::string_view text) {
    std::string name(text.substr(0, 30));
    name.resize(30, ' ');
    return name;
}

std::string case_banner(int display_type, std::string_view coordinates_file, std::string_view colors_file,
                        std::string_view output_name) {
    char type_field[16];
    std::snprintf(type_field, sizeof type_field, "%12d", display_type);
    return std::string("   \n") + "   \n" + " * Program Sferonda, version 3\n" +
           "      Sferonda project contributors\n" + "      Bead-model scene generator\n" +
           " * Type of display: " + type_field + "\n" +
           " * Name of file with coordinates and connectors: " + padded_name(coordinates_file) + "\n" +
           " * Name of file with colors: " + padded_name(colors_file) + "\n" +
           " * Name of ouput file (without extension): " + padded_name(output_name) + "\n";
}

}  // namespace sferonda::testing
