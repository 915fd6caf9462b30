#pragma once
// Writing records: formatted records driven by a layout, and free-form
// records laid out from their values. Each call begins a new line and ends
// its last line before it returns.

#include <initializer_list>
#include <span>

#include "records/layout.hpp"
#include "records/value.hpp"

namespace sferonda {

class Units;

// Pours `values` into `layout` in order; the walk stops at the first data
// field that finds no value left.
void write_formatted(Units& units, int unit, const Layout& layout, std::span<const Value> values);
void write_formatted(Units& units, int unit, const Layout& layout, std::initializer_list<Value> values = {});

// A formatted record made of one literal text.
void write_text_record(Units& units, int unit, std::string_view text);

// A free-form record of texts and integers.
void write_list(Units& units, int unit, std::initializer_list<Value> values);

}  // namespace sferonda
