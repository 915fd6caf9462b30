#include "writers/vrml_writer.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "driver/run.hpp"
#include "geometry/arc_cosine.hpp"
#include "geometry/vrml_frame.hpp"
#include "records/layout.hpp"
#include "records/record_write.hpp"
#include "records/units.hpp"
#include "writers/centre_fields.hpp"
#include "writers/color_table.hpp"
#include "writers/model_checks.hpp"
#include "writers/vrml_colors.hpp"

namespace sferonda {

namespace {

// "{ diffuseColor r g b }" with each component written "1.0" or "0.0",
// blank-padded like every color text.
constexpr ColorText material_text(const RgbColor& color) {
    ColorText text = padded_color_text("");
    std::string_view pieces[] = {"{ diffuseColor ", color.red == 1.0f ? "1.0" : "0.0", " ",
                                 color.green == 1.0f ? "1.0" : "0.0", " ",
                                 color.blue == 1.0f ? "1.0" : "0.0", " }"};
    auto at = text.begin();
    for (std::string_view piece : pieces) at = std::copy(piece.begin(), piece.end(), at);
    return text;
}

constexpr bool components_are_zero_or_one() {
    for (const RgbColor& color : VRML_RGB) {
        for (float component : {color.red, color.green, color.blue}) {
            if (component != 0.0f && component != 1.0f) return false;
        }
    }
    return true;
}
static_assert(components_are_zero_or_one(), "the material texts write each component as 1.0 or 0.0");

// Entries 1 (white) to 7 (cyan), from the colors every VRML-colored writer shares.
constexpr std::array<ColorText, VRML_COLOR_COUNT + 1> material_texts() {
    std::array<ColorText, VRML_COLOR_COUNT + 1> texts{};
    for (int color = 1; color <= VRML_COLOR_COUNT; ++color) texts[color] = material_text(VRML_RGB[color]);
    return texts;
}

constexpr std::array<ColorText, VRML_COLOR_COUNT + 1> vrml_colors = material_texts();

std::string_view vrml_color(std::int32_t color_index) { return color_text(vrml_colors, color_index); }

// How a cylinder standing on its origin along +y is turned, lifted and
// sized to run from one bead centre to the other.
struct ConnectorPlacement {
    float axis_x = 0.0f, axis_y = 0.0f, axis_z = 0.0f, angle = 0.0f;
    float length = 0.0f;
};

// The float nearest to pi, and how near to it a connector's angle with +y
// counts as pointing straight down.
constexpr float PI = 3.1415927f;
constexpr float DOWNWARD_TOLERANCE = 0.001f;

ConnectorPlacement place_connector(const VrmlFrame& frame, std::int32_t first, std::int32_t second) {
    const float dx = frame.framed_x[second] - frame.framed_x[first];
    const float dy = frame.framed_y[second] - frame.framed_y[first];
    const float dz = frame.framed_z[second] - frame.framed_z[first];
    // Squares summed in double cannot underflow, and the rounded length is
    // never below |dy|, so the cosine below stays within [-1, 1].
    const float length = static_cast<float>(
        std::sqrt(double(dx) * double(dx) + double(dy) * double(dy) + double(dz) * double(dz)));

    ConnectorPlacement placement;
    // Two beads on one centre: a cylinder of height 0 along +y, unturned.
    if (length == 0.0f) return placement;

    const float ux = dx / length;
    const float uy = dy / length;
    const float uz = dz / length;
    placement.length = length;
    placement.angle = arc_cosine(uy);
    if (std::fabs(placement.angle - PI) < DOWNWARD_TOLERANCE) {
        // Pointing down: the cross product with +y vanishes, any level axis does.
        placement.axis_x = 1.0f;
    } else {
        placement.axis_x = uz;
        placement.axis_z = -ux;
    }
    return placement;
}

// Every rotation, lift and height as the connector records would write them
// lies within the float range: two framed centres far apart can make a
// length beyond it, and with it an axis that is not a number.
bool connectors_placeable(const BeadModel& model, const VrmlFrame& frame) {
    for (std::int32_t k = 1; k <= model.connector_count; ++k) {
        const ConnectorPlacement p = place_connector(frame, model.connector_first[k], model.connector_second[k]);
        for (float value : {p.axis_x, p.axis_y, p.axis_z, p.angle, p.length, p.length * 0.5f})
            if (!std::isfinite(value)) return false;
    }
    return true;
}

void write_bead(Run& run, int unit, const BeadModel& model, const VrmlFrame& frame, const CentreFields& centres,
                std::int32_t i) {
    // line 2: 1-14 "  translation "  15-27 E13.5 x  28 blank  29-41 E13.5 y  42 blank  43-55 E13.5 z
    // line 5: 1-31 "      geometry Sphere { radius "  32-44 E13.5 radius  45-46 " }"
    // line 6: 1-47 "      appearance Appearance { material Material"  48-197 A150 material
    //         198-199 " }"
    // the other lines are fixed texts
    static const Layout bead(
        "'Transform {'/"
        "'  translation ',E13.5,' ',E13.5,' ',E13.5/"
        "'  children ['/"
        "'    Shape {'/"
        "'      geometry Sphere { radius ',E13.5,' }'/"
        "'      appearance Appearance { material Material',A150,' }'/"
        "'    }'/"
        "'  ]'/"
        "'}'");
    write_formatted(run, unit, bead,
                    {centres.x(i), centres.y(i), centres.z(i), frame.framed_radius[i],
                     vrml_color(model.bead_color[i])});
}

void write_connector(Run& run, int unit, const BeadModel& model, const VrmlFrame& frame, const CentreFields& centres,
                     std::int32_t k) {
    // line 2: 1-13 "  translation"  14-26 E13.5 x  27 blank  28-40 E13.5 y  41 blank  42-54 E13.5 z
    //         of the first bead
    // line 5: 1-14 "      rotation"  15-27 E13.5 axis x  28 blank  29-41 E13.5 axis y  42 blank
    //         43-55 E13.5 axis z  56 blank  57-69 E13.5 angle
    // line 8: 1-24 "        translation 0.0 "  25-37 E13.5 half length  38-41 " 0.0"
    // line 11: 1-39 "            geometry Cylinder { radius "  40-52 E13.5 radius
    //          53-60 " height "  61-73 E13.5 length  74-75 " }"
    // line 12: 1-53 "            appearance Appearance { material Material"  54-203 A150 material
    //          204-205 " }"
    // the other lines are fixed texts
    static const Layout connector(
        "'Transform {'/"
        "'  translation',E13.5,' ',E13.5,' ',E13.5/"
        "'  children ['/"
        "'    Transform {'/"
        "'      rotation',E13.5,' ',E13.5,' ',E13.5,' ',E13.5/"
        "'      children ['/"
        "'        Transform {'/"
        "'        translation 0.0 ',E13.5,' 0.0'/"
        "'        children ['/"
        "'          Shape {'/"
        "'            geometry Cylinder { radius ',E13.5,' height ',E13.5,' }'/"
        "'            appearance Appearance { material Material',A150,' }'/"
        "'            }'/"
        "'          ]'/"
        "'        }'/"
        "'      ]'/"
        "'    }'/"
        "'  ]'/"
        "'}'");
    const std::int32_t first = model.connector_first[k];
    const ConnectorPlacement placement = place_connector(frame, first, model.connector_second[k]);
    write_formatted(run, unit, connector,
                    {centres.x(first), centres.y(first), centres.z(first),
                     placement.axis_x, placement.axis_y, placement.axis_z, placement.angle,
                     placement.length * 0.5f, frame.framed_connector_radius[k], placement.length,
                     vrml_color(model.connector_color[k])});
}

}  // namespace

bool MODVRML(Run& run, const BeadModel& model, int output_unit, const Name& output_file_name) {
    open_unknown(run, output_unit, trimmed(output_file_name));
    check_connector_beads(run, model);
    check_vrml_colors(run, model);

    VrmlFrame frame;
    if (!VRMLFRAME(model, frame) || !connectors_placeable(model, frame)) {
        refuse_unframeable_model(run, output_unit);
        return false;
    }

    write_text_record(run, output_unit, "#VRML V2.0 utf8");
    const CentreFields centres(model.bead_count, frame.framed_x, frame.framed_y, frame.framed_z);
    for (std::int32_t i = 1; i <= model.bead_count; ++i) write_bead(run, output_unit, model, frame, centres, i);
    for (std::int32_t k = 1; k <= model.connector_count; ++k) {
        write_connector(run, output_unit, model, frame, centres, k);
    }
    close_unit(run, output_unit);
    return true;
}

}  // namespace sferonda
