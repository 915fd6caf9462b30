#pragma once
// The arc cosine of a float, the same bits on every system: the C libraries
// differ in the last bit of acosf (MinGW's rounds the double arc cosine,
// glibc's evaluates in float), and a VRML rotation printed to five digits
// can show it.

namespace sferonda {

// acos(x), bit for bit what glibc's acosf returns; not a number outside [-1, 1].
float arc_cosine(float x);

}  // namespace sferonda
