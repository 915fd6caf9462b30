// Bead centres formatted once: each bead's three E13.5 fields, by bead and axis.

#include "writers/centre_fields.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "records/layout.hpp"
#include "records/record_write.hpp"
#include "records/units.hpp"

namespace sferonda {
namespace {

TEST(CentreFields, EachBeadAndAxisHasItsOwnColumns) {
    // Entry 0 is never used: beads are numbered from 1.
    const std::array<float, 4> x{99.0f, 1.5f, -0.25f, 0.0f};
    const std::array<float, 4> y{99.0f, 123456.0f, 2.0f, -0.0f};
    const std::array<float, 4> z{99.0f, 1e-3f, 7.0f, 1e20f};
    const CentreFields centres(3, x, y, z);
    EXPECT_EQ(centres.x(1).columns, "  0.15000E+01");
    EXPECT_EQ(centres.y(1).columns, "  0.12346E+06");
    EXPECT_EQ(centres.z(1).columns, "  0.10000E-02");
    EXPECT_EQ(centres.x(2).columns, " -0.25000E+00");
    EXPECT_EQ(centres.y(2).columns, "  0.20000E+01");
    EXPECT_EQ(centres.z(2).columns, "  0.70000E+01");
    EXPECT_EQ(centres.x(3).columns, "  0.00000E+00");
    EXPECT_EQ(centres.y(3).columns, "  0.00000E+00");  // no minus sign on zero
    EXPECT_EQ(centres.z(3).columns, "  0.10000E+21");
}

// A centre's columns are E13.5: copied into a field of any other edit
// descriptor they would not hold what that field's layout says.
TEST(CentreFieldsDeathTest, GoOnlyWhereAnE13_5FieldGoes) {
    const std::array<float, 2> coordinate{0.0f, 1.5f};
    const CentreFields centres(1, coordinate, coordinate, coordinate);
    Units units;
    capture_console_output(units);
    write_formatted(units, CONSOLE_OUTPUT_UNIT, Layout("(E13.5)"), {centres.x(1)});
    for (const char* notation : {"(F13.5)", "(E13.4)", "(E14.5)"}) {
        SCOPED_TRACE(notation);
        EXPECT_DEATH(write_formatted(units, CONSOLE_OUTPUT_UNIT, Layout(notation), {centres.x(1)}), "fits_field");
    }
}

}  // namespace
}  // namespace sferonda
