#pragma once
// The shortest text of a float that reads back as the same float, byte for
// byte as std::to_chars(first, last, value) writes it: the fewest digits,
// then the decimal nearest to the float (ties to an even last digit), in
// fixed notation unless scientific (d.ddde+XX) is shorter; "inf", "-inf",
// "nan" and "-nan" for the rest. Found with exact integer arithmetic, no
// allocation.

namespace sferonda {

// Room write_shortest needs at `out`: its text is at most 15 characters
// ("-1.2345678e-38"), but it stores whole 8-byte blocks beyond the text.
constexpr int SHORTEST_BUFFER_SIZE = 32;

// Writes the text at `out` and returns the position after it.
char* write_shortest(char* out, float value);

}  // namespace sferonda
