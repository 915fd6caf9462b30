#include "records/text_start.hpp"

#include <string>

#include "records/fatal_error.hpp"
#include "records/record_write.hpp"
#include "records/units.hpp"

namespace sferonda {

void refuse_utf16_text(Units& units, int unit) {
    // One text, so that a long path keeps the record on one line.
    const std::string record = "* File " + std::string(unit_path(units, unit)) +
                               " is UTF-16 text: save it as UTF-8 (in Notepad: Save as, Encoding UTF-8)";
    write_list(units, CONSOLE_OUTPUT_UNIT, {std::string_view(record)});
    fatal_io_error(units, IoError::ConversionError, unit);
}

}  // namespace sferonda
