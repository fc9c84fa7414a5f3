// The numeric fields of formatted printing: '#' runs with decimals, commas, a
// leading '+' and an exponent of carets.
#pragma once
#include <cstddef>
#include <string>

namespace tess {

struct NumberField {
  int integer_positions = 0;  // '#', ',' before '#', and a leading '+'
  int decimals = 0;
  bool plus = false;          // the sign is always written
  bool commas = false;        // thousands grouped
  int carets = 0;             // 4 or more: exponent form
  bool point_before_exponent = false;
  std::size_t length = 0;     // bytes of the format the field covers
};

// Fixed form: right-aligned in the field; a lone zero integer part is dropped
// when it does not fit; otherwise an overflow mark '%' and the whole number.
std::string fixed_field(const NumberField& field, double value);

// Exponent form: the mantissa normalised to the integer positions, then E and a
// signed exponent of carets - 2 digits. Zero shows a zero mantissa with exponent
// +00..; a fraction that rounds up carries into the integer part; a negative
// value with no integer position for its sign shows '-' in that position (or
// before the fraction when there is none); a result longer than the field (an
// exponent too wide, a sign without room) gets the overflow mark and grows.
std::string exponent_field(const NumberField& field, double value);

}  // namespace tess
