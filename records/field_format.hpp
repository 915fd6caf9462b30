#pragma once
// Formatting of single fixed-width fields. Each function writes exactly
// `width` characters at `out` (no terminator) and allocates nothing.
// Reals are rounded once from the exact binary value of the float,
// ties to even; a value too wide for its field becomes `width` asterisks.
// A real that rounds to zero is written without a minus sign. In real fields
// a NaN is " NaN" blank-filled ("NaN" in three columns, asterisks in fewer)
// and an infinity " Infinity" or " -Infinity" cut or blank-filled to the width.
// Numeric fields are at most 64 columns wide.

#include <cstdint>
#include <string_view>

namespace sferonda {

// Aw: a shorter text is right-aligned, a longer one keeps its first `width` characters.
void format_text_field(char* out, int width, std::string_view text);

// Iw and Iw.m (`min_digits` 0 or 1 for plain Iw): digits without leading
// zeros beyond `min_digits`, "-" for negatives, right-aligned.
void format_integer_field(char* out, int width, int min_digits, std::int32_t value);

// Fw.d: fixed point with `decimals` digits after the point; the "0" before
// the point of a value below one is dropped when only it would not fit.
void format_fixed_field(char* out, int width, int decimals, float value);

// Ew.d: 0.d1..dd E+ee with `digits` significant digits; zero has exponent +00.
void format_exponent_field(char* out, int width, int digits, float value);

}  // namespace sferonda
