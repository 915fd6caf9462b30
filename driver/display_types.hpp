#pragma once
// The display types: for each, its file-name extension, its log label, what
// the dispatcher prepares for its writer, and the writer.

#include <cstdint>
#include <string_view>

#include "driver/bead_model.hpp"
#include "records/text.hpp"

namespace sferonda {

struct Run;

// What the dispatcher hands a writer besides the model.
struct PreparedCase {
    Name output_file_name;
    float first_radius = 0.0f;          // pseudo-PDB: every bead's size
    std::int32_t first_bead_color = 0;  // wormlike scene: the sweep's color
};

struct DisplayType {
    std::string_view extension;
    std::string_view log_label;
    // Checks and copies what the writer takes apart from the model; may stop the run.
    void (*prepare)(Run& run, const BeadModel& model, PreparedCase& prepared);
    // Writes the graphics file; false when the file was left unfinished.
    bool (*write)(Run& run, const BeadModel& model, const PreparedCase& prepared, int output_unit);
};

constexpr int DISPLAY_TYPE_COUNT = 6;

// Indexed by display type 1..6; entry 0 is not a display type and has no writer.
extern const DisplayType DISPLAY_TYPES[DISPLAY_TYPE_COUNT + 1];

inline bool is_valid_display_type(std::int32_t display_type) {
    return display_type >= 1 && display_type <= DISPLAY_TYPE_COUNT;
}

}  // namespace sferonda
