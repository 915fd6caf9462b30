#include "driver/model_reader.hpp"

#include "driver/dispatcher.hpp"
#include "driver/pause.hpp"
#include "driver/run.hpp"
#include "records/list_read.hpp"
#include "records/numbered_lines.hpp"
#include "records/record_write.hpp"
#include "records/units.hpp"

namespace sferonda {

namespace {

constexpr int CONSOLE = CONSOLE_OUTPUT_UNIT;

constexpr const char* BEADS_WARNING = " *** WARNING subroutine SFERONDA:";
constexpr const char* NUMBER_OF_BEADS = "     Number of beads";
constexpr const char* CONNECTORS_WARNING = " *** WARNING subroutine SFERONDA_1:";
constexpr const char* NUMBER_OF_CONNECTORS = "     Number of connectors";
constexpr const char* BEAD_COLORS_COUNT = "*** ERROR in Sferonda: Numbers of beads";
constexpr const char* CONNECTOR_COLORS_COUNT = "*** ERROR in Sferonda: Numbers of connectors";

// A count over the model's capacity is warned of, and the case abandoned without a pause.
bool within_capacity(Run& run, std::int32_t count, std::int32_t capacity, const char* warning,
                     const char* number_of) {
    if (count <= capacity) return true;
    RefusalLines refusal(run);
    write_list(run, CONSOLE, {warning});
    write_list(run, CONSOLE, {number_of, count, " exceeds dimension", capacity});
    write_list(run, CONSOLE, {"     RETURN (Graphics file not generated)"});
    return false;
}

// The colors file must count what the coordinates file counts.
bool equal_color_count(Run& run, std::int32_t count, std::int32_t colors_count, const char* numbers_of) {
    if (colors_count == count) return true;
    RefusalLines refusal(run);
    write_list(run, CONSOLE, {numbers_of, " in the two files not equal", count, colors_count});
    return false;
}

// Reads one case's two files into the model. Every step that finds a
// problem reports it and answers false; the case is then abandoned.
class CaseReader {
public:
    CaseReader(Run& run, BeadModel& model, int coordinates_unit, int colors_unit, AfterError after_error)
        : run_(run),
          model_(model),
          coordinates_unit_(coordinates_unit),
          colors_unit_(colors_unit),
          after_error_(after_error) {}

    bool read_coordinates_file() {
        rewind_unit(run_, coordinates_unit_);
        return read_bead_count() && read_beads() && read_connector_count() && read_connectors();
    }

    bool read_colors_file() {
        rewind_unit(run_, colors_unit_);
        return read_bead_colors() && read_connector_colors();
    }

private:
    bool read_bead_count() {
        return read_coordinates({model_.bead_count}) &&
               within_capacity(run_, model_.bead_count, MAX_BEADS, BEADS_WARNING, NUMBER_OF_BEADS);
    }

    bool read_beads() {
        return read_indexed_lines(
            model_.bead_count,
            [this](std::int32_t first) {
                return read_numbered_lines(run_, coordinates_unit_, first, model_.bead_count, model_.bead_x.data(),
                                           model_.bead_y.data(), model_.bead_z.data(), model_.bead_radius.data());
            },
            [this](std::int32_t i) {
                return read_coordinates({index_, model_.bead_x[i], model_.bead_y[i], model_.bead_z[i],
                                         model_.bead_radius[i]});
            },
            "ERROR in Sferonda when reading coordinates of bead", "Found line with bead index");
    }

    bool read_connector_count() {
        return read_coordinates({model_.connector_count}) &&
               within_capacity(run_, model_.connector_count, MAX_CONNECTORS, CONNECTORS_WARNING,
                               NUMBER_OF_CONNECTORS);
    }

    bool read_connectors() {
        return read_indexed_lines(
            model_.connector_count,
            [this](std::int32_t first) {
                return read_numbered_lines(run_, coordinates_unit_, first, model_.connector_count,
                                           model_.connector_first.data(), model_.connector_second.data(),
                                           model_.connector_radius.data());
            },
            [this](std::int32_t j) {
                return read_coordinates({index_, model_.connector_first[j], model_.connector_second[j],
                                         model_.connector_radius[j]});
            },
            "ERROR in Sferonda when reading data of connector ", "Found line with connector index");
    }

    bool read_bead_colors() {
        return read_color_count(model_.bead_count, BEAD_COLORS_COUNT) &&
               read_indexed_lines(
                   model_.bead_count,
                   [this](std::int32_t first) {
                       return read_numbered_lines(run_, colors_unit_, first, model_.bead_count,
                                                  model_.bead_color.data());
                   },
                   [this](std::int32_t i) { return read_colors({index_, model_.bead_color[i]}); },
                   "ERROR in Sferonda when reading color of bead ", "Found line with bead index");
    }

    bool read_connector_colors() {
        // The missing blank in "Sferondawhen" is the message's historical form: keep it.
        return read_color_count(model_.connector_count, CONNECTOR_COLORS_COUNT) &&
               read_indexed_lines(
                   model_.connector_count,
                   [this](std::int32_t first) {
                       return read_numbered_lines(run_, colors_unit_, first, model_.connector_count,
                                                  model_.connector_color.data());
                   },
                   [this](std::int32_t j) { return read_colors({index_, model_.connector_color[j]}); },
                   "ERROR in Sferondawhen reading color of connector ", "Found line with connector index");
    }

    // The colors file's count must be the coordinates file's `count`.
    bool read_color_count(std::int32_t count, const char* numbers_of) {
        std::int32_t colors_count = 0;
        if (!read_colors({colors_count})) return false;
        return equal_color_count(run_, count, colors_count, numbers_of) || error_pause();
    }

    bool read_coordinates(std::initializer_list<ReadTarget> targets) {
        if (read_list(run_, coordinates_unit_, targets)) return true;
        refuse({"ERROR in Sferonda: End of file while reading ", "coordinates file"});
        return error_pause();
    }

    bool read_colors(std::initializer_list<ReadTarget> targets) {
        if (read_list(run_, colors_unit_, targets)) return true;
        refuse({"ERROR in Sferonda: End of file while reading ", "colors file"});
        return error_pause();
    }

    // Reads lines 1..count, each starting with its running index: as many as
    // it can at a time with `read_in_bulk` (which answers the first line it
    // did not read), any other with `read_line`, which answers false when
    // its file ended. A line whose index is not its number is reported with
    // `where` and `found_text`.
    template <class ReadInBulk, class ReadLine>
    bool read_indexed_lines(std::int32_t count, ReadInBulk read_in_bulk, ReadLine read_line, const char* where,
                            const char* found_text) {
        for (std::int32_t n = 1; n <= count; ++n) {
            const std::int32_t not_read = read_in_bulk(n);
            if (not_read > n) {
                index_ = not_read - 1;
                n = not_read;
                if (n > count) break;
            }
            if (!read_line(n)) return false;
            if (index_ != n) return index_error({where, n}, found_text);
        }
        return true;
    }

    bool index_error(std::initializer_list<Value> where, const char* found_text) {
        {
            RefusalLines refusal(run_);
            write_list(run_, CONSOLE, where);
            write_list(run_, CONSOLE, {found_text, index_});
        }
        return error_pause();
    }

    // The pause that may follow is no part of the refusal.
    void refuse(std::initializer_list<Value> line) {
        RefusalLines refusal(run_);
        write_list(run_, CONSOLE, line);
    }

    bool error_pause() const {
        if (after_error_ == AfterError::Pause) PAUSE(run_);
        return false;
    }

    Run& run_;
    BeadModel& model_;
    int coordinates_unit_;
    int colors_unit_;
    AfterError after_error_;
    // The running index read from each line; a null value on a line keeps
    // the index of the line before.
    std::int32_t index_ = 0;
};

}  // namespace

bool read_bead_model(Run& run, BeadModel& model, int coordinates_unit, int colors_unit, AfterError after_error) {
    CaseReader reader(run, model, coordinates_unit, colors_unit, after_error);
    return reader.read_coordinates_file() && reader.read_colors_file();
}

bool accept_model_counts(Run& run, const ModelCounts& counts) {
    return within_capacity(run, counts.beads, MAX_BEADS, BEADS_WARNING, NUMBER_OF_BEADS) &&
           within_capacity(run, counts.connectors, MAX_CONNECTORS, CONNECTORS_WARNING, NUMBER_OF_CONNECTORS) &&
           equal_color_count(run, counts.beads, counts.bead_colors, BEAD_COLORS_COUNT) &&
           equal_color_count(run, counts.connectors, counts.connector_colors, CONNECTOR_COLORS_COUNT);
}

void SFERONDA(Run& run, std::int32_t display_type, int coordinates_unit, int colors_unit, int log_unit,
              int output_unit, const Name& output_name) {
    BeadModel& model = run.model;
    if (!read_bead_model(run, model, coordinates_unit, colors_unit, AfterError::Pause)) return;
    BUILDSFERONDA(run, display_type, model, log_unit, output_unit, output_name);
}

}  // namespace sferonda
